# Turns the Expert's weights file into C++ source, so that the program carries
# its network inside and loads nothing at run time. A file that is plainly not
# a weights file stops the build here; the full check runs in the tests.
#   cmake -DIN=weights -DOUT=source.cpp -P embed_weights.cmake
if(NOT EXISTS "${IN}")
  message(FATAL_ERROR "The Expert's weights file ${IN} is missing: restore it from git or train one with scripts/train.sh")
endif()
file(SIZE "${IN}" size)
if(size GREATER 2097152)
  message(FATAL_ERROR "The Expert's weights file ${IN} is ${size} bytes, over the 2 MB limit")
endif()
file(READ "${IN}" hex HEX)
string(SUBSTRING "${hex}" 0 16 head)
if(NOT head STREQUAL "4b584e4e01000000")
  message(FATAL_ERROR "${IN} is not a version 1 weights file of the Expert (it starts with ${head}): it is damaged or of another program")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUT}.tmp" "// Generated from ${IN} by embed_weights.cmake; do not edit.\n"
  "#include \"computer/expert_weights.h\"\n"
  "const uint8_t kExpertWeights[] = {\n${bytes}\n};\n"
  "const size_t kExpertWeightsSize = sizeof kExpertWeights;\n")
file(RENAME "${OUT}.tmp" "${OUT}")
