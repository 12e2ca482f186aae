#include "interchange/kept_games.h"

#include <gtest/gtest.h>

#include <random>

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
    Bytes cut(good.begin(), good.end() - 3), side = good, foreign = {'h', 'e', 'l', 'l', 'o'};
    side[4 + 4 + 1 + 12 + 1 + 4 + 1] = 9;  // the first event's side
    for (const Bytes& bad : {cut, side, foreign}) {
        ASSERT_TRUE(WriteFileAtomically(path, bad));
        const KeptGames loaded = LoadKeptGames(path);
        EXPECT_TRUE(loaded.setAside);
        EXPECT_TRUE(loaded.games.empty());
        EXPECT_EQ(ReadFileBytes(path + ".bad", 1 << 20), bad);
    }
}
