// Whole-file reads and writes for the program's small data files. A write
// goes to a temporary file in the same folder and is renamed over the old
// one, so a crash or a full disk never leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// A FIFO or a device where the program expects a file: the system has no
// error for it, as opening one succeeds.
constexpr int NOT_A_REGULAR_FILE = -1;

// How a read or a write went: 0, or why it failed, as an errno value or
// NOT_A_REGULAR_FILE, so that the user can be told the reason.
struct FileResult {
    int error = 0;
    explicit operator bool() const { return error == 0; }
};

// Of several writes, the first that failed: one message can tell it.
inline FileResult FirstFailure(FileResult earlier, FileResult later) { return earlier ? later : earlier; }

struct FileRead {
    std::optional<Bytes> bytes;
    FileResult result;
};

// The file's bytes, or why it cannot be read. At most `limit` bytes are read,
// so a huge file cannot exhaust memory.
FileRead ReadFileWithReason(const std::string& path, std::size_t limit);
inline std::optional<Bytes> ReadFileBytes(const std::string& path, std::size_t limit) {
    return ReadFileWithReason(path, limit).bytes;
}

// Replaces the file's contents; on failure the old file is untouched, also
// when the file is read-only.
FileResult WriteFileAtomically(const std::string& path, const void* data, std::size_t size);
inline FileResult WriteFileAtomically(const std::string& path, const Bytes& bytes) {
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

// A file that its reader refused is about to be replaced whole: it is kept
// beside itself as "<path>.bad", replacing an older one, so that nothing the
// user had is lost without a copy. Anything but a regular file is left alone.
FileResult KeepRefusedFile(const std::string& path);
