#include "bearoff.h"

#include <algorithm>

namespace expert {
namespace {

constexpr int kMostCheckers = kCheckers;
// The boards of all 15 checkers are the last of the table.
constexpr int kFirstFullBoard = 38760;  // C(20, 6)

// C(n, k) for the ranks of home boards: n up to 20, k up to 6.
constexpr auto kChoose = [] {
    std::array<std::array<int, kHomePoints + 1>, 21> c{};
    for (int n = 0; n < 21; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= std::min(n, kHomePoints); ++k) c[n][k] = c[n - 1][k - 1] + (k < n ? c[n - 1][k] : 0);
    }
    return c;
}();

int CheckersOn(const Home& h) {
    int n = 0;
    for (uint8_t c : h) n += c;
    return n;
}

int Pips(const Home& h) {
    int pips = 0;
    for (int i = 0; i < kHomePoints; ++i) pips += h[i] * (i + 1);
    return pips;
}

// Every home board and the boards one checker moved by each die can leave.
struct Moves {
    std::vector<uint16_t> order;  // fewest pips first: a roll only ever leads
                                  // to boards of fewer pips, so each board
                                  // comes after all the boards it can lead to
    std::vector<uint8_t> checkers;
    std::vector<std::array<uint8_t, 6>> count;                // [board][die - 1]
    std::vector<std::array<uint16_t, 6 * kHomePoints>> next;  // [board][(die - 1) * 6 + i]
};

Moves AllMoves() {
    std::vector<Home> boards;
    boards.reserve(kHomePositions);
    Home h{};
    const auto place = [&](auto&& self, int point, int left) -> void {
        if (point == kHomePoints) {
            boards.push_back(h);
            return;
        }
        for (int n = 0; n <= left; ++n) {
            h[point] = static_cast<uint8_t>(n);
            self(self, point + 1, left - n);
        }
    };
    place(place, 0, kMostCheckers);
    std::stable_sort(boards.begin(), boards.end(), [](const Home& a, const Home& b) { return Pips(a) < Pips(b); });
    Moves m;
    m.checkers.resize(kHomePositions);
    m.count.resize(kHomePositions);
    m.next.resize(kHomePositions);
    for (const Home& board : boards) {
        const int at = HomeIndex(board);
        m.order.push_back(static_cast<uint16_t>(at));
        m.checkers[at] = static_cast<uint8_t>(CheckersOn(board));
        for (int die = 1; die <= 6; ++die) {
            int count = 0;
            for (int i = 0; i < kHomePoints; ++i) {
                if (!board[i]) continue;
                const int to = i - die;
                // Bearing off with a larger die only from the highest checker.
                if (to < -1 && std::any_of(board.begin() + i + 1, board.end(), [](uint8_t c) { return c > 0; }))
                    continue;
                Home next = board;
                --next[i];
                if (to >= 0) ++next[to];
                m.next[at][(die - 1) * kHomePoints + count++] = static_cast<uint16_t>(HomeIndex(next));
            }
            m.count[at][die - 1] = static_cast<uint8_t>(count);
        }
    }
    return m;
}

// The chances of needing each number of rolls to reach `goal` (of the
// number of checkers left) from every board, each roll played to need the
// fewest on average. Doubles are played one checker at a time: best[k][die]
// is the board the best play of k more steps of `die` leaves.
template <typename Goal>
std::vector<uint16_t> RollsToReach(const Moves& m, const Goal& goal) {
    std::vector<float> mean(kHomePositions);
    std::vector<uint16_t> chances(static_cast<size_t>(kHomePositions) * kMaxRolls);
    std::vector<uint16_t> best[4][7];
    for (int k = 1; k < 4; ++k)
        for (int d = 1; d <= 6; ++d) best[k][d].resize(kHomePositions);
    // The board the best play of `die` and then `stepsAfter` steps of `then` leaves.
    const auto play = [&](int board, int die, int then, int stepsAfter) {
        int chosen = -1;
        const uint16_t* next = &m.next[board][(die - 1) * kHomePoints];
        for (int i = 0; i < m.count[board][die - 1]; ++i) {
            const int option = stepsAfter ? best[stepsAfter][then][next[i]] : next[i];
            if (chosen < 0 || mean[option] < mean[chosen]) chosen = option;
        }
        return chosen;
    };
    for (const int at : m.order) {
        uint16_t* row = &chances[static_cast<size_t>(at) * kMaxRolls];
        if (goal(m.checkers[at])) {
            mean[at] = 0;
            row[0] = 65535;
            for (int k = 1; k < 4; ++k)
                for (int d = 1; d <= 6; ++d) best[k][d][at] = static_cast<uint16_t>(at);
            continue;
        }
        for (int k = 1; k < 4; ++k)
            for (int d = 1; d <= 6; ++d) best[k][d][at] = static_cast<uint16_t>(play(at, d, d, k - 1));
        float sum = 0;
        std::array<float, kMaxRolls> mix{};
        for (int d1 = 1; d1 <= 6; ++d1)
            for (int d2 = d1; d2 <= 6; ++d2) {
                int chosen = play(at, d1, d2, d1 == d2 ? 3 : 1);
                if (d1 != d2) {
                    const int other = play(at, d2, d1, 1);
                    if (mean[other] < mean[chosen]) chosen = other;
                }
                const float weight = d1 == d2 ? 1 / 36.0f : 2 / 36.0f;
                sum += weight * mean[chosen];
                const uint16_t* after = &chances[static_cast<size_t>(chosen) * kMaxRolls];
                for (int n = 0; n + 1 < kMaxRolls; ++n) mix[n + 1] += weight * after[n];
                mix[kMaxRolls - 1] += weight * after[kMaxRolls - 1];
            }
        mean[at] = 1 + sum;
        for (int n = 0; n < kMaxRolls; ++n) row[n] = static_cast<uint16_t>(std::min(65535.0f, mix[n] + 0.5f));
    }
    return chances;
}

RollChances Unpack(const std::vector<uint16_t>& table, int at) {
    RollChances r;
    for (int n = 0; n < kMaxRolls; ++n) r[n] = table[static_cast<size_t>(at) * kMaxRolls + n] / 65535.0f;
    return r;
}

Home HomeOf(const Position& p, int side) {
    Home h;
    std::copy_n(p.checkers[side].begin(), kHomePoints, h.begin());
    return h;
}

// The chance that a side needing `first` rolls (its chances by number) is
// done before one needing `second` that throws after it.
float FirstDone(const RollChances& first, const RollChances& second) {
    float later = 1, done = 0;  // later: chance that `second` needs n rolls or more
    for (int n = 0; n < kMaxRolls; ++n) {
        done += first[n] * later;
        later -= second[n];
    }
    return done;
}

}  // namespace

