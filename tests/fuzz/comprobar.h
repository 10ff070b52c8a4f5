// A broken invariant stops the fuzzer with the reason.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void Comprobar(bool bCierto, const char* sQue) {
    if (!bCierto) {
        std::fprintf(stderr, "invariant broken: %s\n", sQue);
        std::abort();
    }
}
