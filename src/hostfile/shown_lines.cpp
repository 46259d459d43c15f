#include "shown_lines.h"

#include "files/text_lines.h"
#include "model/windows_1252.h"

namespace vornelle {

ShownLines::ShownLines(QByteArray text) : text_(std::move(text)) {
    const char* const begin = text_.constData();
    forEachLine(text_, [&](QByteArrayView line) {
        spans_.append({line.data() - begin, line.size()});
    });
}

QByteArrayView ShownLines::bytes(qsizetype i) const {
    const Span& span = spans_.at(i);
    return QByteArrayView(text_).sliced(span.start, span.length);
}

QString ShownLines::text(qsizetype i) const {
    return fromWindows1252(bytes(i));
}

} // namespace vornelle
