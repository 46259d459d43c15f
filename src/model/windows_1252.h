#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the 8-bit code page of every file this program reads or writes, converted by the
// program itself: Qt converts it only where it is built with ICU, which Windows builds lack. Both
// directions give what Qt's ICU codec gives.
namespace vornelle {

// Each byte is one character; the five bytes that the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) are the control characters of the same numbers.
QString fromWindows1252(QByteArrayView bytes);

// A character outside the code page becomes the byte 0x1A, or nothing when Unicode says it may
// be ignored (Default_Ignorable_Code_Point). A high surrogate that ends the text is dropped.
QByteArray toWindows1252(QStringView text);

} // namespace vornelle
