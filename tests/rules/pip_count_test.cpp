#include "rules/pip_count.h"

#include "game/game.h"
#include "rules/board_fixture.h"
#include "rules/moves.h"

namespace {
using PipCountTest = BoardTest;

TEST_F(PipCountTest, StartingPositionIs167ForEach) {
    EXPECT_EQ(PipCount(game.position.board, SIDE_HUMAN), 167);
    EXPECT_EQ(PipCount(game.position.board, SIDE_COMPUTER), 167);
}

// Each side counts towards its own tray: the human's point p is 25 - p
// away, the computer's p; either bar is 25 for its own side.
TEST_F(PipCountTest, EachSideCountsItsOwnWayWithTheBarAt25) {
    const struct {
        const char* what;
        std::initializer_list<std::pair<int, int>> checkers;
        int human, computer;
    } cases[] = {
        {"one checker each on point 1", {{1, 1}, {24, -1}}, 24, 24},
        {"home points next to the trays", {{24, 3}, {1, -2}}, 3, 2},
        {"both bars, trays count nothing", {{LOC_HUMAN_BAR, 2}, {LOC_COMPUTER_BAR, 1}, {LOC_HUMAN_OFF, 13}}, 50, 25},
        {"all borne off", {{LOC_HUMAN_OFF, 15}, {LOC_COMPUTER_OFF, 15}}, 0, 0},
    };
    for (const auto& c : cases) {
        Place(c.checkers);
        EXPECT_EQ(PipCount(game.position.board, SIDE_HUMAN), c.human) << c.what;
        EXPECT_EQ(PipCount(game.position.board, SIDE_COMPUTER), c.computer) << c.what;
    }
}

TEST_F(PipCountTest, AHitSendsTheBlotBackTo25) {
    Place({{1, 2}, {5, -1}, {6, -4}});
    MoveChecker(game.position, 1, 5);
    EXPECT_EQ(PipCount(game.position.board, SIDE_HUMAN), 24 + 20);
    EXPECT_EQ(PipCount(game.position.board, SIDE_COMPUTER), 25 + 4 * 6);
}

}  // namespace
