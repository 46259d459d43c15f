// The system-file field reader and the open on any bytes; and the save read back, for values
// drawn from the same bytes with range texts free of double quotes.
#include "fuzz_check.h"
#include "model/windows_1252.h"
#include "recording_target.h"
#include "systemfile/system_file_format.h"

#include <algorithm>

using namespace vornelle;

namespace {

// The open sets at most the 20 values, and says it read them all only when it did.
void checkOpen(QByteArrayView input) {
    RecordingTarget target;
    const bool complete = decodeSystemFile(input, Side::EO, target);
    require(target.events.size() <= 20 && complete == (target.events.size() == 20),
            "open set too much");
}

// What the save writes, the open reads back, no opening chosen reading as the standard one. The
// values come from the input: checks and opening from its first 20 bytes, the two range texts
// from the rest, double quotes left out, cut where byte 13 says.
void checkSaveReadsBack(QByteArrayView input) {
    SideSettings saved = checksFrom(input, 0);
    QByteArray texts = input.size() > 20 ? input.sliced(20).toByteArray() : QByteArray();
    texts.removeIf([](char c) { return c == '"'; });
    const qsizetype cut = std::min<qsizetype>(byteAt(input, 13), texts.size());
    saved.ntRangeVulnerable = fromWindows1252(texts.first(cut));
    saved.ntRangeNotVulnerable = fromWindows1252(texts.sliced(cut));
    SideSettingsPair opened;
    require(decodeSystemFile(encodeSystemFile(saved), Side::NS, opened), "save read back short");
    if (saved.opening == OpeningChoice::None)
        saved.opening = OpeningChoice::Standard;
    require(opened.ns == saved, "save read back other values");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    checkOpen(input);
    checkSaveReadsBack(input);
    return 0;
}
