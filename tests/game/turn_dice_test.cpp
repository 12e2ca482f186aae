#include "game/turn_dice.h"

#include "dice/mevra32.h"
#include "rules/board_fixture.h"
using TurnDiceTest = BoardTest;

namespace {
// Finds a seed whose first throw is (or is not) a double.
int SeedFor(bool doubles) {
    for (int seed = 1;; ++seed) {
        SetSeed(seed);
        const int a = GetRandom(6), b = GetRandom(6);
        if ((a == b) == doubles) return seed;
    }
}

int g_chooserCalls = 0;
TwoDice ThreeAndFive(TwoDice, bool) {
    ++g_chooserCalls;
    return {3, 5};
}
}  // namespace

TEST_F(TurnDiceTest, DoublesGiveFourDice) {
    for (bool doubles : {false, true}) {
        const int seed = SeedFor(doubles);
        SetSeed(seed);
        const int first = GetRandom(6) + 1, second = GetRandom(6) + 1;
        SetSeed(seed);
        ThrowTurnDice(game, ThreeAndFive);
        EXPECT_EQ(game.position.dice[0], first);
        EXPECT_EQ(game.position.dice[1], second);
        EXPECT_EQ(game.position.diceLeft, doubles ? 4 : 2);
        EXPECT_EQ(game.position.dice[2], doubles ? first : DICE_END);
        EXPECT_EQ(game.position.dice[3], doubles ? first : DICE_END);
        EXPECT_EQ(game.position.dice[4], DICE_END);
    }
}

TEST_F(TurnDiceTest, ValuesAreDiceAndRaceIsRecomputed) {
    SetSeed(4242);
    Place({{3, -15}, {20, 15}});
    game.race = 0;
    for (int i = 0; i < 500; ++i) {
        ThrowTurnDice(game, ThreeAndFive);
        ASSERT_GE(game.position.dice[0], 1);
        ASSERT_LE(game.position.dice[0], 6);
        ASSERT_GE(game.position.dice[1], 1);
        ASSERT_LE(game.position.dice[1], 6);
    }
    EXPECT_EQ(game.race, 1);
}

TEST_F(TurnDiceTest, ManualDiceReplaceTheThrowUnlessFinishing) {
    g_chooserCalls = 0;
    game.options.manualDice = 0;
    SetSeed(SeedFor(true));
    ThrowTurnDice(game, ThreeAndFive);
    EXPECT_EQ(g_chooserCalls, 0);
    EXPECT_EQ(game.position.diceLeft, 4);  // the option off: the random double stands

    game.options.manualDice = 1;
    SetSeed(SeedFor(true));
    ThrowTurnDice(game, ThreeAndFive);
    EXPECT_EQ(g_chooserCalls, 1);
    EXPECT_EQ(game.position.diceLeft, 2);  // a double replaced by two values plays two dice
    EXPECT_EQ(game.position.dice[1], 5);

    game.finishMode = 1;
    SetSeed(SeedFor(true));
    ThrowTurnDice(game, ThreeAndFive);
    game.finishMode = 0;
    game.options.manualDice = 0;
    EXPECT_EQ(g_chooserCalls, 1);
    EXPECT_EQ(game.position.diceLeft, 4);
}
