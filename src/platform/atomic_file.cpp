#include "atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

std::optional<Bytes> ReadFileBytes(const std::string& path, std::size_t limit) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    Bytes bytes;
    unsigned char buffer[4096];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
        const std::size_t got = std::fread(buffer, 1, want, f);
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (got < want) break;
    }
    std::fclose(f);
    return bytes;
}

namespace {
bool WriteAll(int fd, const unsigned char* p, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}
}  // namespace

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, static_cast<const unsigned char*>(data), size) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    // mkstemp creates the file private to its owner; data files are ordinary files.
    ok = ok && ::chmod(temp.c_str(), 0644) == 0 && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}