int HomeIndex(const Home& home) {
    // Stars and bars: the six bars after each point's checkers, among 21 places.
    int index = 0, placed = 0;
    for (int k = 0; k < kHomePoints; ++k) {
        placed += home[k];
        index += kChoose[placed + k][k + 1];
    }
    return index;
}

BearoffTable::BearoffTable() {
    const Moves moves = AllMoves();
    finish_ = RollsToReach(moves, [](int checkers) { return checkers == 0; });
    const std::vector<uint16_t> firstOff = RollsToReach(moves, [](int checkers) { return checkers < kCheckers; });
    firstOff_.assign(firstOff.begin() + static_cast<size_t>(kFirstFullBoard) * kMaxRolls, firstOff.end());
}

RollChances BearoffTable::RollsToFinish(const Home& home) const { return Unpack(finish_, HomeIndex(home)); }

RollChances BearoffTable::RollsToFirstOff(const Home& home) const {
    return Unpack(firstOff_, HomeIndex(home) - kFirstFullBoard);
}

const BearoffTable& Bearoff() {
    static const BearoffTable table;
    return table;
}

bool IsBearoffRace(const Position& p) {
    for (const auto& side : p.checkers)
        if (std::any_of(side.begin() + kHomePoints, side.end(), [](uint8_t c) { return c > 0; })) return false;
    return true;
}

Outcome BearoffOutcome(const BearoffTable& table, const Position& p) {
    const Home mine = HomeOf(p, 0), theirs = HomeOf(p, 1);
    const RollChances myRolls = table.RollsToFinish(mine), theirRolls = table.RollsToFinish(theirs);
    Outcome o{};
    o[kWin] = FirstDone(myRolls, theirRolls);
    // A gammon while the loser has not yet borne off the first of its 15.
    if (CheckersOn(theirs) == kCheckers) o[kWinGammon] = FirstDone(myRolls, table.RollsToFirstOff(theirs));
    if (CheckersOn(mine) == kCheckers) {
        // They throw second: they are done first unless we are done by then.
        o[kLoseGammon] = 1 - FirstDone(table.RollsToFirstOff(mine), theirRolls);
    }
    // Rounding in the table must not take a chance outside 0..1.
    for (float& v : o) v = std::clamp(v, 0.0f, 1.0f);
    return o;
}

}  // namespace expert
