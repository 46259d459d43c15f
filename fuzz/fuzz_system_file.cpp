// The system-file field reader and the open on any bytes; and the save read back, for values
// drawn from the same bytes with range texts free of double quotes.
#include "fuzz_check.h"
#include "model/convention_catalogue.h"
#include "recording_target.h"
#include "systemfile/system_file_format.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstdint>

using namespace vornelle;

namespace {

// The open sets at most the 20 values, and says it read them all only when it did.
void checkOpen(QByteArrayView input) {
    RecordingTarget target;
    const bool complete = decodeSystemFile(input, Side::EO, target);
    require(target.events.size() <= 20 && complete == (target.events.size() == 20),
            "open set too much");
}

// One side's values from the input: check values and the option from its first 20 bytes, the
// two range texts from the rest, double quotes left out, cut where byte 13 says.
SideSettings savedFrom(QByteArrayView input) {
    auto byte = [input](qsizetype i) {
        return i < input.size() ? unsigned(std::uint8_t(input[i])) : 0u;
    };
    SideSettings s;
    for (int i = 0; i < GeneralCount; ++i)
        s.general[std::size_t(i)] = CheckValue(byte(i) % 3);
    s.opening = OpeningChoice(byte(12) % 3);
    for (int i = 0; i < CompetitiveCount; ++i)
        s.competitive[std::size_t(i)] = CheckValue(byte(15 + i) % 3);
    QByteArray texts = input.size() > 20 ? input.sliced(20).toByteArray() : QByteArray();
    texts.removeIf([](char c) { return c == '"'; });
    const qsizetype cut = std::min<qsizetype>(byte(13), texts.size());
    QStringDecoder decode(catalogue::fileCodePage);
    s.ntRangeVulnerable = decode(texts.first(cut));
    s.ntRangeNotVulnerable = decode(texts.sliced(cut));
    return s;
}

// What the save writes, the open reads back: neither option reads as option 1.
void checkSaveReadsBack(QByteArrayView input) {
    const SideSettings saved = savedFrom(input);
    SideSettings expected = saved;
    if (expected.opening == OpeningChoice::None)
        expected.opening = OpeningChoice::Standard;
    SideSettingsPair opened;
    require(decodeSystemFile(encodeSystemFile(saved), Side::NS, opened), "save read back short");
    require(opened.ns == expected, "save read back other values");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    checkOpen(input);
    checkSaveReadsBack(input);
    return 0;
}
