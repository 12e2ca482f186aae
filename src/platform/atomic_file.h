// Whole-file reads and writes for the program's small data files. A write
// goes to a temporary file in the same folder and is renamed over the old
// one, so a crash or a full disk never leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// The file's bytes, or nothing when it cannot be opened. At most `limit`
// bytes are read, so a huge file cannot exhaust memory.
std::optional<Bytes> ReadFileBytes(const std::string& path, std::size_t limit);

// Replaces the file's contents; false (and the old file untouched) on failure,
// also when the file is read-only.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);
inline bool WriteFileAtomically(const std::string& path, const Bytes& bytes) {
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}
