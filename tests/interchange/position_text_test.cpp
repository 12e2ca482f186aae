#include "interchange/position_text.h"

#include <gtest/gtest.h>

#include <random>

#include "rules/board_fixture.h"

namespace {
class PositionTextTest : public BoardTest {
protected:
    // The starting position, the human on roll with 3-1, the cube in the
    // middle whatever an earlier test left in the live game.
    TextPosition Start() {
        TextPosition p = TextPositionOf(game.position);
        p.cubeValue = 1;
        p.cubeOwner = SIDE_NONE;
        p.side = SIDE_HUMAN;
        p.dice[0] = 3;
        p.dice[1] = 1;
        return p;
    }
};

// A position as a game can reach it: 15 checkers a side spread over the
// points, bars and trays, never both sides on one point.
TextPosition RandomPosition(std::mt19937& rng) {
    const auto roll = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    TextPosition p;
    for (int side : {SIDE_COMPUTER, SIDE_HUMAN}) {
        const int bar = side == SIDE_HUMAN ? LOC_HUMAN_BAR : LOC_COMPUTER_BAR;
        const int tray = side == SIDE_HUMAN ? LOC_HUMAN_OFF : LOC_COMPUTER_OFF;
        // Never all borne off: that game would be over.
        p.table[tray].count = static_cast<int8_t>(roll(CHECKERS_PER_SIDE));
        for (int left = CHECKERS_PER_SIDE - p.table[tray].count; left > 0;) {
            const int where = roll(26);
            const int loc = where == 25 ? bar : where == 0 ? tray : where;
            if (loc == tray || !PlaceCheckers(p, loc, side, 1)) continue;
            --left;
        }
    }
    for (int loc : {LOC_HUMAN_BAR, LOC_COMPUTER_BAR, LOC_COMPUTER_OFF, LOC_HUMAN_OFF})
        p.table[loc].owner = FixedOwner(loc);
    p.side = roll(2) ? SIDE_HUMAN : SIDE_COMPUTER;
    if (roll(3)) {
        p.dice[0] = 1 + roll(6);
        p.dice[1] = 1 + roll(6);
    }
    // Half of them in a match at a score it can reach.
    while (roll(2)) {
        const int length = MATCH_LENGTHS[1 + roll(std::size(MATCH_LENGTHS) - 1)];
        p.match = {length, {0, roll(length), roll(length)}, roll(2) == 1};
        if (IsPlausibleMatchInPlay(p.match)) break;
        p.match = {};
    }
    const int power = ScoreAllowsDoubling(p.match) ? roll(7) : 0;
    p.cubeValue = 1 << power;
    p.cubeOwner = power == 0 ? SIDE_NONE : 1 + roll(2);
    return p;
}

TextPosition Read(std::string_view text) {
    const TextRead read = ReadPositionText(text, Matches::Accepted);
    EXPECT_TRUE(std::holds_alternative<TextPosition>(read)) << text;
    return std::holds_alternative<TextPosition>(read) ? std::get<TextPosition>(read) : TextPosition{};
}
}  // namespace

TEST_F(PositionTextTest, TheStartingPositionReadsAndWritesAsAnalysisProgramsDo) {
    const std::string xgid = "XGID=-b----E-C---eE---c-e----B-:0:0:1:31:0:0:0:0:10";
    const std::string ids = "4HPwATDgc/ABMA:cIkFAAAAAAAE";
    EXPECT_EQ(EncodeXgid(Start()), xgid);
    EXPECT_EQ(EncodeGnuIds(Start()), ids);
    EXPECT_EQ(Read(xgid), Start());
    EXPECT_EQ(Read(ids), Start());
    // The cube limit written as the program's own 64, and a bare position ID.
    EXPECT_EQ(Read("XGID=-b----E-C---eE---c-e----B-:0:0:1:31:0:0:0:0:6"), Start());
    TextPosition bare = Start();
    bare.dice[0] = bare.dice[1] = 0;
    EXPECT_EQ(Read("4HPwATDgc/ABMA"), bare);
    // 3-5 in a match to 7, the Crawford game at 6-2, and after it.
    TextPosition match = Start();
    for (const auto& [score, xgid] : {
             std::pair{MatchScore{7, {0, 5, 3}, false}, xgid.substr(0, 41) + "3:5:0:7:10"},
             std::pair{MatchScore{7, {0, 2, 6}, false}, xgid.substr(0, 41) + "6:2:1:7:10"},
             std::pair{MatchScore{7, {0, 2, 6}, true}, xgid.substr(0, 41) + "6:2:0:7:10"},
         }) {
        match.match = score;
        EXPECT_EQ(EncodeXgid(match), xgid);
        EXPECT_EQ(Read(xgid), match);
    }
}

TEST_F(PositionTextTest, RandomPositionsComeBackFromBothTexts) {
    std::mt19937 rng(26);
    for (int i = 0; i < 2000; ++i) {
        const TextPosition p = RandomPosition(rng);
        ASSERT_EQ(Read(EncodeXgid(p)), p) << EncodeXgid(p);
        ASSERT_EQ(Read(EncodeGnuIds(p)), p) << EncodeGnuIds(p);
    }
}

