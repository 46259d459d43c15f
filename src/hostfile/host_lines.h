#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Line rules shared by the host settings file and its working copy: a line ends at CR LF, at a
// lone CR or at a lone LF, and the last line needs no line end. Every written line ends with
// CR LF. Lines are bytes: whatever they hold besides the keys passes through untouched.

inline constexpr QByteArrayView lineEnd = "\r\n";

// Calls f(QByteArrayView line) for every line of `text`; an empty text has no line.
template <typename F> void forEachHostLine(QByteArrayView text, F&& f) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '\r' && *q != '\n')
            ++q;
        f(QByteArrayView(p, q - p));
        if (q < end && *q == '\r' && q + 1 < end && q[1] == '\n')
            ++q;
        p = q + 1;
    }
}

// The text again, each line ended by CR LF.
QByteArray normalizeLineEnds(QByteArrayView text);
