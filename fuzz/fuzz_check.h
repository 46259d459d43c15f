#pragma once

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
