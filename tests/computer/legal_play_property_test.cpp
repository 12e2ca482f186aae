// Self-play checked against a legal-play generator of the test's own, written
// from the rules of backgammon and sharing no code with the rules it checks:
// every move the search chooses, for either side, must be one the rules allow.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "game/game.h"
#include "search_fixture.h"

namespace {
// A position seen by the side to move, which moves from 25 (its bar) down to
// 0 (off): p[1..24] holds its checkers as positive counts and the other
// side's as negative ones, p[25] its bar.
struct Pos {
    std::array<int, 26> p{};
    int off = 0, oppBar = 0, oppOff = 0;
    auto Key() const { return std::tie(p, off, oppBar, oppOff); }
    bool operator<(const Pos& o) const { return Key() < o.Key(); }
};

bool CanPlay(const Pos& s, int from, int die) {
    if (s.p[from] <= 0 || (s.p[25] > 0 && from != 25)) return false;
    const int to = from - die;
    if (to >= 1) return s.p[to] >= -1;
    for (int q = 7; q <= 25; ++q)
        if (s.p[q] > 0) return false;
    // Overshooting takes a checker off only from the highest point held.
    for (int q = from + 1; to < 0 && q <= 6; ++q)
        if (s.p[q] > 0) return false;
    return true;
}

Pos Play(Pos s, int from, int die) {
    --s.p[from];
    const int to = from - die;
    if (to < 1) {
        ++s.off;
    } else if (s.p[to] == -1) {
        s.p[to] = 1;
        ++s.oppBar;
    } else {
        ++s.p[to];
    }
    return s;
}

Pos Turned(const Pos& s) {
    Pos t;
    for (int q = 1; q <= 24; ++q) t.p[q] = -s.p[25 - q];
    t.p[25] = s.oppBar;
    t.oppBar = s.p[25];
    t.off = s.oppOff;
    t.oppOff = s.off;
    return t;
}

struct End {
    int used, firstDie;
    Pos pos;
};

// Every way of playing the dice in this order, each kept where it stops.
void Walk(const Pos& s, const std::vector<int>& dice, int used, int firstDie, std::vector<End>& ends) {
    bool moved = false;
    for (int from = 25; used < static_cast<int>(dice.size()) && from >= 1; --from) {
        if (!CanPlay(s, from, dice[used])) continue;
        moved = true;
        Walk(Play(s, from, dice[used]), dice, used + 1, used == 0 ? dice[0] : firstDie, ends);
    }
    if (!moved) ends.push_back({used, firstDie, s});
}

// The end positions the rules allow: as many dice as can be played; of a
// non-double of which only one die can be played, the larger when it can be.
struct Allowed {
    int dice = 0;
    std::set<Pos> ends;
    // Either die but not both, and the smaller would end elsewhere than the larger.
    bool largerTells = false;
};

Allowed AllowedPlays(const Pos& s, int d1, int d2) {
    std::vector<End> ends;
    if (d1 == d2) {
        Walk(s, {d1, d1, d1, d1}, 0, 0, ends);
    } else {
        Walk(s, {d1, d2}, 0, 0, ends);
        Walk(s, {d2, d1}, 0, 0, ends);
    }
    Allowed allowed;
    std::set<int> firstDice;
    for (const End& e : ends) allowed.dice = std::max(allowed.dice, e.used);
    for (const End& e : ends)
        if (e.used == allowed.dice) firstDice.insert(e.firstDie);
    const bool eitherNotBoth = d1 != d2 && allowed.dice == 1 && firstDice.size() == 2;
    for (const End& e : ends)
        if (e.used == allowed.dice && (!eitherNotBoth || e.firstDie == std::max(d1, d2))) allowed.ends.insert(e.pos);
    for (const End& e : ends)
        allowed.largerTells = allowed.largerTells || (eitherNotBoth && e.used == 1 && !allowed.ends.count(e.pos));
    return allowed;
}

// Whether some play of two different dice uses both; the cheap test that
// finds the throws worth the whole enumeration.
bool BothPlay(const Pos& s, int a, int b) {
    for (auto [first, then] : {std::pair{a, b}, std::pair{b, a}}) {
        for (int from = 25; from >= 1; --from) {
            if (!CanPlay(s, from, first)) continue;
            const Pos t = Play(s, from, first);
            for (int next = 25; next >= 1; --next)
                if (CanPlay(t, next, then)) return true;
        }
    }
    return false;
}

// The side to move as the computer on the game's board.
void Load(Game& game, const Pos& s) {
    for (int q = 1; q <= 24; ++q) {
        game.position[q].count = static_cast<int8_t>(s.p[q] < 0 ? -s.p[q] : s.p[q]);
        game.position[q].owner = s.p[q] > 0 ? SIDE_COMPUTER : s.p[q] < 0 ? SIDE_HUMAN : SIDE_NONE;
    }
    game.position[LOC_COMPUTER_BAR].count = static_cast<int8_t>(s.p[25]);
    game.position[LOC_HUMAN_BAR].count = static_cast<int8_t>(s.oppBar);
    game.position[LOC_COMPUTER_OFF].count = static_cast<int8_t>(s.off);
    game.position[LOC_HUMAN_OFF].count = static_cast<int8_t>(s.oppOff);
}

Pos Start() {
    Pos s;
    for (auto [loc, n] : kStart) s.p[loc] = -n;
    return s;
}

class SelfPlayLegalityTest : public SearchTest {
protected:
    // Searches `s` for the dice and checks the move chosen against the rules;
    // false after reporting one they do not allow. `end` is the position after it.
    bool MoveIsAllowed(const Pos& s, int d1, int d2, int level, Pos& end) {
        Load(game, s);
        Throw(d1, d2);
        const std::string move = Choose(level);
        const Allowed allowed = AllowedPlays(s, d1, d2);
        tellingThrows += allowed.largerTells;
        end = s;
        for (int i = 0; i < game.position.diceLeft; ++i) {
            if (!CanPlay(end, last_.play.from[i], last_.play.dice[i])) break;
            end = Play(end, last_.play.from[i], last_.play.dice[i]);
        }
        if (game.position.diceLeft == allowed.dice && allowed.ends.count(end)) return true;
        ADD_FAILURE() << "after " << turns << " turns, " << d1 << "-" << d2 << " at level " << level << ": " << move
                      << " is not allowed";
        return false;
    }

    int turns = 0;
    int tellingThrows = 0;
};
}  // namespace

// Every position the games reach is also tried with each throw of two
// different dice that cannot both be played.
TEST_F(SelfPlayLegalityTest, EveryMoveIsOneTheRulesAllow) {
    constexpr int kGames = 300;
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> die(1, 6);
    for (int game = 0; game < kGames; ++game) {
        const int level = game % 3;
        Pos s = Start();
        for (int turn = 1; s.oppOff < CHECKERS_PER_SIDE; ++turn, ++turns) {
            ASSERT_LT(turn, 1000) << "game " << game << " goes round in circles";
            Pos end;
            for (int a = 1; a <= 6; ++a)
                for (int b = 1; b <= 6; ++b)
                    if (a != b && !BothPlay(s, a, b) && !MoveIsAllowed(s, a, b, level, end)) return;
            const int d1 = die(random), d2 = die(random);
            if (!MoveIsAllowed(s, d1, d2, level, end)) return;
            s = Turned(end);
        }
    }
    EXPECT_GT(tellingThrows, 0) << "no throw of which either die but not both could be played, to different ends";
}
