#include "match_equity.h"

#include <algorithm>
#include <array>

namespace expert {
namespace {

// Measured with `kestro-engine selfplay --games 1000 --seed 1 --level 3`
// (the Expert on both sides, cubeless, from the starting position): 268
// games won by a gammon and 5 by a backgammon, so 27.3 % of wins are
// gammons or more and 0.5 % backgammons.
constexpr WinShares kSelfPlayShares = {0.273, 0.005};
// How far the trailer's winning chance has moved from even, on average, by
// its first chance to double after the Crawford game: the mean of |p − 0.5|
// over the Expert's own openings, each of the 15 opening throws played by
// its best play, then, when the trailer opened, each of the leader's 21
// replies; the Expert's 0-ply chance before the trailer's throw. 0.012 when
// the leader opened, 0.038 when the trailer did.
constexpr double kOpeningSpread = 0.025;

constexpr int kMaxCube = 64;

// The live-cube line between two cash points: the side's chance is
// valueLow at winning chance low, valueHigh at high, and straight between.
struct Window {
    double low, valueLow, high, valueHigh;

    double At(double p) const {
        if (p <= low) return valueLow;
        if (p >= high) return valueHigh;
        return valueLow + (valueHigh - valueLow) * (p - low) / (high - low);
    }
};

// Index of a side that needs `away` (1..25) points.
int Index(int away) { return std::min(away, kMaxAway) - 1; }

struct Table {
    // [my away − 1][their away − 1] for normal and Crawford games, and the
    // trailer's chance after the Crawford game by its away.
    std::array<std::array<double, kMaxAway>, kMaxAway> start{};
    std::array<double, kMaxAway> postCrawford{};
};

double ChanceIn(const Table& t, const MatchScoreView& s) {
    if (s.away <= 0) return 1;
    if (s.otherAway <= 0) return 0;
    if (s.stage == MatchStage::PostCrawford) {
        if (s.away == 1 && s.otherAway == 1) return 0.5;
        if (s.otherAway == 1) return t.postCrawford[Index(s.away)];
        return 1 - t.postCrawford[Index(s.otherAway)];
    }
    return t.start[Index(s.away)][Index(s.otherAway)];
}

enum class Owner { Centre, Me, Them };

// One game at one score from one side, with the shares of its own and the
// other side's wins that are gammons and backgammons.
class CubeModel {
public:
    CubeModel(const Table& table, const MatchScoreView& s, const WinShares& mine, const WinShares& theirs)
        : table_(table), s_(s), mine_(mine), theirs_(theirs) {}

    // The side's chance at cube `cube` held as `owner`, the game's winning chance p.
    double Chance(double p, int cube, Owner owner) const { return WindowAt(cube, owner).At(p); }

    double Win(int cube) const { return Ended(true, cube, mine_); }
    double Lose(int cube) const { return Ended(false, cube, theirs_); }

private:
    double After(bool won, int points) const { return ChanceIn(table_, AfterGame(s_, won, points)); }

    double Ended(bool won, int cube, const WinShares& shares) const {
        return (1 - shares.gammon) * After(won, cube) + (shares.gammon - shares.backgammon) * After(won, 2 * cube) +
               shares.backgammon * After(won, 3 * cube);
    }

    // A double helps a side only while a win at the cube does not already
    // win it the match.
    bool MayDouble(int cube, bool me) const {
        return CubeInPlay(s_) && cube < kMaxCube && (me ? s_.away : s_.otherAway) > cube;
    }

    Window WindowAt(int cube, Owner owner) const {
        Window w{0, Lose(cube), 1, Win(cube)};
        if (owner != Owner::Them && MayDouble(cube, true)) {
            // The other side takes while its chance taken is no worse than passed.
            const Window taken = WindowAt(2 * cube, Owner::Them);
            const double passed = After(true, cube);
            if (passed >= taken.valueHigh) {
                w.high = taken.high;
                w.valueHigh = taken.valueHigh;
            } else {
                w.high = Crossing(taken, passed);
                w.valueHigh = passed;
            }
        }
        if (owner != Owner::Me && MayDouble(cube, false)) {
            const Window taken = WindowAt(2 * cube, Owner::Me);
            const double passed = After(false, cube);
            if (passed <= taken.valueLow) {
                w.low = taken.low;
                w.valueLow = taken.valueLow;
            } else {
                w.low = Crossing(taken, passed);
                w.valueLow = passed;
            }
        }
        // Both cash points meet when neither side could hold the cube: the
        // game is over as soon as it starts, whoever is ahead.
        if (w.high <= w.low) w.high = w.low = (w.high + w.low) / 2;
        return w;
    }

    // Where the line reaches `value`, within the window.
    static double Crossing(const Window& w, double value) {
        if (value <= w.valueLow) return w.low;
        if (value >= w.valueHigh) return w.high;
        return w.low + (w.high - w.low) * (value - w.valueLow) / (w.valueHigh - w.valueLow);
    }

