#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "game/game.h"
#include "game/game_file.h"
#include "platform/atomic_file.h"
#include "rules/board_fixture.h"
#include "settings/position_file.h"
#include "settings/scheme_file.h"
#include "stats/stats_record.h"
#include "temp_dir.h"

// A disk that fills up half-way through the next write of each data file
// must leave the file as the last good write left it. The profile has its
// own test of this beside its other writes.
class InterruptedWriteTest : public BoardTest {
protected:
    void TearDown() override {
        game.winner = SIDE_NONE;
        game.history = FreshStatsRecord();
        BoardTest::TearDown();
    }
    TempDir dir{"interrupted"};
};

TEST_F(InterruptedWriteTest, EveryDataFileKeepsItsLastGoodContent) {
    SchemeSet schemes = kDefaultSchemes;
    struct Case {
        const char* file;
        std::function<FileResult(const std::string&)> write;
        std::function<void()> change;  // what the next write would record
    };
    const Case cases[] = {
        {"game.pos", [this](const std::string& path) { return SavePositionFile(path, game); },
         [this] {
             Place({{1, 2}, {6, -5}, {12, 5}, {13, -5}, {17, 3}, {19, 5}, {24, -2}, {26, -3}});
             SavePosition();
         }},
        {SCHEME_FILE_NAME, [&](const std::string& path) { return WriteSchemeFile(schemes, path); },
         [&] { schemes[1][SLOT_BAR] = MakeColorRef(1, 2, 3); }},
        {STATS_FILE_NAME, [this](const std::string& path) { return UpdateStatsFile(game.history, game.winner, path); },
         [this] { game.winner = SIDE_COMPUTER; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = dir.File(c.file);
        game.winner = SIDE_HUMAN;
        ASSERT_TRUE(c.write(path));
        const Bytes good = *ReadFileBytes(path, 1000);
        c.change();
        {
            FileSizeLimit fullDisk(good.size() / 2);
            EXPECT_FALSE(c.write(path));
        }
        EXPECT_EQ(*ReadFileBytes(path, 1000), good);
        std::filesystem::remove(path);
        EXPECT_EQ(dir.FileCount(), 0u) << "a temporary file was left behind";
    }
}
