#include "convention_catalogue.h"

namespace vornelle::catalogue {

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

using Keys = std::array<HostKey, hostKeyCount>;

Keys buildHostKeys() {
    Keys keys{};
    std::size_t n = 0;
    for (Side side : {Side::NS, Side::EO}) {
        for (int row = 0; row < GeneralCount; ++row)
            keys[n++] = {generalKeys[std::size_t(row)].of(side), side, Group::General, row};
    }
    for (Side side : {Side::NS, Side::EO})
        keys[n++] = {openingKeys.of(side), side, Group::Opening, 0};
    for (Vulnerability v : {Vulnerability::Vulnerable, Vulnerability::NotVulnerable}) {
        for (Side side : {Side::NS, Side::EO})
            keys[n++] = {ntRangeKeys[std::size_t(v)].of(side), side, Group::NtRange, int(v)};
    }
    // Row by row, North-South before East-West in each row.
    for (int row = 0; row < CompetitiveCount; ++row) {
        for (Side side : {Side::NS, Side::EO})
            keys[n++] = {competitiveKeys[std::size_t(row)].of(side), side, Group::Competitive, row};
    }
    return keys;
}

} // namespace

const Keys& hostKeys() {
    static const Keys keys = buildHostKeys();
    return keys;
}

} // namespace vornelle::catalogue
