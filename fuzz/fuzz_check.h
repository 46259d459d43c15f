#pragma once

#include "model/side_settings.h"

#include <QByteArrayView>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Stops the run when a property does not hold: the fuzzer records the input as a crash.
inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// Byte `i` of the input, 0 past its end.
inline int byteAt(QByteArrayView input, qsizetype i) {
    return i < input.size() ? int(uchar(input[i])) : 0;
}

// A side's check values and opening drawn from 20 bytes of the input from `first`: the general
// values from bytes 0 to 11, the opening from byte 12, the competitive values from bytes 15 to
// 19 (bytes 13 and 14 are left to the ranges).
inline vornelle::SideSettings checksFrom(QByteArrayView input, qsizetype first) {
    vornelle::SideSettings s;
    for (std::size_t i = 0; i < s.general.size(); ++i)
        s.general[i] = vornelle::CheckValue(byteAt(input, first + qsizetype(i)) % 3);
    s.opening = vornelle::OpeningChoice(byteAt(input, first + 12) % 3);
    for (std::size_t i = 0; i < s.competitive.size(); ++i)
        s.competitive[i] = vornelle::CheckValue(byteAt(input, first + 15 + qsizetype(i)) % 3);
    return s;
}
