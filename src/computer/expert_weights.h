// The Expert's weights file, built into the program from data/.
#pragma once

#include <cstddef>
#include <cstdint>

extern const uint8_t kExpertWeights[];
extern const size_t kExpertWeightsSize;
