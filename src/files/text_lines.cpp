#include "text_lines.h"

namespace vornelle {

QByteArray normalizeLineEnds(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size() + text.size() / 16 + 2);
    forEachLine(text, [&out](QByteArrayView line) {
        out.append(line);
        out.append(lineEnd);
    });
    return out;
}

} // namespace vornelle
