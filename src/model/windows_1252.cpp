#include "windows_1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace vornelle {

namespace {

// The characters of bytes 0x80 to 0x9F; every other byte stands for the character of its number.
constexpr std::array<char16_t, 32> from0x80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character of each byte.
constexpr std::array<char16_t, 256> characters = [] {
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = char16_t(byte);
    std::ranges::copy(from0x80, table.begin() + 0x80);
    return table;
}();

constexpr char substitute = 0x1A;

struct CodePoints {
    char32_t first;
    char32_t last;
};

// Unicode's default-ignorable code points outside the code page (U+00AD is in it).
constexpr auto ignorable = std::to_array<CodePoints>({
    {0x034F, 0x034F},
    {0x061C, 0x061C},
    {0x115F, 0x1160},
    {0x17B4, 0x17B5},
    {0x180B, 0x180F},
    {0x200B, 0x200F},
    {0x202A, 0x202E},
    {0x2060, 0x206F},
    {0x3164, 0x3164},
    {0xFE00, 0xFE0F},
    {0xFEFF, 0xFEFF},
    {0xFFA0, 0xFFA0},
    {0xFFF0, 0xFFF8},
    {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A},
    {0xE0000, 0xE0FFF},
});

bool isIgnorable(char32_t c) {
    return std::ranges::any_of(ignorable,
                               [c](CodePoints r) { return r.first <= c && c <= r.last; });
}

std::optional<char> byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    const auto found = std::ranges::find(from0x80, c);
    if (found == from0x80.end())
        return std::nullopt;
    return char(0x80 + (found - from0x80.begin()));
}

} // namespace

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    std::ranges::transform(bytes, text.begin(),
                           [](char byte) { return QChar(characters[std::uint8_t(byte)]); });
    return text;
}

QByteArray toWindows1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (const auto byte = byteOf(c)) {
            bytes.append(*byte);
            continue;
        }
        char32_t point = c;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 == text.size())
                break; // kept for a low half to come, as Qt's stateful converter does
            if (text[i + 1].isLowSurrogate())
                point = QChar::surrogateToUcs4(c, text[++i].unicode());
        }
        if (!isIgnorable(point))
            bytes.append(substitute);
    }
    return bytes;
}

} // namespace vornelle
