// A folder of the test's own for the files it reads and writes, removed with
// everything in it when the test ends.
#pragma once

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <system_error>

class TempDir {
public:
    explicit TempDir(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("kestro-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::size_t FileCount() const {
        return std::distance(std::filesystem::directory_iterator(path_), std::filesystem::directory_iterator());
    }
    // Readable by all, writable by none; false when the user's rights ignore
    // a read-only folder (root's do, see OrdinaryUser).
    bool MakeReadOnly() const {
        using std::filesystem::perms;
        std::filesystem::permissions(path_, perms::owner_read | perms::owner_exec | perms::group_read |
                                                perms::group_exec | perms::others_read | perms::others_exec);
        return ::access(path_.c_str(), W_OK) != 0;
    }

private:
    std::filesystem::path path_;
};

// While it lives, no file can grow beyond `bytes`: a write stops half-way, as
// on a full disk, even for a user whose rights ignore folder permissions.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

// While it lives, this thread meets file permissions as an ordinary user
// would, also when the tests run as root, whose rights ignore them: root
// takes the file rights of "nobody" (a folder made by root is then read-only).
class OrdinaryUser {
public:
    OrdinaryUser() : root_(::geteuid() == 0) {
        if (root_) ::setfsuid(kNobody);
    }
    ~OrdinaryUser() {
        if (root_) ::setfsuid(0);
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    // Whether a new file can still be made in the folder.
    static bool CanWriteIn(const std::string& folder) {
        const std::string probe = folder + "/.probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) return false;
        ::close(fd);
        ::unlink(probe.c_str());
        return true;
    }

private:
    static constexpr uid_t kNobody = 65534;
    bool root_;
};
