#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {
// Why an open file is not one the program could have written.
int KindError(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    if (S_ISDIR(st.st_mode)) return EISDIR;
    return S_ISREG(st.st_mode) ? 0 : NOT_A_REGULAR_FILE;
}

// 0, or the errno of the write that failed.
int WriteAll(int fd, const unsigned char* p, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        // Nothing written and no error: the disk has no room left.
        if (n == 0) return ENOSPC;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

// 0 when the call succeeded, otherwise its errno.
int ErrorOf(int status) { return status == 0 ? 0 : errno; }

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

FileRead ReadFileWithReason(const std::string& path, std::size_t limit) {
    // Opened without waiting, so a FIFO put in the file's place cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {std::nullopt, {errno}};
    // Only a regular file can hold what the program wrote.
    int error = KindError(fd);
    Bytes bytes;
    unsigned char buffer[4096];
    while (error == 0 && bytes.size() < limit) {
        const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        // A read that fails half-way must not pass for a shorter file.
        if (got < 0) error = errno;
        if (got <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    ::close(fd);
    if (error != 0) return {std::nullopt, {error}};
    return {std::move(bytes), {}};
}

FileResult WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    // The rename needs only the folder's permission: a file the user made
    // read-only must refuse the write, as writing into it would. Asked with
    // the rights the write itself goes by.
    if (::access(path.c_str(), F_OK) == 0 && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return {errno};
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return {errno};
    int error = WriteAll(fd, static_cast<const unsigned char*>(data), size);
    if (error == 0) error = ErrorOf(::fchmod(fd, ModeFor(path)));
    if (error == 0) error = ErrorOf(::fsync(fd));
    // A full disk may only show when the file is closed.
    const int closeError = ErrorOf(::close(fd));
    if (error == 0) error = closeError;
    if (error == 0) error = ErrorOf(std::rename(temp.c_str(), path.c_str()));
    if (error != 0) std::remove(temp.c_str());
    return {error};
}

FileResult KeepRefusedFile(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return {ErrorOf(std::rename(path.c_str(), (path + ".bad").c_str()))};
}
