#include "cube.h"

#include <algorithm>

namespace expert {
namespace {

// Between two points of the equity line.
float Between(float p, float p0, float e0, float p1, float e1) { return e0 + (e1 - e0) * (p - p0) / (p1 - p0); }

}  // namespace

float CubefulEquity(const Outcome& o, CubeAccess access) {
    const float p = std::clamp(o[kWin], 0.0f, 1.0f);
    // The average worth of a win and of a loss, gammons counted.
    const float win = p > 0 ? (o[kWin] + o[kWinGammon] + o[kWinBackgammon]) / p : 1;
    const float loss = p < 1 ? (1 - o[kWin] + o[kLoseGammon] + o[kLoseBackgammon]) / (1 - p) : 1;
    const float dead = p * win - (1 - p) * loss;
    // With a fully live cube a side takes down to this share and cashes from that one.
    const float takePoint = (loss - 0.5f) / (win + loss + 0.5f);
    const float cashPoint = (loss + 1) / (win + loss + 0.5f);
    float live;
    const bool mayCash = access != CubeAccess::Theirs, mayBeCashed = access != CubeAccess::Mine;
    if (mayBeCashed && p < takePoint)
        live = Between(p, 0, -loss, takePoint, -1);
    else if (mayCash && p > cashPoint)
        live = Between(p, cashPoint, 1, 1, win);
    else
        live = Between(p, mayBeCashed ? takePoint : 0, mayBeCashed ? -1 : -loss, mayCash ? cashPoint : 1,
                       mayCash ? 1 : win);
    return kCubeLife * live + (1 - kCubeLife) * dead;
}

bool DoubleValues::ShouldDouble() const { return std::min(doubleTake, doublePass) > noDouble; }

bool DoubleValues::ShouldTake() const { return doubleTake <= doublePass; }

DoubleValues JudgeDouble(const Outcome& o, CubeAccess now) {
    return {CubefulEquity(o, now), 2 * CubefulEquity(o, CubeAccess::Theirs), 1.0f};
}

}  // namespace expert
