#include "mevra32.h"

namespace {
// Each thread draws its own sequence; a thread that never seeds starts from 1.
thread_local uint32_t state = 1;
}  // namespace

extern "C" int32_t SetSeed(int32_t seed) {
    state = static_cast<uint32_t>(seed);
    return 0;
}

extern "C" int32_t GetRandom(int32_t n) {
    state = state * 214013u + 2531011u;
    const int32_t r = static_cast<int32_t>((state >> 16) & 0x7FFF);
    // A caller asking for no range at all gets 0 rather than a division trap
    // that would take the whole program down.
    return n == 0 ? 0 : r % n;
}
