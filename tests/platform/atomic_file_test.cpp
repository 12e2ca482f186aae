#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
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
    if (::access(dir.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore a read-only folder";
    EXPECT_FALSE(WriteFileAtomically(path, Bytes{4}));
    EXPECT_EQ(*ReadFileBytes(path, 100), (Bytes{1, 2, 3}));
}
