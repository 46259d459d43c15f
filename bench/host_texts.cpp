#include "host_texts.h"

#include "model/convention_catalogue.h"

using namespace vornelle;

namespace {

QByteArray keyLine(int keyNumber) {
    const auto& keys = catalogue::hostKeys();
    const catalogue::HostKey& k = keys[std::size_t(keyNumber) % keys.size()];
    QByteArray line = k.key.toByteArray();
    if (k.group == Group::NtRange)
        return line + QByteArray::number(12 + keyNumber % 4);
    return line + (keyNumber % 3 ? "=1" : "=0");
}

// About 42 bytes a line, as settings of the host's other dialogs are.
QByteArray otherLine(int i) {
    if (i % 25 == 0)
        return "[R\xe9glages " + QByteArray::number(i / 25) + "]";
    return "Param" + QByteArray::number(i).rightJustified(6, '0') +
           "=valeur du r\xe9glage num\xe9ro " + QByteArray::number(i % 977);
}

} // namespace

QByteArray hostText(int lines, int keyEvery) {
    QByteArray text;
    text.reserve(qsizetype(lines) * 42);
    for (int i = 0; i < lines; ++i) {
        text += i % keyEvery == keyEvery / 2 ? keyLine(i / keyEvery) : otherLine(i);
        text += "\r\n";
    }
    return text;
}

QByteArray typicalHostText() {
    return hostText(300, 7);
}

SideSettings sampleSettings(Side side) {
    SideSettings s;
    const int shift = side == Side::NS ? 0 : 1;
    for (std::size_t i = 0; i < s.general.size(); ++i)
        s.general[i] = CheckValue(int(i + shift) % 3);
    s.opening = side == Side::NS ? OpeningChoice::Weak : OpeningChoice::Standard;
    s.ntRangeVulnerable = catalogue::ntRangeTexts[std::size_t(2 + shift)].toString();
    s.ntRangeNotVulnerable = catalogue::ntRangeTexts[std::size_t(5 - shift)].toString();
    for (std::size_t i = 0; i < s.competitive.size(); ++i)
        s.competitive[i] = CheckValue(int(i + shift) % 2);
    return s;
}
