// The whole-text passes over a host file against their plain line-by-line forms, on any bytes:
// the line reader against the line rules, the key scanner against 40 plain searches, the reader
// against its lines read one by one, and the rewrite against 40 plain searches and replacements
// per line. The first 40 bytes of the input also choose the values that the rewrite writes.
#include "files/text_lines.h"
#include "fuzz_check.h"
#include "hostfile/host_reader.h"
#include "hostfile/host_writer.h"
#include "hostfile/key_scan.h"
#include "model/convention_catalogue.h"
#include "recording_target.h"

#include <QList>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

// The lines of `text`, each checked to lie where the line rules put it: in order, without CR or
// LF, each followed by CR LF, CR, LF or the end of the text, and nothing else in between.
QList<QByteArrayView> checkedLines(QByteArrayView text) {
    QList<QByteArrayView> lines;
    const char* next = text.data();
    const char* const end = text.data() + text.size();
    forEachLine(text, [&](QByteArrayView line) {
        require(line.data() == next && line.data() + line.size() <= end, "line out of place");
        require(!line.contains('\r') && !line.contains('\n'), "line end inside a line");
        next = line.data() + line.size();
        if (end - next >= 2 && next[0] == '\r' && next[1] == '\n')
            next += 2;
        else if (next < end)
            ++next;
        lines.append(line);
    });
    require(next == end, "bytes outside every line");
    return lines;
}

// One side's values from 20 bytes of the input from `first`: any check values and opening, and
// range boxes that hold one of the seven ranges, nothing, or a typed text.
SideSettings sideFrom(QByteArrayView input, qsizetype first) {
    const auto range = [](int pick) {
        return pick % 9 < 7 ? catalogue::ntRangeTexts[pick % 9].toString()
                            : QStringList{QString(), u"12-14"_s}[pick % 9 - 7];
    };
    SideSettings s = checksFrom(input, first);
    s.ntRangeVulnerable = range(byteAt(input, first + 13));
    s.ntRangeNotVulnerable = range(byteAt(input, first + 14));
    return s;
}

KeySet plainKeys(QByteArrayView line) {
    KeySet keys;
    for (std::size_t i = 0; i < catalogue::hostKeys().size(); ++i)
        keys.set(i, line.contains(catalogue::hostKeys()[i].key));
    return keys;
}

// The rewrite as 40 searches in catalogue order, each on the line as the ones before left it.
QByteArray plainRewrite(QByteArray line, const SideSettings& ns, const SideSettings& eo) {
    for (const catalogue::HostKey& k : catalogue::hostKeys()) {
        const SideSettings& v = k.side == Side::NS ? ns : eo;
        const QByteArray key = k.key.toByteArray();
        if (!line.contains(key))
            continue;
        if (k.group == Group::General)
            line = key + (v.general.at(k.index) == CheckValue::Unchecked ? "=0" : "=1");
        else if (k.group == Group::Opening)
            line = key + (v.opening == OpeningChoice::Weak ? "=1" : "=0");
        else if (k.group == Group::Competitive)
            line = key + (v.competitive.at(k.index) == CheckValue::Checked ? "=1" : "=0");
        else if (auto bound = catalogue::ntRangeLowerBound(v.ntRange(Vulnerability(k.index))))
            line = key + QByteArray::number(*bound);
    }
    return line;
}

void checkKeysAndReader(QByteArrayView input, const QList<QByteArrayView>& lines) {
    KeyScanner scanner(input);
    RecordingTarget byLine;
    for (QByteArrayView line : lines) {
        require(keysInLine(line) == plainKeys(line), "keysInLine missed or added a key");
        require(scanner.keysInLine(line) == plainKeys(line), "KeyScanner missed or added a key");
        applyHostLine(line, byLine);
    }
    RecordingTarget whole;
    readHostText(input.toByteArray(), whole);
    require(whole.events == byLine.events, "the reader and its lines set different values");
}

// Normalizing and the rewrite end every line with CR LF; the rewrite changes nothing more in
// a text it has already rewritten.
void checkRewrite(QByteArrayView input, const QList<QByteArrayView>& lines) {
    const SideSettings ns = sideFrom(input, 0);
    const SideSettings eo = sideFrom(input, 20);
    QByteArray normalized, rewritten;
    for (QByteArrayView line : lines) {
        normalized.append(line).append(lineEnd);
        const QByteArray plain = plainRewrite(line.toByteArray(), ns, eo);
        require(rewriteHostLine(line, ns, eo) == plain, "rewriteHostLine differs");
        rewritten.append(plain).append(lineEnd);
    }
    require(normalizeLineEnds(input) == normalized, "normalizing changed the lines");
    require(rewriteHostText(input, ns, eo) == rewritten, "rewriteHostText differs");
    require(rewriteHostText(rewritten, ns, eo) == rewritten, "a second rewrite changed the text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArrayView> lines = checkedLines(input);
    checkKeysAndReader(input, lines);
    checkRewrite(input, lines);
    return 0;
}
