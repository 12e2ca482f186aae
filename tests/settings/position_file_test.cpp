#include "settings/position_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "game/game.h"
#include "game/game_file.h"
#include "platform/le_bytes.h"
#include "rules/board_fixture.h"
#include "settings/options.h"

namespace fs = std::filesystem;

namespace {
// The game state a position file can reach, with the live board's counts and
// owners, for comparing before and after.
struct GameImage {
    Bytes file;
    int board[NUM_LOCATIONS][2];
    int openingThrow, runScore, totalScore;
    bool operator==(const GameImage&) const = default;
};

GameImage Image(const Game& game) {
    GameImage g{EncodePositionFile(CapturePositionFile(game)),
                {},
                game.openingThrow,
                game.runScore[SIDE_HUMAN],
                game.totalScore[SIDE_HUMAN]};
    for (int i = 0; i < NUM_LOCATIONS; ++i) {
        g.board[i][0] = game.position[i].count;
        g.board[i][1] = game.position[i].owner;
    }
    return g;
}

void PutI32(Bytes& b, std::size_t offset, int32_t v) {
    Bytes field;
    ByteWriter(field).I32(v);
    std::copy(field.begin(), field.end(), b.begin() + offset);
}

std::size_t EntryOffset(int loc) { return 4 + 8 * loc; }
std::size_t FieldOffset(PosField f) { return 233 + 4 * f; }
}  // namespace

class PositionFileTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        SetDice({6, 4});
        game.moveOrdinal = 1;
        game.openingThrow = 1;
        game.race = 0;
        game.position.cubeValue = 2;
        game.position.cubeOwner = SIDE_HUMAN;
        game.computerMayDouble = 1;
        SavePosition();
    }
    // A game in the middle: a hit checker on the bar, some borne off, counters running.
    void PlayedGame() {
        Place({{0, 1}, {3, -2}, {5, 4}, {10, -6}, {19, 5}, {20, 1}, {24, -3}, {26, -4}, {27, 4}});
        SavePosition();
        SetDice({3, 3, 3, 3});
        game.position.cubeValue = 8;
        game.position.cubeOwner = SIDE_COMPUTER;
        game.computerMayDouble = 0;
        game.race = 0;
        int32_t* counters[] = {&game.counters.thinkTime[1],     &game.counters.thinkTime[2],
                               &game.counters.diceTotal[1],     &game.counters.diceTotal[2],
                               &game.counters.doublesThrown[1], &game.counters.doublesThrown[2],
                               &game.counters.hitsMade[1],      &game.counters.hitsMade[2]};
        int v = 100;
        for (int32_t* c : counters) *c = v++;
    }
};

