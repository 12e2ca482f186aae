// The coach's figures and decisions as the Hint and Review windows show them.
#pragma once

#include <array>
#include <string>

#include "coach/game_review.h"

// An equity with its sign: "+0.123".
std::string EquityText(float equity);
// What a decision gives up, with the minus sign of print: "−0.084"; nothing
// when it gives up nothing.
std::string LossText(float loss);

constexpr int REVIEW_COLUMNS = 5;
using ReviewRow = std::array<std::string, REVIEW_COLUMNS>;
// "Dice", "Your choice", "Best", "Gives up", "Mark".
ReviewRow ReviewColumnTitles();
// A play: its dice ("6-1"), the play made, the best play, what it gave up and
// its mark. A cube decision: its dice when thrown, the choice made ("Double",
// "Take", "Pass") and the right action ("Double, take", ...).
ReviewRow DecisionRow(const ReviewedDecision& decision);
// The game's summary in a few lines: decisions counted, errors, the error
// rate, each side's luck and the rating band.
std::string SummaryText(const ReviewSummary& summary);
// What the window says of a game without a review.
std::string NotReviewedText();
