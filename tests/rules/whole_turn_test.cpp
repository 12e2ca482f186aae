#include "rules/whole_turn.h"

#include "board_fixture.h"
#include "game/game.h"

using WholeTurnTest = BoardTest;

TEST_F(WholeTurnTest, AStepIsRefusedWhereItLeavesTheTurnFewerDiceThanItCanUse) {
    const struct {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        std::initializer_list<int> dice;
        int from, die, most;
        bool mayPlay;
    } cases[] = {
        // 16 is the last checker outside home and 23 is shut: 16-17 leaves the 6 nothing.
        {"the 1 strands the 6", {{16, 1}, {19, 14}, {23, -2}, {1, -13}}, {6, 1}, 16, 1, 2, false},
        {"the 1 from home", {{16, 1}, {19, 14}, {23, -2}, {1, -13}}, {1, 6}, 19, 1, 2, true},
        // Entered with the 1, the 3 is blocked at 4 and 13; entered with the 3, 10 plays the 1.
        {"entering with the 1", {{0, 1}, {10, 1}, {27, 13}, {4, -2}, {13, -2}, {24, -11}}, {1, 3}, 0, 1, 2, false},
        {"entering with the 3", {{0, 1}, {10, 1}, {27, 13}, {4, -2}, {13, -2}, {24, -11}}, {1, 3}, 0, 3, 2, true},
        {"either but not both", {{15, 1}, {27, 14}, {23, -2}, {1, -13}}, {3, 5}, 15, 3, 1, false},
        {"two of a double", {{5, 1}, {1, 14}, {3, -2}, {11, -13}}, {2, 2, 2, 2}, 5, 2, 2, true},
    };
    for (const auto& c : cases) {
        Place(c.checkers);
        SetDice(c.dice);
        EXPECT_EQ(MostDiceUsable(game.position), c.most) << c.name;
        EXPECT_EQ(HumanMayPlay(game.position, c.from, c.die), c.mayPlay) << c.name;
        for (auto [loc, n] : c.checkers) EXPECT_EQ(game.position[loc].count, std::abs(n)) << c.name << ": unchanged";
    }
}
