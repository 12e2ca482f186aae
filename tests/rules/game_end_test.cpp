#include "rules/game_end.h"

#include "board_fixture.h"
#include "game/game.h"

using GameEndTest = BoardTest;

TEST_F(GameEndTest, WinnerAndKind) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        int winner;
        WinKind kind;
    };
    const Case cases[] = {
        {"normal", {{27, 15}, {26, -3}, {10, -12}}, SIDE_HUMAN, WinKind::Normal},
        {"gammon", {{27, 15}, {10, -15}}, SIDE_HUMAN, WinKind::Gammon},
        {"backgammon from the human's home", {{27, 15}, {20, -1}, {10, -14}}, SIDE_HUMAN, WinKind::Backgammon},
        {"backgammon from the bar, something off",
         {{27, 15}, {25, -1}, {26, -1}, {10, -13}},
         SIDE_HUMAN,
         WinKind::Backgammon},
        {"computer: normal", {{26, -15}, {27, 1}, {10, 14}}, SIDE_COMPUTER, WinKind::Normal},
        {"computer: gammon", {{26, -15}, {10, 15}}, SIDE_COMPUTER, WinKind::Gammon},
        {"computer: backgammon from the bar",
         {{26, -15}, {0, 1}, {27, 1}, {10, 13}},
         SIDE_COMPUTER,
         WinKind::Backgammon},
        {"running", {{26, -14}, {1, -1}, {27, 14}, {24, 1}}, SIDE_NONE, WinKind::Normal},
    };
    for (const Case& c : cases) {
        Place(c.checkers);
        EXPECT_EQ(TrayWinner(game.position.board), c.winner) << c.name;
        if (c.winner != SIDE_NONE) {
            EXPECT_EQ(ClassifyWin(game.position.board), c.kind) << c.name;
        }
    }
}
