// The cube hint: the three values of the human's cube decision and the
// right action, as the Expert judges them for its own doubles (its chances
// after its best play of the dice thrown, or before the throw, and a
// live-cube model).
#pragma once

#include "rules/position.h"

enum class CubeQuestion {
    Double,  // the human may double: on roll, before its throw or with its dice thrown
    Answer,  // the computer, on roll, doubles the human: take or pass
};

enum class CubeChoice { NoDouble, Double, Take, Pass };

// The right action as analysis programs name it: for the doubler one of the
// first four, for the side doubled take or pass.
enum class CubeAdvice { NoDouble, DoubleTake, DoublePass, TooGoodToDouble, Take, Pass };

struct CubeHint {
    CubeQuestion question = CubeQuestion::Double;
    // From the human's side, per unit of the stake before the double, in the
    // unit of the plays' equities (ranked_plays.h): the game played on
    // without the double, doubled and taken, doubled and passed.
    float noDouble = 0, doubleTake = 0, doublePass = 0;
    // At a match score the same three as the human's match-winning chances
    // (0..1), the figures the Expert compares; all 0 in money play.
    float matchChances[3] = {0, 0, 0};
    CubeAdvice advice = CubeAdvice::NoDouble;
};

// The position as the decision meets it: for Double the human on roll, its
// dice thrown or none (diceLeft 0); for Answer the computer on roll likewise.
CubeHint HumanCubeHint(const Position& p, CubeQuestion question);

// The choice the advice makes: no double for "too good".
CubeChoice RightChoice(CubeAdvice advice);
// What `made` gives up against the right choice, ≥ 0.
float CubeLoss(const CubeHint& hint, CubeChoice made);

// "No double", "Double, take", "Double, pass", "Too good to double", "Take", "Pass".
const char* CubeAdviceText(CubeAdvice advice);
// "No double", "Double", "Take", "Pass".
const char* CubeChoiceText(CubeChoice choice);
