#include "rules/whole_turn.h"

#include "board_fixture.h"

namespace {
using WholeTurnTest = BoardTest;

// The last checker outside home on 16, point 23 shut: the 1 first leaves the 6 nothing.
constexpr std::initializer_list<std::pair<int, int>> kOneOutside = {{16, 1}, {19, 14}, {23, -2}, {1, -13}};
// Entering with the 1 leaves the 3 blocked at 4 and at 13; entering with the 3, 10 plays the 1.
constexpr std::initializer_list<std::pair<int, int>> kOnTheBar = {{0, 1},  {10, 1},  {27, 13},
                                                                  {4, -2}, {13, -2}, {24, -11}};
// The last checker outside the tray on 15, point 23 shut behind both dice.
constexpr std::initializer_list<std::pair<int, int>> kEitherNotBoth = {{15, 1}, {27, 14}, {23, -2}, {1, -13}};
// 5 runs on to 7 and 9 only; 1 is shut in by point 3.
constexpr std::initializer_list<std::pair<int, int>> kTwoOfADouble = {{5, 1}, {1, 14}, {3, -2}, {11, -13}};
}  // namespace

TEST_F(WholeTurnTest, AStepIsRefusedWhereItLeavesTheTurnFewerDiceThanItCanUse) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        std::initializer_list<int> dice;
        int from, die;
        int most;
        bool mayPlay;
    };
    const Case cases[] = {
        {"the 1 first strands the 6", kOneOutside, {6, 1}, 16, 1, 2, false},
        {"the 6 first", kOneOutside, {6, 1}, 16, 6, 2, true},
        {"the 1 from home first", kOneOutside, {1, 6}, 19, 1, 2, true},
        {"entering with the 1 strands the 3", kOnTheBar, {1, 3}, 0, 1, 2, false},
        {"entering with the 3", kOnTheBar, {1, 3}, 0, 3, 2, true},
        {"either but not both: the smaller", kEitherNotBoth, {3, 5}, 15, 3, 1, false},
        {"either but not both: the larger", kEitherNotBoth, {3, 5}, 15, 5, 1, true},
        {"a double of which two play", kTwoOfADouble, {2, 2, 2, 2}, 5, 2, 2, true},
        {"a die not thrown", kOneOutside, {6, 1}, 16, 3, 2, false},
        {"one die left", kOneOutside, {1}, 16, 1, 1, true},
    };
    for (const Case& c : cases) {
        Place(c.checkers);
        SetDice(c.dice);
        EXPECT_EQ(MostDiceUsable(), c.most) << c.name;
        EXPECT_EQ(HumanMayPlay(c.from, c.die), c.mayPlay) << c.name;
        for (auto [loc, n] : c.checkers) EXPECT_EQ(g_board[loc]->count, n < 0 ? -n : n) << c.name << ": unchanged";
    }
}
