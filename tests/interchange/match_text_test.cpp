#include "interchange/match_text.h"

#include <gtest/gtest.h>

#include "rules/position.h"

namespace {
constexpr int C = SIDE_COMPUTER;
constexpr int H = SIDE_HUMAN;

std::string Line(const char* lead, const std::string& left, const std::string& right) {
    std::string padded = left;
    padded.resize(27, ' ');
    return lead + padded + " " + right + "\n";
}

std::string WriteAll() {
    MatchTextWriter writer;
    std::string text = MatchTextWriter::Header();
    for (const RecordedGame& game : RecordedGames()) text += writer.Game(game);
    return text + "left out " + std::to_string(writer.LeftOut()) + ", doubles " +
           std::to_string(writer.DoublesLeftOut());
}
}  // namespace

// A hit, a dance, a double played on, a double taken, a resignation; then a
// double dropped; a game set up from a position and the game in progress are
// left out. Only the written game's double played on is counted.
TEST(MatchTextTest, GamesAreWrittenTurnByTurnInTwoColumns) {
    ClearGameRecord();
    RecordNewGame(true);
    RecordThrow(C, 3, 1);
    RecordStep(C, 8, 5, false);
    RecordStep(C, 6, 5, false);
    RecordThrow(H, 6, 4);
    RecordStep(H, 1, 7, false);
    RecordStep(H, 12, 16, false);
    RecordStep(H, 16, 20, false);
    RecordStepTakenBack();
    RecordThrow(C, 6, 2);
    RecordStep(C, 13, 7, true);
    RecordStep(C, 13, 11, false);
    RecordThrow(H, 5, 5);
    RecordDoublePlayedOn(C);
    RecordThrow(C, 4, 3);
    RecordDouble(C, 2, true);
    RecordStep(C, 24, 20, false);
    RecordStep(C, 24, 21, false);
    RecordThrow(H, 2, 1);
    RecordResign(H, WinKind::Gammon);
    RecordWin(C, 4);

    RecordNewGame(false);
    RecordThrow(H, 6, 5);
    RecordDoublePlayedOn(H);
    RecordWin(H, 1);

    RecordNewGame(true);
    RecordThrow(H, 6, 5);
    RecordStep(H, 1, 7, false);
    RecordStep(H, 7, 12, false);
    RecordThrow(C, 2, 1);
    RecordStep(C, 13, 11, false);
    RecordStep(C, 6, LOC_COMPUTER_OFF, false);
    RecordThrow(H, 3, 3);
    RecordDouble(H, 2, false);
    RecordWin(H, 1);

    RecordNewGame(true);
    RecordThrow(H, 6, 5);

    const std::string expected =
        std::string(" 0 point match\n") +  //
        "\n Game 1\n Computer : 0                  You : 0\n" + Line("  1) ", "31: 8/5 6/5", "64: 24/18 13/9") +
        Line("  2) ", "62: 13/7* 13/11", "55:") + Line("  3) ", "Doubles => 2", "Takes") +
        Line("  4) ", "43: 24/20 24/21", "") +  //
        Line("     ", "Wins 4 points", "") + "\n Game 2\n Computer : 4                  You : 0\n" +
        Line("  1) ", "", "65: 24/18 18/13") + Line("  2) ", "21: 13/11 6/0", "Doubles => 2") +
        Line("  3) ", "Drops", "Wins 1 point") + "left out 2, doubles 1";
    EXPECT_EQ(WriteAll(), expected);
    ClearGameRecord();
}
