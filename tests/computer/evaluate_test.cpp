#include "computer/evaluate.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/game.h"
#include "rules/moves.h"
#include "search_fixture.h"

namespace {
using Moves = std::vector<std::pair<int, int>>;  // (from, die) played by the computer

struct TermCase {
    const char* name;
    Placing checkers;
    Moves moves;
    int (*term)(const Scoring&);
    int expected;
};

int Exposure5(const Scoring& s) { return BlotExposure(s, 5, CountHomeFeatures(s)); }
int Exposure7(const Scoring& s) { return BlotExposure(s, 7, CountHomeFeatures(s)); }
int Exposure10(const Scoring& s) { return BlotExposure(s, 10, CountHomeFeatures(s)); }
int Risk(const Scoring& s) { return BlotRisk(s, CountHomeFeatures(s)); }
int Hits(const Scoring& s) { return HitBonus(s, CountHomeFeatures(s)); }
int Points(const Scoring& s) { return PointBonus(s, CountHomeFeatures(s)); }
int HomePoints(const Scoring& s) { return CountHomeFeatures(s).homePoints; }
int OppHomePoints(const Scoring& s) { return CountHomeFeatures(s).oppHomePoints; }
int HomeBlots(const Scoring& s) { return CountHomeFeatures(s).homeBlots; }
}  // namespace

class EvaluateTest : public SearchTest {
protected:
    // Places the position the turn starts from, plays `moves` on it and
    // evaluates the term against the start.
    int Score(const TermCase& c) {
        Place(c.checkers);
        const Board start = game.position.board;
        for (auto [from, die] : c.moves) {
            EXPECT_TRUE(IsLegalMove(game.position, from, die)) << c.name << " " << from << "/" << die;
            ApplyMove(game.position, from, die);
        }
        return c.term({game.position, start, game.race != 0});
    }
};

TEST_F(EvaluateTest, BlotExposure) {
    const TermCase cases[] = {
        // The two set-ups of the rules: a shooter 7 away, and the empty bar.
        {"blot 10, shooter on 3", {{10, -1}, {24, -2}, {6, -12}, {3, 1}, {19, 14}}, {}, Exposure10, 96},
        {"three shooters on 3 count once", {{10, -1}, {24, -2}, {6, -12}, {3, 3}, {19, 12}}, {}, Exposure10, 96},
        {"blot 5, bar empty", {{5, -1}, {24, -2}, {6, -12}, {19, 15}}, {}, Exposure5, 24},
        {"blot 5, human on the bar", {{5, -1}, {24, -2}, {6, -12}, {0, 1}, {19, 14}}, {}, Exposure5, 120},
        {"blot 7 from the bar, weak home board", {{7, -1}, {24, -2}, {6, -12}, {0, 1}, {19, 14}}, {}, Exposure7, 114},
        {"blot 7 from the bar, three home points",
         {{7, -1}, {24, -2}, {6, -8}, {5, -2}, {4, -2}, {0, 1}, {19, 14}},
         {},
         Exposure7,
         114 / 5},
        {"nothing back, strong human board, two shooters",
         {{10, -1}, {6, -14}, {3, 1}, {4, 1}, {19, 2}, {20, 2}, {21, 2}, {22, 2}, {24, 5}},
         {},
         Exposure10,
         6 * (15 + 1 + 1 + 1) + 6 * (15 + 1 + 0 + 1)},
        {"blots 5 and 8, human on the bar behind four points",
         {{1, -2}, {2, -2}, {3, -2}, {4, -2}, {5, -1}, {8, -1}, {24, -5}, {0, 1}, {19, 14}},
         {},
         Risk,
         120},
        {"blots 5 and 8, bar empty",
         {{1, -2}, {2, -2}, {3, -2}, {4, -2}, {5, -1}, {8, -1}, {24, -5}, {19, 15}},
         {},
         Risk,
         24 + 102 / 5},
    };
    for (const TermCase& c : cases) EXPECT_EQ(Score(c), c.expected) << c.name;
}