TEST_F(PositionTextTest, TheFirstPositionLineIsRead) {
    const TextPosition p = Read(
        "Position from the forum:\r\n\n  XGID=-b----E-C---eE---c-e----B-:1:-1:-1:00:2:0:3:0:10  \n"
        "4HPwATDgc/ABMA:cIkFAAAAAAAE\n");
    EXPECT_EQ(p.side, SIDE_COMPUTER);
    EXPECT_FALSE(p.DiceThrown());
    EXPECT_EQ(p.cubeValue, 2);
    EXPECT_EQ(p.cubeOwner, SIDE_COMPUTER);
}

TEST_F(PositionTextTest, BadTextsAreRefusedWithTheirReason) {
    const std::string board = "XGID=-b----E-C---eE---c-e----B-";
    const struct {
        std::string text;
        TextError error;
    } cases[] = {
        {"", TextError::NotFound},
        {"hello\nXGID", TextError::NotFound},
        {"XGID=-b----E-C---eE---c-e----B:0:0:1:31:0:0:0:0:10", TextError::Unreadable},
        {board + ":0:0:1:31:0:0:0:0:10:7", TextError::Unreadable},
        {board + ":0:0:2:31:0:0:0:0:10", TextError::Unreadable},
        {board + ":x:0:1:31:0:0:0:0:10", TextError::Unreadable},
        {"XGID=Bb----E-C---eE---c-e----B-:0:0:1:31:0:0:0:0:10", TextError::Unreadable},
        {"XGID=-b----E-C---eE---c-e----O-:0:0:1:31:0:0:0:0:10", TextError::CheckerCount},
        {"XGID=--------------------------:0:0:1:31:0:0:0:0:10", TextError::GameOver},
        {board + ":7:1:1:31:0:0:0:0:10", TextError::CubeTooHigh},
        {board + ":1:0:1:31:0:0:0:0:10", TextError::CubeHolder},
        {board + ":0:1:1:31:0:0:0:0:10", TextError::CubeHolder},
        {board + ":0:0:1:71:0:0:0:0:10", TextError::Dice},
        {board + ":0:0:1:30:0:0:0:0:10", TextError::Dice},
        {board + ":0:0:1:31:0:0:0:5:10", TextError::MatchPlay},
        {"4HPwATDgc/AB!A:cIkFAAAAAAAE", TextError::Unreadable},
        {"4HPwATDgc/ABMA:cIkFAAAAAAA", TextError::Unreadable},
        {"//////////////:cIkFAAAAAAAE", TextError::CheckerCount},
        {"4HPwATDgc/ABMA:cImlAAAAAAAE", TextError::MatchPlay},
        {"4HPwATDgc/ABMA:YIkFAAAAAAAE", TextError::Unreadable},
        {"/38AAAAAAID/Pw:cIkFAAAAAAAE", TextError::SharedPoint},
        {"4HPwATDgc/ABMA:cIkHAAAAAAAE", TextError::Dice},
        {"4HPwATDgc/ABMA:R4kFAAAAAAAE", TextError::CubeTooHigh},
        {"4HPwATDgc/ABMA:cIoFAAAAAAAE", TextError::GameOver},
        {"AAAAAAAAAAAAAA:cIkFAAAAAAAE", TextError::GameOver},
        {board + ":1:-1:-1:D:2:0:3:0:10", TextError::DoubleOffered},
        {board + ":0:0:1:D:0:0:3:0:10", TextError::DoubleOffered},
        {board + ":2:1:-1:B:0:0:3:0:10", TextError::DoubleOffered},
        {board + ":3:-1:1:R:0:0:3:0:10", TextError::DoubleOffered},
        {"4HPwATDgc/ABMA:cBkAAAAAAAAE", TextError::DoubleOffered},
        {"4HPwATDgc/ABMA:cJkFAAAAAAAE", TextError::DoubleOffered},
        // Matches, where they are accepted: a length not offered, a score
        // past it, a Crawford flag at 5-5 of 7 or 6-6, a doubled cube in the
        // Crawford game.
        {board + ":0:0:1:31:0:0:0:4:10", TextError::MatchScore},
        {board + ":0:0:1:31:7:0:0:7:10", TextError::MatchScore},
        {board + ":0:0:1:31:5:5:1:7:10", TextError::MatchScore},
        {board + ":0:0:1:31:6:6:1:7:10", TextError::MatchScore},
        {board + ":1:1:1:31:6:2:1:7:10", TextError::MatchScore},
        {board + ":0:0:1:31:6:2:2:7:10", TextError::Unreadable},
    };
    for (const auto& c : cases) {
        const bool match = c.error == TextError::MatchScore || c.text.ends_with(":7:10");
        const TextRead read = ReadPositionText(c.text, match ? Matches::Accepted : Matches::Refused);
        ASSERT_TRUE(std::holds_alternative<TextError>(read)) << c.text;
        EXPECT_EQ(std::get<TextError>(read), c.error) << c.text;
    }
}
