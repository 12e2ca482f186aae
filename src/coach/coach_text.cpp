#include "coach/coach_text.h"

#include <cstdio>

#include "coach/cube_hint.h"
#include "coach/error_marks.h"
#include "rules/location.h"

namespace {
std::string Format(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The luck of a side's dice reads like an equity, with the minus of print.
std::string LuckText(float luck) {
    return luck < -0.0005f ? "\xE2\x88\x92" + Format("%.2f", -luck) : Format("+%.2f", luck);
}
}  // namespace

std::string EquityText(float equity) { return Format("%+.3f", equity); }

std::string LossText(float loss) { return loss < 0.0005f ? std::string() : "\xE2\x88\x92" + Format("%.3f", loss); }

ReviewRow ReviewColumnTitles() { return {"Dice", "Your choice", "Best", "Gives up", "Mark"}; }

ReviewRow DecisionRow(const ReviewedDecision& d) {
    const std::string dice = d.die1 > 0 ? std::to_string(d.die1) + "-" + std::to_string(d.die2) : std::string();
    const std::string loss = LossText(d.loss);
    if (d.kind == DecisionKind::Play) return {dice, d.madeText, d.bestText, loss, MarkText(d.mark)};
    return {dice, CubeChoiceText(CubeChoiceOf(d.kind)), CubeAdviceText(d.advice), loss, MarkText(d.mark)};
}

std::string SummaryText(const ReviewSummary& s) {
    std::string text = "Decisions: " + std::to_string(s.decisions) + "    Errors: " + std::to_string(s.errors) +
                       "    Error rate: " + Format("%.1f", s.errorRate);
    text += "\nLuck: you " + LuckText(s.luck[SIDE_HUMAN]) + ", computer " + LuckText(s.luck[SIDE_COMPUTER]);
    if (const std::string band = RatingBand(s); !band.empty()) text += "\nRating: " + band;
    return text;
}

std::string NotReviewedText() { return "This game was not played from the starting position: it has no review."; }