    const Table& table_;
    MatchScoreView s_;
    WinShares mine_, theirs_;
};

// The trailer, n away after the Crawford game, doubles at its first turn;
// the leader passes when the game has gone its way far enough that the
// score after a pass is worth more to it (the free drop).
double PostCrawfordChance(int n, const Table& t, const WinShares& shares) {
    if (n == 1) return 0.5;
    const auto trailer = [&](int away) { return away <= 0 ? 1.0 : t.postCrawford[Index(away)]; };
    const double win = (1 - shares.gammon) * trailer(n - 2) + (shares.gammon - shares.backgammon) * trailer(n - 4) +
                       shares.backgammon * trailer(n - 6);
    const double passed = trailer(n - 1);
    double sum = 0;
    for (double p : {0.5 - kOpeningSpread, 0.5 + kOpeningSpread}) sum += std::min(p * win, passed);
    return sum / 2;
}

Table BuildTable() {
    Table t;
    for (int n = 1; n <= kMaxAway; ++n) t.postCrawford[Index(n)] = PostCrawfordChance(n, t, kSelfPlayShares);
    // Every game's results lie at smaller aways, so the table fills in order
    // of the sum of both.
    for (int sum = 2; sum <= 2 * kMaxAway; ++sum)
        for (int a = std::max(1, sum - kMaxAway); a <= std::min(kMaxAway, sum - 1); ++a) {
            const MatchScoreView s{a, sum - a, a == 1 || sum - a == 1 ? MatchStage::Crawford : MatchStage::Normal};
            // The model reads the table only at scores already filled.
            t.start[Index(a)][Index(sum - a)] =
                a == 1 && sum - a == 1
                    ? 0.5
                    : CubeModel(t, s, kSelfPlayShares, kSelfPlayShares).Chance(0.5, 1, Owner::Centre);
        }
    return t;
}

const Table& TheTable() {
    static const Table table = BuildTable();
    return table;
}

}  // namespace

double MatchWinningChance(const MatchScoreView& s) { return ChanceIn(TheTable(), s); }

MatchScoreView AfterGame(const MatchScoreView& s, bool won, int points) {
    MatchScoreView next = s;
    (won ? next.away : next.otherAway) -= points;
    if (s.stage != MatchStage::Normal)
        next.stage = MatchStage::PostCrawford;
    else if (next.away == 1 || next.otherAway == 1)
        next.stage = MatchStage::Crawford;
    return next;
}

bool CubeInPlay(const MatchScoreView& s) {
    return s.stage != MatchStage::Crawford && !(s.away == 1 && s.otherAway == 1);
}

EndValues ValuesOfEnds(const MatchScoreView& s, int cube) {
    EndValues v;
    for (int kind = 1; kind <= 3; ++kind) {
        v.value[kind - 1] = MatchWinningChance(AfterGame(s, true, kind * cube));
        v.value[kind + 2] = MatchWinningChance(AfterGame(s, false, kind * cube));
    }
    return v;
}

double DeadCubeChance(const Outcome& o, const MatchScoreView& s, int cube) {
    const EndValues v = ValuesOfEnds(s, cube);
    const double win = o[kWin], lose = 1.0 - o[kWin];
    return (win - o[kWinGammon]) * v.value[0] + (o[kWinGammon] - o[kWinBackgammon]) * v.value[1] +
           o[kWinBackgammon] * v.value[2] + (lose - o[kLoseGammon]) * v.value[3] +
           (o[kLoseGammon] - o[kLoseBackgammon]) * v.value[4] + o[kLoseBackgammon] * v.value[5];
}

double CubefulChance(const Outcome& o, const MatchScoreView& s, int cube, CubeAccess access) {
    const double dead = DeadCubeChance(o, s, cube);
    if (!CubeInPlay(s)) return dead;
    const double p = std::clamp(static_cast<double>(o[kWin]), 0.0, 1.0);
    const WinShares mine = p > 0 ? WinShares{o[kWinGammon] / p, o[kWinBackgammon] / p} : WinShares{};
    const WinShares theirs = p < 1 ? WinShares{o[kLoseGammon] / (1 - p), o[kLoseBackgammon] / (1 - p)} : WinShares{};
    const Owner owner = access == CubeAccess::Centred ? Owner::Centre
                        : access == CubeAccess::Mine  ? Owner::Me
                                                      : Owner::Them;
    const double live = CubeModel(TheTable(), s, mine, theirs).Chance(p, cube, owner);
    return kCubeLife * live + (1 - kCubeLife) * dead;
}

DoubleValues JudgeMatchDouble(const Outcome& o, const MatchScoreView& s, int cube, CubeAccess now) {
    return {static_cast<float>(CubefulChance(o, s, cube, now)),
            static_cast<float>(CubefulChance(o, s, 2 * cube, CubeAccess::Theirs)),
            static_cast<float>(MatchWinningChance(AfterGame(s, true, cube)))};
}

Stakes MatchStakes(const MatchScoreView& s, int cube) {
    const EndValues v = ValuesOfEnds(s, cube);
    // A single game won is +1, lost −1: half the gap between them is one unit.
    const double unit = (v.value[0] - v.value[3]) / 2;
    if (unit <= 0) return {};
    const auto per = [unit](double gain) { return static_cast<float>(gain / unit); };
    return {per(v.value[1] - v.value[0]), per(v.value[2] - v.value[1]), per(v.value[3] - v.value[4]),
            per(v.value[4] - v.value[5])};
}

}  // namespace expert
