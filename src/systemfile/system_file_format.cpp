#include "system_file_format.h"

#include "files/text_lines.h"
#include "model/convention_catalogue.h"
#include "model/windows_1252.h"

namespace vornelle {

namespace {

constexpr char quote = '"';

void appendLine(QByteArray& out, QByteArrayView text) {
    out.append(text);
    out.append(lineEnd);
}

void appendChecks(QByteArray& out, const auto& values) {
    for (CheckValue value : values)
        appendLine(out, QByteArray::number(int(value)));
}

void appendQuoted(QByteArray& out, const QString& text) {
    out.append(quote);
    out.append(toWindows1252(text));
    appendLine(out, QByteArrayView(&quote, 1));
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool endsField(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

} // namespace

QByteArray encodeSystemFile(const SideSettings& settings) {
    QByteArray out;
    appendChecks(out, settings.general);
    appendLine(out, settings.opening == OpeningChoice::Weak ? catalogue::systemTrue
                                                            : catalogue::systemFalse);
    appendQuoted(out, settings.ntRangeVulnerable);
    appendQuoted(out, settings.ntRangeNotVulnerable);
    appendChecks(out, settings.competitive);
    return out;
}

std::optional<FieldReader::Field> FieldReader::next() {
    while (pos_ < data_.size() && isBlank(data_[pos_]))
        ++pos_;
    if (pos_ >= data_.size())
        return std::nullopt;
    Field field;
    if (data_[pos_] == quote) {
        const qsizetype start = pos_ + 1;
        qsizetype close = data_.indexOf(quote, start);
        if (close < 0)
            close = data_.size();
        field = {data_.sliced(start, close - start).toByteArray(), true};
        pos_ = close + 1;
        // Whatever stands between the closing quote and the separator is passed over.
        while (pos_ < data_.size() && !endsField(data_[pos_]))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < data_.size() && !endsField(data_[pos_]))
            ++pos_;
        field = {data_.sliced(start, pos_ - start).toByteArray(), false};
    }
    consumeSeparator();
    return field;
}

void FieldReader::consumeSeparator() {
    if (pos_ >= data_.size())
        return;
    const char c = data_[pos_++];
    if (c == '\r' && pos_ < data_.size() && data_[pos_] == '\n')
        ++pos_;
}

std::optional<CheckValue> checkFieldValue(const FieldReader::Field& field) {
    const QByteArrayView text = field.text;
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > int(CheckValue::Grayed))
            return std::nullopt;
    }
    if (negative && value != 0)
        return std::nullopt;
    return CheckValue(value);
}

bool optionFieldValue(const FieldReader::Field& field) {
    if (field.text == catalogue::systemTrueWord)
        return true;
    return !field.quoted && field.text == catalogue::systemTrue;
}

namespace {

// Reads one check field into `row` of `group`; false when the open must stop there.
bool applyCheckField(FieldReader& reader, Side side, Group group, int row, SettingsTarget& target) {
    const auto field = reader.next();
    if (!field)
        return false;
    const auto value = checkFieldValue(*field);
    if (!value)
        return false;
    target.setCheck(side, group, row, *value);
    return true;
}

} // namespace

bool decodeSystemFile(QByteArrayView data, Side side, SettingsTarget& target) {
    FieldReader reader(data);
    for (int row = 0; row < GeneralCount; ++row) {
        if (!applyCheckField(reader, side, Group::General, row, target))
            return false;
    }
    const auto option = reader.next();
    if (!option)
        return false;
    target.setOpening(side,
                      optionFieldValue(*option) ? OpeningChoice::Weak : OpeningChoice::Standard);
    for (Vulnerability v : {Vulnerability::Vulnerable, Vulnerability::NotVulnerable}) {
        const auto range = reader.next();
        if (!range)
            return false;
        target.setNtRange(side, v, fromWindows1252(range->text));
    }
    for (int row = 0; row < CompetitiveCount; ++row) {
        if (!applyCheckField(reader, side, Group::Competitive, row, target))
            return false;
    }
    return true;
}

FileOutcome writeSystemFile(const QString& path, const SideSettings& settings) {
    return writeWholeFile(path, encodeSystemFile(settings));
}

bool readSystemFile(const QString& path, Side side, SettingsTarget& target) {
    const auto data = readWholeFile(path);
    if (const auto* bytes = std::get_if<QByteArray>(&data))
        return decodeSystemFile(*bytes, side, target);
    return false;
}

QString systemFileName(const QString& name) {
    return name + catalogue::systemFileExtension.toString();
}

QString systemNameOfFile(const QString& fileName) {
    return fileName.chopped(
        std::min<qsizetype>(catalogue::systemFileExtension.size(), fileName.size()));
}

} // namespace vornelle
