#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <cstring>

namespace vornelle {

// The lines of the files that this program reads and writes, as bytes:
// - a line ends at CR LF, at a lone CR or at a lone LF;
// - the last line needs no line end;
// - every line written ends with CR LF.

inline constexpr QByteArrayView lineEnd = "\r\n";

namespace detail {
// Where `byte` next stands in [from, end), or `end`; memchr looks at many bytes at a time.
inline const char* nextByte(const char* from, const char* end, char byte) {
    const void* found = std::memchr(from, byte, std::size_t(end - from));
    return found ? static_cast<const char*>(found) : end;
}
} // namespace detail

// Calls f(QByteArrayView line, QByteArrayView end) for every line of `text`, with the bytes that
// end it: CR LF, CR, LF, or none for a last line without end. An empty text has no line.
template <typename F> void forEachLineAndEnd(QByteArrayView text, F&& f) {
    if (text.isEmpty())
        return;
    const char* p = text.data();
    const char* const end = p + text.size();
    // The next CR and the next LF, each looked for again only once the lines have passed it.
    const char* cr = detail::nextByte(p, end, '\r');
    const char* lf = detail::nextByte(p, end, '\n');
    while (p < end) {
        if (cr < p)
            cr = detail::nextByte(p, end, '\r');
        if (lf < p)
            lf = detail::nextByte(p, end, '\n');
        const char* const q = std::min(cr, lf);
        const qsizetype endSize = q == end ? 0 : q == cr && q + 1 == lf && lf != end ? 2 : 1;
        f(QByteArrayView(p, q - p), QByteArrayView(q, endSize));
        p = q + endSize;
        if (endSize == 0)
            return;
    }
}

// Calls f(QByteArrayView line) for every line of `text`.
template <typename F> void forEachLine(QByteArrayView text, F&& f) {
    forEachLineAndEnd(text, [&f](QByteArrayView line, QByteArrayView) { f(line); });
}

// The text again, each line ended by CR LF.
QByteArray normalizeLineEnds(QByteArrayView text);

} // namespace vornelle
