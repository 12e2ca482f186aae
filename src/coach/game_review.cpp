#include "coach/game_review.h"

#include <algorithm>
#include <cmath>

#include "coach/dice_luck.h"
#include "coach/ranked_plays.h"

namespace {

float Rounded(float value) { return std::round(value * FIGURE_RESOLUTION) / FIGURE_RESOLUTION; }

DecisionFigures JudgeDecision(const ReplayedDecision& d) {
    DecisionFigures f;
    f.kind = d.kind;
    if (d.kind == DecisionKind::Play) {
        const PlayRanking ranking = RankHumanPlays(d.before, &d.made);
        f.forced = ranking.Forced();
        f.madeWasBest = ranking.made <= 0;
        if (ranking.made > 0) {
            f.loss = ranking.plays[static_cast<size_t>(ranking.made)].loss;
            f.best = ranking.plays.front().play;
        }
    } else {
        const CubeHint hint =
            HumanCubeHint(d.before, d.kind == DecisionKind::Double ? CubeQuestion::Double : CubeQuestion::Answer);
        f.advice = hint.advice;
        f.loss = CubeLoss(hint, CubeChoiceOf(d.kind));
    }
    f.loss = std::min(Rounded(f.loss), MOST_LOSS);
    return f;
}

bool FitsKind(const ReplayedDecision& d, const DecisionFigures& f) {
    if (d.kind != f.kind || (f.forced && f.kind != DecisionKind::Play)) return false;
    if (!(f.loss >= 0 && f.loss <= MOST_LOSS)) return false;
    const bool cube = f.kind != DecisionKind::Play;
    const bool answer = f.kind == DecisionKind::Take || f.kind == DecisionKind::Pass;
    const bool answerAdvice = f.advice == CubeAdvice::Take || f.advice == CubeAdvice::Pass;
    return !cube || answer == answerAdvice;
}

}  // namespace

CubeChoice CubeChoiceOf(DecisionKind kind) {
    return kind == DecisionKind::Double ? CubeChoice::Double
           : kind == DecisionKind::Take ? CubeChoice::Take
           : kind == DecisionKind::Pass ? CubeChoice::Pass
                                        : CubeChoice::NoDouble;
}

ReviewSummary Summarize(const ReviewFigures& figures) {
    ReviewSummary sum;
    for (const DecisionFigures& f : figures.decisions) {
        sum.decisions += f.forced ? 0 : 1;
        sum.errors += MarkFor(f.loss) != Mark::None ? 1 : 0;
        sum.lost += f.loss;
    }
    std::copy(std::begin(figures.luck), std::end(figures.luck), sum.luck);
    sum.errorRate = sum.decisions > 0 ? 1000 * sum.lost / static_cast<float>(sum.decisions) : 0;
    return sum;
}

ReviewFigures JudgeGame(const ReplayedGame& game) {
    ReviewFigures figures;
    for (const ReplayedThrow& t : game.throws) figures.luck[t.before.sideToMove] += ThrowLuck(t);
    for (float& luck : figures.luck) luck = Rounded(std::clamp(luck, -MOST_LUCK, MOST_LUCK));
    for (const ReplayedDecision& d : game.decisions) figures.decisions.push_back(JudgeDecision(d));
    return figures;
}

GameReview ReviewFromFigures(const ReplayedGame& game, const ReviewFigures& figures) {
    if (!game.replayed || game.decisions.size() != figures.decisions.size()) return {};
    GameReview review;
    for (size_t i = 0; i < game.decisions.size(); ++i) {
        const ReplayedDecision& d = game.decisions[i];
        const DecisionFigures& f = figures.decisions[i];
        if (!FitsKind(d, f)) return {};
        ReviewedDecision r;
        r.kind = d.kind;
        r.before = d.before;
        if (d.before.diceLeft > 0) {
            r.die1 = d.before.dice[0];
            r.die2 = d.before.dice[1];
        }
        if (d.kind == DecisionKind::Play) {
            r.made = d.made;
            r.best = f.madeWasBest ? d.made : f.best;
            Position after = d.before;
            if (!PlayOn(after, r.best)) return {};
            r.madeText = PlayText(r.made);
            r.bestText = PlayText(r.best);
        }
        r.advice = f.advice;
        r.forced = f.forced;
        r.loss = f.loss;
        r.mark = MarkFor(f.loss);
        review.decisions.push_back(std::move(r));
    }
    review.summary = Summarize(figures);
    review.reviewed = true;
    return review;
}

GameReview ReviewGame(const RecordedGame& game) {
    const ReplayedGame replayed = ReplayGame(game);
    if (!replayed.replayed) return {};
    return ReviewFromFigures(replayed, JudgeGame(replayed));
}

const char* RatingBand(const ReviewSummary& summary) {
    if (summary.decisions == 0) return "";
    constexpr struct {
        float below;
        const char* band;
    } kBands[] = {{5, "World class"}, {10, "Expert"}, {15, "Advanced"}, {22, "Intermediate"}, {30, "Casual"}};
    for (const auto& b : kBands)
        if (summary.errorRate < b.below) return b.band;
    return "Beginner";
}
