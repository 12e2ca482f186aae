#include "coach/cube_hint.h"

#include <gtest/gtest.h>

#include "coach_fixture.h"

// The computer's double, answered by the human, is the same decision as the
// human's double with the seats swapped: the human's three values are the
// doubler's turned round, in money play and at a match score alike, a pass
// gives up the stake, and the advice follows the values.
TEST(CubeHintTest, TheHumansSideOfEitherDouble) {
    Position ahead = HumanOnRoll({{20, 3}, {22, 4}, {24, 4}, {2, -5}, {5, -6}, {7, -4}}, 0, 0);
    Position match = ahead;
    match.match = {7, {0, 4, 2}, false};
    Position thrown = StartWith(6, 5);
    for (const Position& human : {ahead, match, thrown, StartWith(0, 0)}) {
        Position computer = TurnedRound(human);
        const CubeHint doubling = HumanCubeHint(human, CubeQuestion::Double);
        const CubeHint answer = HumanCubeHint(computer, CubeQuestion::Answer);
        EXPECT_NEAR(answer.noDouble, -doubling.noDouble, 1e-4);
        EXPECT_NEAR(answer.doubleTake, -doubling.doubleTake, 1e-4);
        EXPECT_NEAR(doubling.doublePass, 1, 1e-4);
        EXPECT_NEAR(answer.doublePass, -1, 1e-4);

        const bool takes = doubling.doubleTake <= doubling.doublePass;
        EXPECT_EQ(answer.advice, takes ? CubeAdvice::Take : CubeAdvice::Pass);
        const bool doubles = doubling.advice == CubeAdvice::DoubleTake || doubling.advice == CubeAdvice::DoublePass;
        if (doubles) {
            EXPECT_EQ(doubling.advice == CubeAdvice::DoubleTake, takes);
        }
        for (const CubeHint& hint : {doubling, answer}) {
            EXPECT_EQ(CubeLoss(hint, RightChoice(hint.advice)), 0.0f);
            for (CubeChoice c : {CubeChoice::NoDouble, CubeChoice::Double, CubeChoice::Take, CubeChoice::Pass})
                EXPECT_GE(CubeLoss(hint, c), 0.0f);
        }
    }
}
