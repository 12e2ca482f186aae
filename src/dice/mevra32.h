// The dice library: one linear congruential generator per calling thread.
#pragma once

#include <cstdint>

extern "C" {
// Replaces the calling thread's generator state with the seed's bits; returns 0.
int32_t SetSeed(int32_t seed);
// Advances the calling thread's state once and returns a value in 0 .. n-1
// (n >= 1); n = 0 gives 0.
int32_t GetRandom(int32_t n);
}
