#include "host_writer.h"

#include "host_lines.h"
#include "key_scan.h"
#include "model/convention_catalogue.h"

#include <optional>

namespace {

using catalogue::HostKey;

QByteArrayView bit(bool set) {
    return set ? catalogue::valueOne : catalogue::valueZero;
}

// The line that encodes `settings` for key `k`; none for a 1NT key whose text is no range.
std::optional<QByteArray> lineForKey(const HostKey& k, const SideSettings& settings) {
    QByteArray line = k.key.toByteArray();
    switch (k.group) {
    case Group::General:
        return line.append(bit(settings.conventions.at(k.index) != check::Unchecked));
    case Group::Opening:
        return line.append(bit(settings.openingChoice == OpeningChoice::Option0));
    case Group::NtRange:
        if (const auto bound = catalogue::ntRangeLowerBound(settings.ntRange(RangeKind(k.index))))
            return line.append(QByteArray::number(*bound));
        return std::nullopt;
    case Group::Competitive:
        return line.append(bit(settings.competitive.at(k.index) == check::Checked));
    }
    return std::nullopt;
}

} // namespace

// No key occurs inside another key nor inside a line written for a key, so once a key has
// replaced the line no later key can match it: the first replacing key decides.
QByteArray rewriteHostLine(QByteArrayView line, const SideSettings& ns, const SideSettings& eo) {
    const KeySet present = keysInLine(line);
    const auto& keys = catalogue::hostKeys();
    for (std::size_t i = 0; present.any() && i < keys.size(); ++i) {
        if (!present.test(i))
            continue;
        const HostKey& k = keys[i];
        if (auto replaced = lineForKey(k, k.side == Side::NS ? ns : eo))
            return *replaced;
    }
    return line.toByteArray();
}

QByteArray rewriteHostText(QByteArrayView text, const SideSettings& ns, const SideSettings& eo) {
    QByteArray rewritten;
    rewritten.reserve(text.size() + text.size() / 16 + 2);
    forEachHostLine(text, [&](QByteArrayView line) {
        rewritten.append(rewriteHostLine(line, ns, eo));
        rewritten.append(lineEnd);
    });
    return rewritten;
}

FileOutcome transferToHost(const QString& hostPath, const QString& workingCopyPath,
                           const SideSettings& ns, const SideSettings& eo) {
    auto host = readNonEmptyFile(hostPath);
    if (auto* failure = std::get_if<FileFailure>(&host))
        return *failure;
    const QByteArray rewritten = rewriteHostText(std::get<QByteArray>(host), ns, eo);
    if (FileOutcome failed = writeWholeFile(workingCopyPath, rewritten))
        return failed;
    return writeWholeFile(hostPath, rewritten, WriteMode::InPlaceFallback);
}
