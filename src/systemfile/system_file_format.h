#pragma once

#include "files/file_io.h"
#include "model/side_settings.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace vornelle {

// A system file holds one side's 20 values, one per line ended by CR LF, in the order of
// SideSettings: check values in decimal, the opening option as "#TRUE#" or "#FALSE#", range
// texts between double quotes in the 8-bit code page.
QByteArray encodeSystemFile(const SideSettings& settings);

// Reads a system file field by field:
// - blanks before a field are skipped;
// - a field that begins with a double quote runs to the next double quote, and the comma or line
//   end after it is consumed;
// - any other field runs to the next comma or line end.
class FieldReader {
  public:
    struct Field {
        QByteArray text;
        bool quoted = false;
    };

    explicit FieldReader(QByteArrayView data) : data_(data) {}

    // The next field; none once the end of the data has been reached.
    std::optional<Field> next();

  private:
    void consumeSeparator();

    QByteArrayView data_;
    qsizetype pos_ = 0;
};

// A check field: its leading whole number, 0 when it has none; none outside 0 to 2.
std::optional<CheckValue> checkFieldValue(const FieldReader::Field& field);

// The option field: true for the Boolean "#TRUE#" and for "Vrai", quoted or not.
bool optionFieldValue(const FieldReader::Field& field);

// Applies the fields of `data` to `side` of `target` one by one, each as soon as it is read.
// Stops at the first field missing or out of range; gives true when all 20 were applied.
[[nodiscard]] bool decodeSystemFile(QByteArrayView data, Side side, SettingsTarget& target);

// Saves `settings` at `path`; an existing file is replaced only once the new one is complete.
[[nodiscard]] FileOutcome writeSystemFile(const QString& path, const SideSettings& settings);

// Opens the file at `path` into `side` of `target`. Nothing is set when it cannot be read.
[[nodiscard]] bool readSystemFile(const QString& path, Side side, SettingsTarget& target);

// The file of a system name: the name exactly as typed, followed by ".vns".
QString systemFileName(const QString& name);

// The system name of a listed file: the file name without its last four characters.
QString systemNameOfFile(const QString& fileName);

} // namespace vornelle
