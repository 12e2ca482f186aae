#include "stats/stats_record.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <limits>
#include <optional>
#include <string>

#include "game/game.h"
#include "platform/le_bytes.h"
#include "rules/position.h"
#include "stats/win_graph.h"

namespace fs = std::filesystem;

namespace {
StatsRecord Record(int games, int wins, std::initializer_list<int> pct) {
    StatsRecord r{};
    r.games = games;
    r.wins = wins;
    int i = 0;
    for (int p : pct) r.pct[i++] = p;
    return r;
}

std::vector<int> History(const StatsRecord& r) { return {r.pct, r.pct + STATS_HISTORY}; }
}  // namespace

TEST(StatsRecordTest, BooksAGameByTheCountingRules) {
    struct Case {
        const char* name;
        StatsRecord before;
        bool won;
        int games, wins, slot, value;
    } cases[] = {
        {"first game won", FreshStatsRecord(), true, 3, 2, 1, 66},
        {"first game lost", FreshStatsRecord(), false, 3, 1, 1, 33},
        {"16/8 decays", Record(15, 8, {50, 60}), false, 8, 4, 2, 50},
        {"16/7 stays", Record(15, 7, {50, 60}), false, 16, 7, 2, 43},
        {"16/9 odd wins stay", Record(15, 8, {50}), true, 16, 9, 1, 56},
        {"a 0 % slot is overwritten", Record(200, 2, {50, 0}), true, 201, 3, 1, 1},
        {"huge counts do not overflow", Record(1999999999, 1999999999, {99}), true, 1000000000, 1000000000, 1, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StatsRecord r = c.before;
        AddGameToRecord(r, c.won);
        EXPECT_EQ(r.games, c.games);
        EXPECT_EQ(r.wins, c.wins);
        EXPECT_EQ(r.pct[c.slot], c.value);
        for (int i = 0; i < c.slot; ++i) EXPECT_EQ(r.pct[i], c.before.pct[i]);
    }
}

TEST(StatsRecordTest, AFullHistoryDropsTheOldestValue) {
    StatsRecord r = Record(40, 20, {});
    for (int i = 0; i < STATS_HISTORY; ++i) r.pct[i] = i + 1;
    AddGameToRecord(r, true);
    std::vector<int> expected;
    for (int i = 2; i <= STATS_HISTORY; ++i) expected.push_back(i);
    expected.push_back(51);  // 21 * 100 / 41
    EXPECT_EQ(History(r), expected);
}

TEST(StatsRecordTest, GraphEndsBeforeTheFirstEmptySlot) {
    EXPECT_EQ(GraphPercentages(Record(3, 2, {50, 66})), (std::vector<int>{50, 66}));
    EXPECT_EQ(GraphPercentages(Record(300, 2, {50, 1, 0, 40})), (std::vector<int>{50, 1}));
    EXPECT_EQ(GraphPercentages(Record(300, 0, {0, 0, 0})), (std::vector<int>{0}));

    const std::vector<GraphPoint> points = WinGraphPoints(Record(3, 2, {50, 66}), {100, 490, 300, 80});
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].x, 101);
    EXPECT_EQ(points[0].y, 260);
    EXPECT_EQ(points[1].x, 100);
    EXPECT_EQ(points[2].x, 110);
    EXPECT_EQ(points[2].y, 248);  // 300 - 80 * 66 / 100
}

TEST(StatsRecordTest, UnusableBytesAreRefused) {
    const Bytes good = EncodeStatsRecord(Record(3, 2, {50, 66}));
    ASSERT_EQ(good.size(), STATS_FILE_SIZE);
    ASSERT_TRUE(DecodeStatsRecord(good).has_value());
    EXPECT_EQ(History(*DecodeStatsRecord(good)), History(Record(3, 2, {50, 66})));

    auto with = [&](std::size_t offset, int32_t value) {
        Bytes b = good;
        Bytes field;
        ByteWriter(field).I32(value);
        std::copy(field.begin(), field.end(), b.begin() + offset);
        return b;
    };
    const struct {
        const char* name;
        Bytes bytes;
    } bad[] = {
        {"empty", {}},
        {"one byte short", Bytes(good.begin(), good.end() - 1)},
        {"no games", with(0, 0)},
        {"negative games", with(0, -5)},
        {"games at the largest count", with(0, std::numeric_limits<int32_t>::max())},
        {"negative wins", with(4, -1)},
        {"more wins than games", with(4, 4)},
        {"percentage above 100", with(8 + 4 * 49, 101)},
        {"negative percentage", with(8, -1)},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.name);
        EXPECT_FALSE(DecodeStatsRecord(b.bytes).has_value());
    }
}

class StatsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("kestro-stats-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        path = (dir / STATS_FILE_NAME).string();
        game.winner = SIDE_HUMAN;
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
    std::string path;
    Game game;
};

TEST_F(StatsFileTest, MissingShortOrBadFilesStartAfresh) {
    // No file at all, a short one, and one with impossible counts.
    const std::optional<Bytes> starts[] = {std::nullopt, Bytes(100, 7), EncodeStatsRecord(Record(0, 0, {50}))};
    for (const std::optional<Bytes>& start : starts) {
        if (start) {
            ASSERT_TRUE(WriteFileAtomically(path, *start));
        }
        ASSERT_TRUE(UpdateStatsFile(game.history, game.winner, path));
        EXPECT_EQ(game.history.games, 3);
        EXPECT_EQ(game.history.wins, 2);
        EXPECT_EQ(*ReadFileBytes(path, 1000), EncodeStatsRecord(Record(3, 2, {50, 66})));
    }
}

TEST_F(StatsFileTest, ALongerFileIsReadAndRewrittenWhole) {
    Bytes start = EncodeStatsRecord(Record(3, 1, {50, 33}));
    start.resize(300, 0xAB);
    ASSERT_TRUE(WriteFileAtomically(path, start));
    game.winner = 1;
    ASSERT_TRUE(UpdateStatsFile(game.history, game.winner, path));
    EXPECT_EQ(*ReadFileBytes(path, 1000), EncodeStatsRecord(Record(4, 1, {50, 33, 25})));
}

TEST(StatsRecordTest, TheStoredFileReadsBackUnchanged) {
    const Bytes stored = *ReadFileBytes(KESTRO_FIXTURES "/kestro32.scr", 1000);
    const std::optional<StatsRecord> record = DecodeStatsRecord(stored);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->games, 14);
    EXPECT_EQ(record->wins, 8);
    EXPECT_EQ(GraphPercentages(*record).size(), 21u);
    EXPECT_EQ(EncodeStatsRecord(*record), stored);
}
