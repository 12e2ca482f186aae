#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

std::optional<Bytes> ReadFileBytes(const std::string& path, std::size_t limit) {
    // Opened without waiting, so a FIFO put in the file's place cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    // Only a regular file can hold what the program wrote.
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    Bytes bytes;
    unsigned char buffer[4096];
    while (ok && bytes.size() < limit) {
        const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        // A read that fails half-way must not pass for a shorter file.
        ok = got >= 0;
        if (got <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    ::close(fd);
    if (!ok) return std::nullopt;
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

// mkstemp makes the file private to its owner; the data file keeps the
// permissions of the one it replaces, or gets those of any new file.
mode_t ModeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 0777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}
}  // namespace

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    // The rename needs only the folder's permission: a file the user made
    // read-only must refuse the write, as writing into it would.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return false;
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, static_cast<const unsigned char*>(data), size) && ::fchmod(fd, ModeFor(path)) == 0 &&
              ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}
