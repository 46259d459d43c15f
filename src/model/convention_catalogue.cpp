#include "convention_catalogue.h"

namespace catalogue {

std::optional<int> ntRangeLowerBound(QStringView text) {
    for (std::size_t i = 0; i < ntRangeTexts.size(); ++i) {
        if (text == ntRangeTexts[i])
            return firstLowerBound + int(i);
    }
    return std::nullopt;
}

std::optional<QString> ntRangeText(int lowerBound) {
    const int i = lowerBound - firstLowerBound;
    if (i < 0 || i >= int(ntRangeTexts.size()))
        return std::nullopt;
    return ntRangeTexts[std::size_t(i)].toString();
}

namespace {

std::array<HostKey, 40> buildHostKeys() {
    std::array<HostKey, 40> keys{};
    std::size_t n = 0;
    for (Side side : {Side::NS, Side::EO}) {
        for (int row = 0; row < GeneralCount; ++row)
            keys[n++] = {generalConventions[std::size_t(row)].key(side), side, Group::General, row};
    }
    for (Side side : {Side::NS, Side::EO})
        keys[n++] = {openingStrength.key(side), side, Group::Opening, 0};
    for (RangeKind kind : {RangeKind::Vulnerable, RangeKind::NotVulnerable}) {
        for (Side side : {Side::NS, Side::EO})
            keys[n++] = {ntRangeKeys[std::size_t(kind)].key(side), side, Group::NtRange, int(kind)};
    }
    for (int row = 0; row < CompetitiveCount; ++row) {
        for (Side side : {Side::NS, Side::EO}) {
            keys[n++] = {competitiveConventions[std::size_t(row)].key(side), side,
                         Group::Competitive, row};
        }
    }
    return keys;
}

} // namespace

const std::array<HostKey, 40>& hostKeys() {
    static const std::array<HostKey, 40> keys = buildHostKeys();
    return keys;
}

} // namespace catalogue