TEST_F(PositionFileTest, SavedAtTheStartOfAHumanTurnByteForByte) {
    const Bytes b = EncodePositionFile(CapturePositionFile(game));
    ASSERT_EQ(b.size(), POS_FILE_SIZE);
    auto at = [&](std::size_t from, std::size_t n) { return Bytes(b.begin() + from, b.begin() + from + n); };
    EXPECT_EQ(at(0, 4), (Bytes{0x20, 0, 0, 0}));
    EXPECT_EQ(at(EntryOffset(1), 8), (Bytes{2, 0, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(at(EntryOffset(6), 8), (Bytes{5, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(at(EntryOffset(25), 8), (Bytes{0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(at(228, 5), (Bytes{6, 4, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(at(233, 4), (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(at(237, 4), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(at(253, 4), (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(at(257, 4), (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(at(269, 4), (Bytes{1, 0, 0, 0}));

    const fs::path path = fs::temp_directory_path() / ("kestro-save-" + std::to_string(::getpid()) + ".pos");
    ASSERT_TRUE(SavePositionFile(path.string(), game));
    EXPECT_EQ(*ReadFileBytes(path.string(), 1000), b);
    fs::remove(path);
}

TEST_F(PositionFileTest, OpenRestoresWhatSaveWrote) {
    PlayedGame();
    const GameImage saved = Image(game);
    const fs::path path = fs::temp_directory_path() / ("kestro-trip-" + std::to_string(::getpid()) + ".pos");
    ASSERT_TRUE(SavePositionFile(path.string(), game));

    NewBoard();
    game.counters = {};
    SetDice({1, 2});
    game.position.cubeValue = 1;
    game.position.cubeOwner = 0;
    game.race = 1;
    game.runScore[SIDE_HUMAN] = 7;
    game.totalScore[SIDE_HUMAN] = 9;
    const PosFileRead read = ReadPositionFile(path.string(), CapturePositionFile(game));
    fs::remove(path);
    ASSERT_EQ(read.status, PosFileStatus::Ok);
    ApplyPositionFile(*read.data, game);

    GameImage expected = saved;
    expected.openingThrow = 0;
    expected.runScore = 7;
    expected.totalScore = 9;
    EXPECT_EQ(Image(game), expected);
    EXPECT_EQ(game.position[LOC_HUMAN_BAR].owner, SIDE_HUMAN);
    EXPECT_EQ(ReadPositionFile(path.string(), CapturePositionFile(game)).status, PosFileStatus::Unreadable);
}

TEST_F(PositionFileTest, BadFilesAreRefusedAndChangeNothing) {
    const Bytes good = EncodePositionFile(CapturePositionFile(game));
    using Edit = std::function<void(Bytes&)>;
    auto field = [](PosField f, int32_t v) -> Edit { return [=](Bytes& b) { PutI32(b, FieldOffset(f), v); }; };
    auto entry = [](int loc, int count, int owner) -> Edit {
        return [=](Bytes& b) {
            b[EntryOffset(loc)] = static_cast<uint8_t>(count);
            PutI32(b, EntryOffset(loc) + 4, owner);
        };
    };
    auto cut = [](std::size_t size) -> Edit { return [=](Bytes& b) { b.resize(size); }; };
    // Every checker of the side moved from the points into its tray.
    auto borneOff = [](int side, int tray) -> Edit {
        return [=](Bytes& b) {
            for (int loc = 1; loc <= 24; ++loc)
                if (b[EntryOffset(loc) + 4] == side) {
                    b[EntryOffset(loc)] = 0;
                    PutI32(b, EntryOffset(loc) + 4, SIDE_NONE);
                }
            b[EntryOffset(tray)] = CHECKERS_PER_SIDE;
            PutI32(b, EntryOffset(tray) + 4, side);
        };
    };
    const struct {
        const char* name;
        Edit edit;
    } cases[] = {
        {"text file",
         [](Bytes& b) {
             b.assign({'[', 'o', 'p', 't', 'i', 'o', 'n', 's', ']', '\n'});
         }},
        {"empty", cut(0)},
        {"tag cut short", cut(3)},
        {"wrong tag", [](Bytes& b) { PutI32(b, 0, 33); }},
        {"table cut short", cut(EntryOffset(27) + 7)},
        {"count above 15", entry(1, 16, SIDE_HUMAN)},
        {"negative count", entry(1, -2, SIDE_HUMAN)},
        {"owner outside 0..2", entry(1, 2, 3)},
        {"checkers without owner", entry(1, 2, SIDE_NONE)},
        {"empty point with owner", entry(2, 0, SIDE_COMPUTER)},
        {"human bar owned by computer", entry(LOC_HUMAN_BAR, 0, SIDE_COMPUTER)},
        {"computer tray owned by the human", entry(LOC_COMPUTER_OFF, 0, SIDE_HUMAN)},
        {"checkers in a tray owned by nobody",
         [](Bytes& b) {
             PutI32(b, EntryOffset(LOC_HUMAN_OFF) + 4, SIDE_NONE);
             b[EntryOffset(LOC_HUMAN_OFF)] = 1;
             b[EntryOffset(1)] = 1;
         }},
        {"14 human checkers", entry(1, 1, SIDE_HUMAN)},
        {"16 computer checkers", entry(2, 1, SIDE_COMPUTER)},
        {"the human has borne off all", borneOff(SIDE_HUMAN, LOC_HUMAN_OFF)},
        {"the computer has borne off all", borneOff(SIDE_COMPUTER, LOC_COMPUTER_OFF)},
        {"die of 7", [](Bytes& b) { b[228] = 7; }},
        {"die of 0", [](Bytes& b) { b[229] = 0; }},
        {"no terminator", [](Bytes& b) { b[230] = 3; }},
        {"five dice left", field(POS_DICE_LEFT, 5)},
        {"negative dice left", field(POS_DICE_LEFT, -1)},
        {"more dice left than dice", field(POS_DICE_LEFT, 3)},
        {"move ordinal 2", field(POS_MOVE_ORDINAL, 2)},
        {"move ordinal 0", field(POS_MOVE_ORDINAL, 0)},
        {"race flag 2", field(POS_RACE, 2)},
        {"negative thinking time", field(POS_THINK_COMPUTER, -1500)},
        {"cube owner 3", field(POS_CUBE_OWNER, 3)},
        {"cube value 3", field(POS_CUBE_VALUE, 3)},
        {"cube value 0", field(POS_CUBE_VALUE, 0)},
        {"cube value 128", field(POS_CUBE_VALUE, 128)},
        {"cube at 1 held by the human", field(POS_CUBE_VALUE, 1)},
        {"cube at 2 held by nobody", field(POS_CUBE_OWNER, SIDE_NONE)},
        {"no holder, then the end before the game's doubled cube",
         [](Bytes& b) {
             PutI32(b, FieldOffset(POS_CUBE_OWNER), SIDE_NONE);
             b.resize(FieldOffset(POS_CUBE_VALUE));
         }},
        {"negative dice total", field(POS_DICE_TOTAL_HUMAN, -4)},
        {"double flag 2", field(POS_COMPUTER_MAY_DOUBLE, 2)},
        {"negative doubles", field(POS_DOUBLES_COMPUTER, -1)},
        {"negative hits", field(POS_HITS_HUMAN, INT32_MIN)},
        {"dice total the next throw would overflow", field(POS_DICE_TOTAL_COMPUTER, INT32_MAX)},
        {"hits the next hit would overflow", field(POS_HITS_COMPUTER, INT32_MAX)},
        {"thinking time near the int limit", field(POS_THINK_HUMAN, INT32_MAX - 5)},
    };
    const fs::path path = fs::temp_directory_path() / ("kestro-bad-" + std::to_string(::getpid()) + ".pos");
    const GameImage before = Image(game);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes b = good;
        c.edit(b);
        ASSERT_TRUE(WriteFileAtomically(path.string(), b));
        EXPECT_EQ(ReadPositionFile(path.string(), CapturePositionFile(game)).status, PosFileStatus::Invalid);
        EXPECT_EQ(Image(game), before);
    }
    fs::remove(path);
}

TEST_F(PositionFileTest, AShortFileKeepsTheFieldsItLacks) {
    PlayedGame();
    const Bytes played = EncodePositionFile(CapturePositionFile(game));
    const struct {
        std::size_t size;
        int present;
    } cuts[] = {{228, 0}, {232, 0}, {256, 6}, {288, POS_ALL_PRESENT - 1}, {289, POS_ALL_PRESENT}};
    for (const auto& c : cuts) {
        SCOPED_TRACE(c.size);
        SetUp();
        const PositionFileData captured = CapturePositionFile(game);
        const std::optional<PositionFileData> data =
            DecodePositionFile(Bytes(played.begin(), played.begin() + c.size), CapturePositionFile(game));
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->present, c.present);
        ApplyPositionFile(*data, game);

        PositionFileData expected = captured;
        expected.table = data->table;
        expected.fields[POS_RACE] = NoContact(game.position.board);
        if (c.present >= 1) std::memcpy(expected.dice, data->dice, sizeof expected.dice);
        for (int f = 0; f + 1 < c.present; ++f) expected.fields[f] = data->fields[f];
        EXPECT_EQ(EncodePositionFile(CapturePositionFile(game)), EncodePositionFile(expected));
        EXPECT_EQ(game.position[10].count, 6);
    }
}

TEST_F(PositionFileTest, DiceWithoutTheirCountMustFitTheGamesCount) {
    PlayedGame();
    Bytes b = EncodePositionFile(CapturePositionFile(game));
    b.resize(233);
    game.position.diceLeft = 2;  // the file's four threes need a count of four
    EXPECT_FALSE(DecodePositionFile(b, CapturePositionFile(game)).has_value());
    game.position.diceLeft = 4;
    EXPECT_TRUE(DecodePositionFile(b, CapturePositionFile(game)).has_value());
}

TEST_F(PositionFileTest, TheStoredFileReadsBackUnchanged) {
    const std::string path = KESTRO_FIXTURES "/start-6-4-cube2-human.pos";
    const PosFileRead read = ReadPositionFile(path, CapturePositionFile(game));
    ASSERT_EQ(read.status, PosFileStatus::Ok);
    EXPECT_EQ(read.data->present, POS_ALL_PRESENT);
    EXPECT_EQ(read.data->fields[POS_THINK_HUMAN], 12345);
    EXPECT_EQ(EncodePositionFile(*read.data), *ReadFileBytes(path, 1000));
}

TEST_F(PositionFileTest, AFileSavedInANewGamesFirstTurnOpens) {
    NewBoard();
    const std::optional<PositionFileData> data =
        DecodePositionFile(EncodePositionFile(CapturePositionFile(game)), CapturePositionFile(game));
    ASSERT_TRUE(data.has_value());
    ApplyPositionFile(*data, game);
    EXPECT_EQ(game.position[LOC_HUMAN_BAR].owner, SIDE_HUMAN);
    EXPECT_EQ(game.position[LOC_COMPUTER_OFF].owner, SIDE_COMPUTER);
}
