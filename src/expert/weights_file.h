// The Expert's weights as bytes: a magic number, a version, the sizes of each
// network, the weights as little-endian floats and a checksum. The program
// builds the file in; the training tool writes it and reads it back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "evaluator.h"

namespace expert {

std::vector<uint8_t> SaveBrain(const Brain& brain);
// Empty on success; otherwise what is wrong, and `brain` is untouched.
std::string LoadBrain(const uint8_t* data, size_t size, Brain& brain);

}  // namespace expert
