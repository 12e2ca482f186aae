#include "platform/profile.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/atomic_file.h"
#include "temp_dir.h"

namespace {
std::string Text(const std::string& path) {
    const auto bytes = ReadFileBytes(path, 10 << 20);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
}

void Put(const std::string& path, const std::string& text) {
    ASSERT_TRUE(WriteFileAtomically(path, text.data(), text.size()));
}
}  // namespace

class ProfileTest : public ::testing::Test {
protected:
    TempDir dir{"profile"};
    Profile profile{dir.File("kestro.ini")};
};

TEST_F(ProfileTest, FirstWriteCreatesTheFileAndLaterWritesKeepIt) {
    EXPECT_EQ(profile.GetInt("options", "speed", 75), 75);
    ASSERT_TRUE(profile.WriteInt("options", "speed", 40));
    ASSERT_TRUE(profile.WriteInt("game", "wit", -3));
    ASSERT_TRUE(profile.WriteInt("options", "speed", 41));
    EXPECT_EQ(Text(profile.Path()), "[options]\nspeed=41\n[game]\nwit=-3\n");
    EXPECT_EQ(profile.GetInt("OPTIONS", "Speed", 75), 41);
    EXPECT_EQ(dir.FileCount(), 1u);
}

TEST_F(ProfileTest, FailedWriteKeepsTheOldFile) {
    const std::string old = "[options]\nspeed=40\n";
    Put(profile.Path(), old);
    {
        FileSizeLimit fullDisk(old.size());
        EXPECT_FALSE(profile.WriteInt("options", "HitShake", 0));
    }
    EXPECT_EQ(Text(profile.Path()), old);
    EXPECT_EQ(dir.FileCount(), 1u);
}

TEST_F(ProfileTest, WriteIntoReadOnlyFolderKeepsTheOldFile) {
    const std::string old = "[options]\nspeed=40\n";
    Put(profile.Path(), old);
    dir.MakeReadOnly();
    OrdinaryUser user;
    if (OrdinaryUser::CanWriteIn(dir.File(""))) GTEST_SKIP() << "these rights ignore file permissions";
    EXPECT_FALSE(profile.WriteInt("options", "speed", 10));
    EXPECT_EQ(Text(profile.Path()), old);
    EXPECT_EQ(profile.GetInt("options", "speed", 75), 40);
}

TEST_F(ProfileTest, FileTooLargeGivesDefaultsAndIsNotRewritten) {
    const std::string huge = "[options]\nspeed=40\n" + std::string(MAX_PROFILE_BYTES, 'x');
    Put(profile.Path(), huge);
    EXPECT_EQ(profile.GetInt("options", "speed", 75), 75);
    EXPECT_FALSE(profile.WriteInt("options", "speed", 10));
    EXPECT_EQ(Text(profile.Path()), huge);
}

TEST_F(ProfileTest, UnreadableFileIsNotReplaced) {
    Put(profile.Path(), "[options]\nspeed=40\n");
    std::filesystem::permissions(profile.Path(), std::filesystem::perms::none);
    {
        OrdinaryUser user;
        if (ReadFileBytes(profile.Path(), 100)) GTEST_SKIP() << "these rights ignore file permissions";
        EXPECT_EQ(profile.GetInt("options", "speed", 75), 75);
        EXPECT_FALSE(profile.WriteInt("options", "speed", 10));
    }
    std::filesystem::permissions(profile.Path(), std::filesystem::perms::owner_read);
    EXPECT_EQ(Text(profile.Path()), "[options]\nspeed=40\n");
}

TEST_F(ProfileTest, FolderInPlaceOfTheFileGivesDefaults) {
    std::filesystem::create_directory(profile.Path());
    EXPECT_EQ(profile.GetInt("options", "speed", 75), 75);
    EXPECT_FALSE(profile.WriteInt("options", "speed", 10));
}

TEST_F(ProfileTest, AFailedWriteSaysWhy) {
    const std::string tooLarge = "[options]\n" + std::string(MAX_PROFILE_BYTES, ';');
    Put(profile.Path(), tooLarge);
    EXPECT_EQ(profile.WriteInt("options", "speed", 10).error, EFBIG) << "too large to be trusted";
    std::filesystem::remove(profile.Path());
    std::filesystem::create_directory(profile.Path());
    EXPECT_EQ(profile.WriteInt("options", "speed", 10).error, EISDIR);
    EXPECT_EQ(Profile(dir.File("gone/kestro.ini")).WriteInt("options", "speed", 10).error, ENOENT);
}
