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

std::string WriteAll(const RunRecord& record) {
    MatchTextWriter writer;
    std::string text = MatchTextWriter::Header();
    for (const RecordedGame& game : record.Games()) text += writer.Game(game);
    return text + "left out " + std::to_string(writer.LeftOut()) + ", doubles " +
           std::to_string(writer.DoublesLeftOut());
}
}  // namespace

// A hit, a dance, a double played on, a double taken, a resignation; then a
// double dropped; a game set up from a position and the game in progress are
// left out. Only the written game's double played on is counted.
TEST(MatchTextTest, GamesAreWrittenTurnByTurnInTwoColumns) {
    RunRecord record;
    record.NewGame(true);
    record.Throw(C, 3, 1);
    record.Step(C, 8, 5, false);
    record.Step(C, 6, 5, false);
    record.Throw(H, 6, 4);
    record.Step(H, 1, 7, false);
    record.Step(H, 12, 16, false);
    record.Step(H, 16, 20, false);
    record.StepTakenBack();
    record.Throw(C, 6, 2);
    record.Step(C, 13, 7, true);
    record.Step(C, 13, 11, false);
    record.Throw(H, 5, 5);
    record.DoublePlayedOn(C);
    record.Throw(C, 4, 3);
    record.Double(C, 2, true);
    record.Step(C, 24, 20, false);
    record.Step(C, 24, 21, false);
    record.Throw(H, 2, 1);
    record.Resign(H, WinKind::Gammon);
    record.Win(C, 4);

    record.NewGame(false);
    record.Throw(H, 6, 5);
    record.DoublePlayedOn(H);
    record.Win(H, 1);

    record.NewGame(true);
    record.Throw(H, 6, 5);
    record.Step(H, 1, 7, false);
    record.Step(H, 7, 12, false);
    record.Throw(C, 2, 1);
    record.Step(C, 13, 11, false);
    record.Step(C, 6, LOC_COMPUTER_OFF, false);
    record.Throw(H, 3, 3);
    record.Double(H, 2, false);
    record.Win(H, 1);

    record.NewGame(true);
    record.Throw(H, 6, 5);

    const std::string expected =
        std::string(" 0 point match\n") +  //
        "\n Game 1\n Computer : 0                  You : 0\n" + Line("  1) ", "31: 8/5 6/5", "64: 24/18 13/9") +
        Line("  2) ", "62: 13/7* 13/11", "55:") + Line("  3) ", "Doubles => 2", "Takes") +
        Line("  4) ", "43: 24/20 24/21", "") +  //
        Line("     ", "Wins 4 points", "") + "\n Game 2\n Computer : 4                  You : 0\n" +
        Line("  1) ", "", "65: 24/18 18/13") + Line("  2) ", "21: 13/11 6/0", "Doubles => 2") +
        Line("  3) ", "Drops", "Wins 1 point") + "left out 2, doubles 1";
    EXPECT_EQ(WriteAll(record), expected);
    record.Clear();
}

// A match names its length and the Crawford rule, and each game stands with
// the score before it as the match kept it.
TEST(MatchTextTest, AMatchIsWrittenWithItsLengthAndScores) {
    RunRecord record;
    const MatchScore scores[] = {{3}, {3, {0, 2, 0}}, {3, {0, 2, 1}, true}};
    for (const MatchScore& score : scores) {
        record.NewGame(true, score);
        record.Resign(C, WinKind::Normal);
        record.Win(H, score.crawfordDone ? 2 : 1);
    }
    MatchTextWriter writer;
    std::string text = MatchTextWriter::Header(3);
    for (const RecordedGame& game : record.Games()) text += writer.Game(game);
    const std::string game = Line("     ", "", "Wins 1 point");
    const std::string expected =
        "; [Crawford \"On\"]\n 3 point match\n\n Game 1\n Computer : 0                  You : 0\n" + game +
        "\n Game 2\n Computer : 2                  You : 0\n" + game +
        "\n Game 3\n Computer : 2                  You : 1\n" + Line("     ", "", "Wins 2 points");
    EXPECT_EQ(text, expected);
}
