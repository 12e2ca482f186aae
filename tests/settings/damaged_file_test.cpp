#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "game/game.h"
#include "platform/atomic_file.h"
#include "rules/position.h"
#include "settings/scheme_file.h"
#include "stats/stats_record.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

// The statistics and scheme files are replaced whole. One that is there but
// that its reader refused (cut short, too long) must not vanish under the new
// content: it is kept as "<name>.bad" first, or, when that cannot be done, not
// replaced at all.
class DamagedFileTest : public ::testing::Test {
protected:
    void SetUp() override { game.winner = SIDE_HUMAN; }

    // The game whose end the statistics file books.
    Game game;

    struct DataFile {
        const char* name;
        Bytes sound;  // as the program writes it
        std::function<FileResult(const std::string&)> write;
    };
    const DataFile files_[2] = {
        {STATS_FILE_NAME, EncodeStatsRecord(StatsRecord{9, 5, {50, 66, 50, 60, 50, 57, 50, 55}}),
         [this](const std::string& path) { return UpdateStatsFile(game.history, game.winner, path); }},
        {SCHEME_FILE_NAME, EncodeSchemes(kDefaultSchemes),
         [](const std::string& path) { return WriteSchemeFile(kDefaultSchemes, path); }},
    };
    TempDir dir{"damaged"};
};

TEST_F(DamagedFileTest, ARefusedFileIsKeptAsBadBeforeItIsReplaced) {
    for (const DataFile& f : files_) {
        const std::string path = dir.File(f.name);
        const std::string bad = path + ".bad";
        const Bytes cut(f.sound.begin(), f.sound.end() - 8);
        Bytes longer = f.sound;
        longer.resize(f.sound.size() + 4, 0xAB);
        const struct {
            const char* name;
            std::optional<Bytes> before;
            bool kept;
        } cases[] = {
            {"cut short", cut, true},
            {"longer", longer, true},
            {"sound", f.sound, false},
            {"none", std::nullopt, false},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(f.name) + ", " + c.name);
            // A copy kept earlier goes only when another takes its place.
            const Bytes older{1, 2, 3};
            ASSERT_TRUE(WriteFileAtomically(bad, older));
            fs::remove(path);
            if (c.before) {
                ASSERT_TRUE(WriteFileAtomically(path, *c.before));
            }
            EXPECT_TRUE(f.write(path));
            EXPECT_EQ(ReadFileBytes(path, 1000)->size(), f.sound.size());
            EXPECT_EQ(ReadFileBytes(bad, 1000), c.kept ? *c.before : older);
        }
    }
}

TEST_F(DamagedFileTest, WhatCannotBeKeptIsNotReplaced) {
    for (const DataFile& f : files_) {
        SCOPED_TRACE(f.name);
        // A folder in the file's place is no file to keep; the write says why.
        const std::string path = dir.File(f.name);
        fs::create_directory(path);
        EXPECT_EQ(f.write(path).error, EISDIR);
        EXPECT_TRUE(fs::is_directory(path));
        EXPECT_FALSE(fs::exists(path + ".bad"));
        fs::remove(path);
    }
    const Bytes cut(files_[0].sound.begin(), files_[0].sound.end() - 8);
    TempDir readOnly{"damaged-read-only"};
    const std::string path = readOnly.File(STATS_FILE_NAME);
    ASSERT_TRUE(WriteFileAtomically(path, cut));
    readOnly.MakeReadOnly();
    {
        OrdinaryUser user;
        if (OrdinaryUser::CanWriteIn(readOnly.File(""))) GTEST_SKIP() << "these rights ignore file permissions";
        EXPECT_EQ(UpdateStatsFile(game.history, game.winner, path).error, EACCES);
    }
    EXPECT_EQ(ReadFileBytes(path, 1000), cut);
    EXPECT_FALSE(fs::exists(path + ".bad"));
}
