// The host line reader, the reader and the rewrite on any bytes. The input is a host file; its
// first 40 bytes also choose the window's values that the rewrite writes.
#include "fuzz_check.h"
#include "hostfile/host_lines.h"
#include "hostfile/host_reader.h"
#include "hostfile/host_writer.h"
#include "model/convention_catalogue.h"

#include <QList>

#include <algorithm>
#include <cstdint>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

// The lines of `text`, each checked to lie where the line rules put it: in order, without CR or
// LF, each followed by CR LF, CR, LF or the end of the text, and nothing else in between.
QList<QByteArrayView> checkedLines(QByteArrayView text) {
    QList<QByteArrayView> lines;
    const char* next = text.data();
    const char* const end = text.data() + text.size();
    forEachHostLine(text, [&](QByteArrayView line) {
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

QString rangeText(unsigned byte) {
    const unsigned pick = byte % 9;
    if (pick < catalogue::ntRangeTexts.size())
        return catalogue::ntRangeTexts[pick].toString();
    return pick == 7 ? QString() : u"12-14"_s;
}

SideSettings sideFrom(QByteArrayView input, qsizetype first) {
    auto byte = [&](qsizetype i) {
        return first + i < input.size() ? unsigned(std::uint8_t(input[first + i])) : 0u;
    };
    SideSettings s;
    for (int i = 0; i < GeneralCount; ++i)
        s.general[std::size_t(i)] = CheckValue(byte(i) % 3);
    s.opening = OpeningChoice(byte(12) % 3);
    s.ntRangeVulnerable = rangeText(byte(13));
    s.ntRangeNotVulnerable = rangeText(byte(14));
    for (int i = 0; i < CompetitiveCount; ++i)
        s.competitive[std::size_t(i)] = CheckValue(byte(15 + i) % 3);
    return s;
}

bool holdsKey(QByteArrayView line) {
    return std::ranges::any_of(catalogue::hostKeys(), [line](const catalogue::HostKey& k) {
        return line.contains(k.key);
    });
}

// Normalizing gives every line back, each ended by CR LF.
void checkNormalize(QByteArrayView input, const QList<QByteArrayView>& lines) {
    QByteArray expected;
    for (QByteArrayView line : lines)
        expected.append(line).append(lineEnd);
    require(normalizeLineEnds(input) == expected, "normalizing changed the lines");
}

// The reader sets check boxes to 0 or 1 only, and range texts to one of the seven ranges.
void checkReader(const QList<QByteArrayView>& lines) {
    SideSettingsPair read;
    for (QByteArrayView line : lines)
        applyHostLine(line, read);
    for (SideSettings* side : {&read.ns, &read.eo}) {
        for (Group group : {Group::General, Group::Competitive}) {
            for (int row = 0; row < (group == Group::General ? GeneralCount : CompetitiveCount);
                 ++row)
                require(side->check(group, row) <= CheckValue::Checked, "reader set a gray box");
        }
        for (Vulnerability kind : {Vulnerability::Vulnerable, Vulnerability::NotVulnerable}) {
            const QString& text = side->ntRange(kind);
            require(text.isEmpty() || catalogue::ntRangeLowerBound(text), "reader set no range");
        }
    }
}

// The rewrite keeps the number of lines, leaves every line without a key as it was, and a
// second rewrite changes nothing.
void checkRewrite(QByteArrayView input, const QList<QByteArrayView>& lines) {
    const SideSettings ns = sideFrom(input, 0);
    const SideSettings eo = sideFrom(input, 20);
    QByteArray rewritten;
    for (QByteArrayView line : lines)
        rewritten.append(rewriteHostLine(line, ns, eo)).append(lineEnd);
    const QList<QByteArrayView> out = checkedLines(rewritten);
    require(out.size() == lines.size(), "rewrite changed the number of lines");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        require(holdsKey(lines[i]) || out[i] == lines[i], "rewrite changed a line without a key");
        require(rewriteHostLine(out[i], ns, eo) == out[i], "second rewrite changed a line");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArrayView> lines = checkedLines(input);
    checkNormalize(input, lines);
    checkReader(lines);
    checkRewrite(input, lines);
    return 0;
}
