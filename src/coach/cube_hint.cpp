#include "coach/cube_hint.h"

#include <algorithm>

#include "computer/expert_player.h"

namespace {

// The human's three values as the Expert works them out: per unit of the
// stake for money, match-winning chances in a match. The Expert judges a
// double by the side seated as the computer, so the human doubling is
// seated there; the computer's double is judged as it is and turned round.
expert::DoubleValues HumansValues(const Position& p, CubeQuestion question) {
    if (question == CubeQuestion::Double) return ExpertDoubleValues(TurnedRound(p));
    const expert::DoubleValues computer = ExpertDoubleValues(p);
    if (IsMatch(p.match)) return {1 - computer.noDouble, 1 - computer.doubleTake, 1 - computer.doublePass};
    return {-computer.noDouble, -computer.doubleTake, -computer.doublePass};
}

CubeAdvice Advise(const CubeHint& h, bool doublingCounts) {
    // The doubler's opponent takes when taking costs it no more than passing.
    const bool taken = h.doubleTake <= h.doublePass;
    if (h.question == CubeQuestion::Answer) return h.doubleTake >= h.doublePass ? CubeAdvice::Take : CubeAdvice::Pass;
    if (!doublingCounts) return CubeAdvice::NoDouble;
    if (std::min(h.doubleTake, h.doublePass) > h.noDouble)
        return taken ? CubeAdvice::DoubleTake : CubeAdvice::DoublePass;
    return !taken && h.noDouble > h.doublePass ? CubeAdvice::TooGoodToDouble : CubeAdvice::NoDouble;
}

float ValueOf(const CubeHint& h, CubeChoice choice) {
    switch (choice) {
        case CubeChoice::NoDouble:
            return h.noDouble;
        case CubeChoice::Double:
            return std::min(h.doubleTake, h.doublePass);
        case CubeChoice::Take:
            return h.doubleTake;
        case CubeChoice::Pass:
            break;
    }
    return h.doublePass;
}

}  // namespace

CubeHint HumanCubeHint(const Position& p, CubeQuestion question) {
    const expert::DoubleValues v = HumansValues(p, question);
    CubeHint hint;
    hint.question = question;
    hint.noDouble = v.noDouble;
    hint.doubleTake = v.doubleTake;
    hint.doublePass = v.doublePass;
    if (IsMatch(p.match)) {
        // Rescaled as the plays are: a single game at the cube won +1, lost −1.
        const expert::EndValues ends = expert::ValuesOfEnds(MatchView(p.match, SIDE_HUMAN), p.cubeValue);
        const double middle = (ends.value[0] + ends.value[3]) / 2, unit = (ends.value[0] - ends.value[3]) / 2;
        float* figures[3] = {&hint.noDouble, &hint.doubleTake, &hint.doublePass};
        for (int i = 0; i < 3; ++i) {
            hint.matchChances[i] = *figures[i];
            if (unit > 0) *figures[i] = static_cast<float>((*figures[i] - middle) / unit);
        }
    }
    hint.advice = Advise(hint, DoublingCounts(p, SIDE_HUMAN));
    return hint;
}

CubeChoice RightChoice(CubeAdvice advice) {
    switch (advice) {
        case CubeAdvice::DoubleTake:
        case CubeAdvice::DoublePass:
            return CubeChoice::Double;
        case CubeAdvice::Take:
            return CubeChoice::Take;
        case CubeAdvice::Pass:
            return CubeChoice::Pass;
        case CubeAdvice::NoDouble:
        case CubeAdvice::TooGoodToDouble:
            break;
    }
    return CubeChoice::NoDouble;
}

float CubeLoss(const CubeHint& hint, CubeChoice made) {
    return std::max(0.0f, ValueOf(hint, RightChoice(hint.advice)) - ValueOf(hint, made));
}

const char* CubeAdviceText(CubeAdvice advice) {
    constexpr const char* kTexts[] = {"No double",          "Double, take", "Double, pass",
                                      "Too good to double", "Take",         "Pass"};
    return kTexts[static_cast<int>(advice)];
}

const char* CubeChoiceText(CubeChoice choice) {
    constexpr const char* kTexts[] = {"No double", "Double", "Take", "Pass"};
    return kTexts[static_cast<int>(choice)];
}
