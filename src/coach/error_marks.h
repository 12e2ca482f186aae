// How the review and the tutor weigh what a decision gave up: the marks
// every analysis program uses, from what was lost against the best.
#pragma once

enum class Mark { None, Doubtful, Bad, VeryBad };

constexpr float DOUBTFUL_LOSS = 0.04f;
constexpr float BAD_LOSS = 0.08f;
constexpr float VERY_BAD_LOSS = 0.16f;

constexpr Mark MarkFor(float loss) {
    return loss >= VERY_BAD_LOSS   ? Mark::VeryBad
           : loss >= BAD_LOSS      ? Mark::Bad
           : loss >= DOUBTFUL_LOSS ? Mark::Doubtful
                                   : Mark::None;
}

// "doubtful", "bad", "very bad", or "" for none.
const char* MarkText(Mark mark);
