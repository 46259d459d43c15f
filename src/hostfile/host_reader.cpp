#include "host_reader.h"

#include "files/text_lines.h"
#include "key_scan.h"
#include "model/convention_catalogue.h"

namespace vornelle {

namespace {

using catalogue::HostKey;

bool equalsKeyWith(QByteArrayView line, QByteArrayView key, QByteArrayView suffix) {
    return line.size() == key.size() + suffix.size() && line.startsWith(key) &&
           line.endsWith(suffix);
}

// The range text of a line that is exactly the key and a two-digit bound of 10 to 16.
std::optional<QString> ntRangeOfLine(QByteArrayView line, QByteArrayView key) {
    if (line.size() != key.size() + 2 || !line.startsWith(key))
        return std::nullopt;
    const char tens = line[key.size()];
    const char units = line[key.size() + 1];
    if (tens < '0' || tens > '9' || units < '0' || units > '9')
        return std::nullopt;
    return catalogue::ntRangeText((tens - '0') * 10 + (units - '0'));
}

// Each group compares the whole line with one literal and reads any other line that holds the
// key as the other value, so the groups lean different ways: a general convention is checked
// unless its line is exactly "=0", a competitive one unchecked unless exactly "=1", and the
// opening is the weak one only on exactly "=1".
void applyKey(QByteArrayView line, const HostKey& k, SettingsTarget& target) {
    switch (k.group) {
    case Group::General:
        target.setCheck(k.side, k.group, k.index,
                        equalsKeyWith(line, k.key, catalogue::valueZero) ? CheckValue::Unchecked
                                                                         : CheckValue::Checked);
        break;
    case Group::Opening:
        target.setOpening(k.side, equalsKeyWith(line, k.key, catalogue::valueOne)
                                      ? OpeningChoice::Weak
                                      : OpeningChoice::Standard);
        break;
    case Group::NtRange:
        if (const auto text = ntRangeOfLine(line, k.key))
            target.setNtRange(k.side, Vulnerability(k.index), *text);
        break;
    case Group::Competitive:
        target.setCheck(k.side, k.group, k.index,
                        equalsKeyWith(line, k.key, catalogue::valueOne) ? CheckValue::Checked
                                                                        : CheckValue::Unchecked);
        break;
    }
}

void applyKeys(QByteArrayView line, const KeySet& present, SettingsTarget& target) {
    if (present.none())
        return;
    const auto& keys = catalogue::hostKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (present.test(i))
            applyKey(line, keys[i], target);
    }
}

} // namespace

void applyHostLine(QByteArrayView line, SettingsTarget& target) {
    applyKeys(line, keysInLine(line), target);
}

FileOutcome takeHostSnapshot(const QString& hostPath, const QString& workingCopyPath) {
    auto host = readWholeFile(hostPath);
    if (auto* failure = std::get_if<FileFailure>(&host))
        return *failure;
    const QByteArray& text = std::get<QByteArray>(host);
    if (FileOutcome written = writeWholeFile(workingCopyPath, normalizeLineEnds(text)))
        return written;
    if (text.isEmpty())
        return FileFailure{hostPath, FileFailure::Problem::Empty, {}};
    return std::nullopt;
}

ShownLines readHostText(QByteArray text, SettingsTarget& target) {
    ShownLines lines(text); // shares the bytes of `text`
    KeyScanner keys(text);
    for (qsizetype i = 0; i < lines.size(); ++i)
        applyKeys(lines.bytes(i), keys.keysInLine(lines.bytes(i)), target);
    return lines;
}

FileOutcome loadWorkingCopy(const QString& workingCopyPath, SettingsTarget& target,
                            ShownLines& shownLines) {
    shownLines = {};
    auto copy = readNonEmptyFile(workingCopyPath);
    if (auto* failure = std::get_if<FileFailure>(&copy))
        return *failure;
    shownLines = readHostText(std::move(std::get<QByteArray>(copy)), target);
    return std::nullopt;
}

} // namespace vornelle