TEST_F(EvaluateTest, HomeCounters) {
    const TermCase cases[] = {
        {"gaps up to 6 go on",
         {{2, -2}, {4, -2}, {6, -2}, {7, -2}, {8, -2}, {10, -2}, {24, -3}, {19, 15}},
         {},
         HomePoints,
         5},
        {"the first gap above 6 ends", {{2, -2}, {4, -2}, {6, -2}, {8, -2}, {24, -7}, {19, 15}}, {}, HomePoints, 3},
        {"blots in the home board", {{1, -1}, {3, -1}, {6, -1}, {7, -1}, {24, -11}, {19, 15}}, {}, HomeBlots, 3},
        {"human gaps down to 19 go on", {{24, 2}, {18, 2}, {16, 2}, {12, 9}, {6, -15}}, {}, OppHomePoints, 2},
        {"human run from 24", {{24, 2}, {22, 2}, {19, 2}, {18, 2}, {16, 7}, {6, -15}}, {}, OppHomePoints, 4},
        {"made points", {{2, -2}, {4, -1}, {6, -2}, {13, -10}, {19, 15}}, {}, MadePoints, 3},
    };
    for (const TermCase& c : cases) EXPECT_EQ(Score(c), c.expected) << c.name;
}

TEST_F(EvaluateTest, Gains) {
    const TermCase cases[] = {
        {"hit on 20 and stay", {{21, -1}, {22, -1}, {6, -13}, {20, 1}, {19, 14}}, {{21, 1}}, Hits, 280 * 21},
        // The hitter moves on; the human is behind in the race.
        {"hit on 20 and go on", {{21, -1}, {22, -1}, {6, -13}, {20, 1}, {13, 14}}, {{21, 1}, {20, 3}}, Hits, 280 * 20},
        {"hit on 7 counts with weak boards", {{8, -1}, {6, -14}, {7, 1}, {13, 14}}, {{8, 1}}, Hits, 280 * 7},
        {"hit on 7 does not count against four human points",
         {{8, -1}, {6, -14}, {7, 1}, {24, 2}, {23, 2}, {22, 2}, {21, 2}, {13, 6}},
         {{8, 1}},
         Hits,
         0},
        {"new point on 5 for an old one on 8, human behind",
         {{13, -1}, {8, -2}, {6, -12}, {2, 1}, {19, 14}},
         {{8, 3}, {8, 3}},
         Points,
         50 * (2 - 1)},
        {"the same with two back checkers",
         {{20, -2}, {8, -2}, {6, -11}, {2, 1}, {19, 14}},
         {{8, 3}, {8, 3}},
         Points,
         50 * (4 - 1)},
        {"taking from a stack", {{6, -6}, {8, -4}, {13, -5}, {19, 15}}, {{6, 2}}, UnstackBonus, 1},
        {"adding to a stack", {{6, -6}, {8, -4}, {13, -3}, {24, -2}, {19, 15}}, {{13, 5}}, UnstackBonus, -1},
        {"running a back checker",
         {kStart[0], kStart[1], kStart[2], kStart[3], kStart[4], kStart[5], kStart[6], kStart[7]},
         {{24, 6}},
         EscapeBonus,
         (1 + 40) * 3},
        {"far behind, a back checker stays",
         {{24, -3}, {6, -12}, {19, 5}, {20, 5}, {21, 5}},
         {{24, 6}},
         EscapeBonus,
         -300 * 2},
        {"far behind, but a human checker still back",
         {{24, -3}, {6, -12}, {19, 5}, {20, 5}, {21, 4}, {9, 1}},
         {{24, 6}},
         EscapeBonus,
         (-6 + 40) * 2},
        {"race: two home points filled",
         {{9, -1}, {8, -1}, {6, -3}, {26, -10}, {24, 15}},
         {{9, 4}, {8, 6}},
         HomeFillBonus,
         2},
        {"race: behind and not home", {{18, -5}, {9, -1}, {26, -9}, {24, 15}}, {{9, 4}}, HomeFillBonus, 0},
    };
    for (const TermCase& c : cases) EXPECT_EQ(Score(c), c.expected) << c.name;
}
