#include "platform/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>

#include "temp_dir.h"

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("kestro-atomic-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        path = (dir / "data.bin").string();
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    fs::path dir;
    std::string path;
};

TEST_F(AtomicFileTest, WriteReplacesAndLeavesNoTemporaryFile) {
    EXPECT_FALSE(ReadFileBytes(path, 100).has_value());
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{1, 2, 3}));
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{9, 8}));
    EXPECT_EQ(*ReadFileBytes(path, 100), (Bytes{9, 8}));
    EXPECT_EQ(*ReadFileBytes(path, 1), (Bytes{9}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, WriteCutShortKeepsTheOldFile) {
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{1, 2, 3}));
    {
        FileSizeLimit fullDisk(2);
        EXPECT_FALSE(WriteFileAtomically(path, Bytes{4, 5, 6, 7}));
    }
    EXPECT_EQ(*ReadFileBytes(path, 100), (Bytes{1, 2, 3}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, FailedWriteKeepsTheOldFile) {
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{1, 2, 3}));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    {
        OrdinaryUser user;
        if (OrdinaryUser::CanWriteIn(dir.string())) GTEST_SKIP() << "these rights ignore file permissions";
        EXPECT_FALSE(WriteFileAtomically(path, Bytes{4}));
    }
    EXPECT_EQ(*ReadFileBytes(path, 100), (Bytes{1, 2, 3}));
}

TEST_F(AtomicFileTest, OnlyRegularFilesAreRead) {
    const std::string fifo = (dir / "pipe").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    for (const std::string& p : {fifo, (dir / "folder").string(), std::string("/dev/zero")}) {
        SCOPED_TRACE(p);
        auto read = std::async(std::launch::async, [&] { return ReadFileBytes(p, 100); });
        if (read.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            ADD_FAILURE() << "the read waits for a writer that never comes";
            ::close(::open(p.c_str(), O_WRONLY | O_NONBLOCK));
        }
        EXPECT_FALSE(read.get().has_value());
    }
}

TEST_F(AtomicFileTest, WrittenFilesKeepTheirPermissionsOrFollowTheUmask) {
    struct Umask {
        mode_t old = ::umask(027);
        ~Umask() { ::umask(old); }
    } umask027;
    const struct {
        const char* name;
        mode_t before;  // 0: no file yet
        mode_t after;
    } cases[] = {{"new", 0, 0640}, {"private", 0600, 0600}, {"shared", 0664, 0664}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = (dir / c.name).string();
        if (c.before) {
            ASSERT_TRUE(WriteFileAtomically(file, Bytes{1}));
            ASSERT_EQ(::chmod(file.c_str(), c.before), 0);
        }
        ASSERT_TRUE(WriteFileAtomically(file, Bytes{2}));
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.after);
    }
}

TEST_F(AtomicFileTest, ReadOnlyFileIsNotReplaced) {
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{1, 2, 3}));
    fs::permissions(path, fs::perms::owner_read);
    // The folder stays open to anyone: only the file's own permission refuses.
    fs::permissions(dir, fs::perms::all);
    {
        OrdinaryUser user;
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0)
            GTEST_SKIP() << "these rights ignore file permissions";
        EXPECT_FALSE(WriteFileAtomically(path, Bytes{4}));
    }
    EXPECT_EQ(*ReadFileBytes(path, 100), (Bytes{1, 2, 3}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// The reason reaches the user, so each failure must carry the system's own.
TEST_F(AtomicFileTest, FailuresSayWhy) {
    const std::string gone = (dir / "gone" / "data.bin").string();
    const std::string folder = (dir / "folder").string();
    const std::string fifo = (dir / "pipe").string();
    fs::create_directory(folder);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        const char* path;
        int error;
    } reads[] = {{gone.c_str(), ENOENT},
                 {folder.c_str(), EISDIR},
                 {fifo.c_str(), NOT_A_REGULAR_FILE},
                 {"/dev/zero", NOT_A_REGULAR_FILE}};
    for (const auto& r : reads) EXPECT_EQ(ReadFileWithReason(r.path, 100).result.error, r.error) << r.path;

    EXPECT_EQ(WriteFileAtomically(gone, Bytes{1}).error, ENOENT);
    EXPECT_EQ(WriteFileAtomically(folder, Bytes{1}).error, EISDIR);
    {
        FileSizeLimit fullDisk(2);
        EXPECT_EQ(WriteFileAtomically(path, Bytes{1, 2, 3}).error, EFBIG);
    }
    fs::permissions(dir,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    OrdinaryUser user;
    if (OrdinaryUser::CanWriteIn(dir.string())) GTEST_SKIP() << "these rights ignore file permissions";
    EXPECT_EQ(WriteFileAtomically(path, Bytes{1}).error, EACCES);
}
