// The Expert's move generator against the game's own rules: from many
// positions met in random games, for every throw, the end positions it lists
// are exactly those of the step sequences the rules accept.
#include "expert/move_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "computer/expert_player.h"
#include "game/game.h"
#include "rules/board_fixture.h"
#include "rules/moves.h"

namespace {

using Ends = std::set<std::vector<uint8_t>>;

std::vector<uint8_t> Key(const expert::Position& p) {
    std::vector<uint8_t> k(p.checkers[0].begin(), p.checkers[0].end());
    k.insert(k.end(), p.checkers[1].begin(), p.checkers[1].end());
    return k;
}

struct RuleEnd {
    int used, firstDie;
    std::vector<uint8_t> key;
};

// Every sequence of steps the rules accept for the computer, dice in this order.
void Walk(::Position& pos, const std::vector<int>& dice, int used, int firstDie, std::vector<RuleEnd>& ends) {
    bool moved = false;
    for (int from = LOC_COMPUTER_BAR; used < static_cast<int>(dice.size()) && from >= 1; --from) {
        if (!IsLegalMove(pos, from, dice[used])) continue;
        moved = true;
        const Board before = pos.board;
        ApplyMove(pos, from, dice[used]);
        Walk(pos, dice, used + 1, used == 0 ? dice[0] : firstDie, ends);
        pos.board = before;
    }
    if (!moved) ends.push_back({used, firstDie, Key(ExpertView(pos.board, SIDE_COMPUTER))});
}

// As many dice as can be played; of a non-double of which only one die can
// be played, the larger when it can.
Ends RuleEnds(::Position& pos, int d1, int d2) {
    std::vector<RuleEnd> ends;
    if (d1 == d2) {
        Walk(pos, {d1, d1, d1, d1}, 0, 0, ends);
    } else {
        Walk(pos, {d1, d2}, 0, 0, ends);
        Walk(pos, {d2, d1}, 0, 0, ends);
    }
    int most = 0;
    bool largerPlays = false;
    for (const RuleEnd& e : ends) most = std::max(most, e.used);
    for (const RuleEnd& e : ends) largerPlays |= e.used == most && e.firstDie == std::max(d1, d2);
    Ends kept;
    for (const RuleEnd& e : ends)
        if (e.used == most && !(d1 != d2 && most == 1 && largerPlays && e.firstDie != std::max(d1, d2)))
            kept.insert(e.key);
    return kept;
}

void Load(::Position& pos, const expert::Position& p) {
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) pos[loc] = {0, IsPoint(loc) ? SIDE_NONE : FixedOwner(loc)};
    for (int i = 0; i <= expert::kBar; ++i) {
        const int mine = i == expert::kBar ? LOC_COMPUTER_BAR : i + 1;
        const int theirs = i == expert::kBar ? LOC_HUMAN_BAR : 24 - i;
        for (auto [loc, side, n] :
             {std::tuple{mine, SIDE_COMPUTER, p.checkers[0][i]}, {theirs, SIDE_HUMAN, p.checkers[1][i]}})
            if (n) {
                pos[loc].count = static_cast<int8_t>(n);
                pos[loc].owner = side;
            }
    }
    pos[LOC_COMPUTER_OFF].count = static_cast<int8_t>(expert::Off(p, 0));
    pos[LOC_HUMAN_OFF].count = static_cast<int8_t>(expert::Off(p, 1));
}

class ExpertMoveGeneratorTest : public BoardTest {};

}  // namespace

TEST_F(ExpertMoveGeneratorTest, ListsExactlyTheEndsTheRulesAllowForEveryThrow) {
    ::Position& pos = BoardTest::game.position;
    pos.sideToMove = SIDE_COMPUTER;
    std::mt19937 random(20261209);
    std::vector<expert::Play> plays;
    int positions = 0, withBar = 0, bearingOff = 0;
    for (int game = 0; game < 6; ++game) {
        expert::Position p = expert::StartingPosition();
        while (expert::Off(p, 1) < expert::kCheckers) {
            Load(pos, p);
            ++positions;
            withBar += p.checkers[0][expert::kBar] > 0;
            bearingOff += expert::Off(p, 0) > 0;
            for (int d1 = 1; d1 <= 6; ++d1)
                for (int d2 = 1; d2 <= 6; ++d2) {
                    expert::GeneratePlays(p, d1, d2, plays);
                    Ends listed;
                    for (const expert::Play& play : plays) listed.insert(Key(play.after));
                    ASSERT_EQ(listed.size(), plays.size()) << "two plays end alike";
                    ASSERT_EQ(listed, RuleEnds(pos, d1, d2)) << "position " << positions << ", " << d1 << "-" << d2;
                }
            const int d1 = 1 + static_cast<int>(random() % 6), d2 = 1 + static_cast<int>(random() % 6);
            expert::GeneratePlays(p, d1, d2, plays);
            p = expert::Swapped(plays[random() % plays.size()].after);
        }
    }
    EXPECT_GT(withBar, 20);
    EXPECT_GT(bearingOff, 20);
}
