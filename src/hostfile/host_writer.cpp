#include "host_writer.h"

#include "files/text_lines.h"
#include "key_scan.h"
#include "model/convention_catalogue.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace vornelle {

namespace {

using catalogue::HostKey;

QByteArrayView bit(bool set) {
    return set ? catalogue::valueOne : catalogue::valueZero;
}

// The line that encodes `settings` for key `k`; none for a 1NT key whose text is no range.
// What the host reads back decides each group's digit: a grayed general convention is written
// checked ("=1", since only "=0" reads as unchecked), a grayed competitive one unchecked ("=0",
// since only "=1" reads as checked), and an opening that was never set as the standard one.
std::optional<QByteArray> lineForKey(const HostKey& k, const SideSettings& settings) {
    QByteArray line = k.key.toByteArray();
    switch (k.group) {
    case Group::General:
        return line.append(bit(settings.general.at(k.index) != CheckValue::Unchecked));
    case Group::Opening:
        return line.append(bit(settings.opening == OpeningChoice::Weak));
    case Group::NtRange:
        if (const auto bound =
                catalogue::ntRangeLowerBound(settings.ntRange(Vulnerability(k.index))))
            return line.append(QByteArray::number(*bound));
        return std::nullopt;
    case Group::Competitive:
        return line.append(bit(settings.competitive.at(k.index) == CheckValue::Checked));
    }
    return std::nullopt;
}

// The line written for each key, in catalogue order, from the window's values.
using KeyLines = std::array<std::optional<QByteArray>, catalogue::hostKeyCount>;

KeyLines keyLines(const SideSettings& ns, const SideSettings& eo) {
    KeyLines lines;
    const auto& keys = catalogue::hostKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        lines[i] = lineForKey(keys[i], keys[i].side == Side::NS ? ns : eo);
    return lines;
}

// Bytes appended to a buffer whose size runs ahead of what is written: each piece costs one
// memcpy, and the buffer grows by doubling when a text holds many lines longer once rewritten.
class Output {
  public:
    explicit Output(qsizetype expected) { bytes_.resize(expected); }
    void append(QByteArrayView piece) {
        if (piece.isEmpty())
            return;
        if (used_ + piece.size() > bytes_.size())
            bytes_.resize(std::max(2 * bytes_.size(), used_ + piece.size()));
        std::memcpy(bytes_.data() + used_, piece.data(), std::size_t(piece.size()));
        used_ += piece.size();
    }
    QByteArray take() && {
        bytes_.truncate(used_);
        return std::move(bytes_);
    }

  private:
    QByteArray bytes_;
    qsizetype used_ = 0;
};

// No key occurs inside another key nor inside a line written for a key, so once a key has
// replaced the line no later key can match it: the first replacing key decides. None when the
// line stays as it is.
const QByteArray* replacement(const KeySet& present, const KeyLines& lines) {
    for (std::size_t i = 0; present.any() && i < lines.size(); ++i) {
        if (present.test(i) && lines[i])
            return &*lines[i];
    }
    return nullptr;
}

} // namespace

QByteArray rewriteHostLine(QByteArrayView line, const SideSettings& ns, const SideSettings& eo) {
    const KeyLines lines = keyLines(ns, eo);
    const QByteArray* replaced = replacement(keysInLine(line), lines);
    return replaced ? *replaced : line.toByteArray();
}

// Lines that stay as they are and already end with CR LF are copied together, in one piece, up
// to the next line that changes: no allocation and no copy per line.
QByteArray rewriteHostText(QByteArrayView text, const SideSettings& ns, const SideSettings& eo) {
    const KeyLines lines = keyLines(ns, eo);
    KeyScanner keys(text);
    Output out(text.size() + text.size() / 16 + 2);
    const char* copied = text.data(); // every byte before it has its place in `out`
    forEachLineAndEnd(text, [&](QByteArrayView line, QByteArrayView end) {
        const QByteArray* replaced = replacement(keys.keysInLine(line), lines);
        if (!replaced && end.size() == lineEnd.size()) // the only end of two bytes is CR LF
            return;
        out.append(QByteArrayView(copied, line.data()));
        out.append(replaced ? QByteArrayView(*replaced) : line);
        out.append(lineEnd);
        copied = end.data() + end.size();
    });
    out.append(QByteArrayView(copied, text.data() + text.size()));
    return std::move(out).take();
}

FileOutcome transferToHost(const HostFile& host, const QString& workingCopyPath,
                           const SideSettings& ns, const SideSettings& eo) {
    const bool copyExists = copyExistsNow(host);
    const QString hostPath = fileHostReads(host, copyExists);
    auto text = readNonEmptyFile(hostPath);
    if (auto* failure = std::get_if<FileFailure>(&text))
        return *failure;
    const QByteArray rewritten = rewriteHostText(std::get<QByteArray>(text), ns, eo);
    if (FileOutcome failed = writeWholeFile(workingCopyPath, rewritten))
        return failed;
    FileOutcome failed = writeWholeFile(hostPath, rewritten, WriteMode::InPlaceFallback);
    const auto next = failed
                          ? fileToWriteNext(host, copyExists,
                                            failed->problem == FileFailure::Problem::WriteRefused)
                          : std::nullopt;
    if (next && QDir().mkpath(QFileInfo(*next).path()) && !writeWholeFile(*next, rewritten))
        return std::nullopt;
    return failed;
}

} // namespace vornelle
