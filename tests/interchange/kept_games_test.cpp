#include "interchange/kept_games.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/le_bytes.h"
#include "temp_dir.h"

namespace {
// A finished game of a few throws, steps and cube actions at a random score.
RecordedGame RandomGame(std::mt19937& rng) {
    const auto roll = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    RunRecord record;
    MatchScore score;
    if (roll(2)) score = {7, {0, roll(6), roll(6)}, false};
    record.NewGame(roll(4) != 0, score);
    for (int turn = roll(30); turn > 0; --turn) {
        const int side = 1 + roll(2);
        record.Throw(side, 1 + roll(6), 1 + roll(6));
        for (int step = roll(5); step > 0; --step) record.Step(side, roll(NUM_LOCATIONS), roll(NUM_LOCATIONS), roll(2));
        if (roll(8) == 0) record.Double(side, 2 << roll(5), true);
    }
    record.Win(1 + roll(2), 1 + roll(12));
    return record.Games().back();
}
}  // namespace

TEST(KeptGamesTest, GamesComeBackAndTheOldestGoBeyondTheCap) {
    TempDir dir("kept-games");
    const std::string path = dir.File(KEPT_GAMES_FILE_NAME);
    std::mt19937 rng(32);
    std::vector<RecordedGame> written, kept;
    for (std::size_t i = 0; i < MAX_KEPT_GAMES + 3; ++i) {
        written.push_back(RandomGame(rng));
        if (i + 10 < MAX_KEPT_GAMES) {
            kept.push_back(written.back());
            continue;
        }
        ASSERT_TRUE(AppendKeptGame(path, kept, written.back()));
    }
    const KeptGames loaded = LoadKeptGames(path);
    ASSERT_FALSE(loaded.setAside);
    ASSERT_EQ(loaded.games.size(), MAX_KEPT_GAMES);
    for (std::size_t i = 0; i < MAX_KEPT_GAMES; ++i) {
        const RecordedGame &a = loaded.games[i], &b = written[i + 3];
        ASSERT_EQ(a.fromStart, b.fromStart) << i;
        ASSERT_EQ(a.scoreBefore, b.scoreBefore) << i;
        ASSERT_TRUE(a.events == b.events) << i;
    }
}

// A file cut short, with a byte changed, or not the program's at all is set
// aside and the games start anew; a missing file is no damage.
TEST(KeptGamesTest, DamagedFilesAreSetAside) {
    TempDir dir("kept-games-bad");
    const std::string path = dir.File(KEPT_GAMES_FILE_NAME);
    EXPECT_FALSE(LoadKeptGames(path).setAside);
    std::mt19937 rng(7);
    const Bytes good = EncodeKeptGames({RandomGame(rng), RandomGame(rng)});
    Bytes cut(good.begin(), good.end() - 3), field = good, foreign = {'h', 'e', 'l', 'l', 'o'};
    field[4 + 4 + 8 + 1] |= 0x80;  // a field of the first event beyond what it can hold
    for (const Bytes& bad : {cut, field, foreign}) {
        ASSERT_TRUE(WriteFileAtomically(path, bad));
        const KeptGames loaded = LoadKeptGames(path);
        EXPECT_TRUE(loaded.setAside);
        EXPECT_TRUE(loaded.games.empty());
        EXPECT_EQ(ReadFileBytes(path + ".bad", 1 << 20), bad);
    }
}

// A file of the first format, eleven bytes an event, still gives its games.
TEST(KeptGamesTest, TheFirstFormatIsStillRead) {
    Bytes first = {'K', 'G', 'M', '1'};
    ByteWriter out(first);
    out.I32(1);
    out.U8(3);
    for (int32_t v : {7, 2, 3}) out.I32(v);
    out.U8(0);
    out.I32(2);
    for (const GameEvent& e :
         {GameEvent{GameAction::Throw, SIDE_HUMAN, 3, 1}, GameEvent{GameAction::Win, SIDE_HUMAN, 1}}) {
        out.U8(static_cast<uint8_t>(e.action));
        out.U8(static_cast<uint8_t>(e.side));
        out.I32(e.a);
        out.I32(e.b);
        out.U8(0);
    }
    const std::optional<std::vector<RecordedGame>> games = DecodeKeptGames(first);
    ASSERT_TRUE(games);
    ASSERT_EQ(games->size(), 1u);
    EXPECT_EQ(games->front().scoreBefore, (MatchScore{7, {0, 2, 3}, false}));
    EXPECT_EQ(games->front().events,
              (std::vector<GameEvent>{{GameAction::Throw, SIDE_HUMAN, 3, 1}, {GameAction::Win, SIDE_HUMAN, 1}}));
    EXPECT_EQ(DecodeKeptGames(EncodeKeptGames(*games))->front().events, games->front().events);
}
