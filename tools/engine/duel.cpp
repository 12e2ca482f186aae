#include <cmath>
#include <cstdio>
#include <iostream>
#include <random>

#include "commands.h"
#include "computer/computer_player.h"
#include "duel_game.h"
#include "match_game.h"

namespace {

void PrintSide(const char* name, long long level, const DuelSummary& s, int side) {
    std::printf("%s (level %lld): wins %lld single, %lld gammon, %lld backgammon; %.2f ms per move\n", name, level,
                static_cast<long long>(s.wins[side][0]), static_cast<long long>(s.wins[side][1]),
                static_cast<long long>(s.wins[side][2]), s.moves[side] ? s.nanos[side] / 1e6 / s.moves[side] : 0.0);
}

// Matches in pairs on the same dice with the seats swapped: A's share of
// the matches won, with the 95 % interval from the pair means.
int RunMatchDuel(long long a, long long b, long long matches, long long seed, int length) {
    const ComputerPlayer* players[2] = {&ComputerPlayerFor(static_cast<int>(a)),
                                        &ComputerPlayerFor(static_cast<int>(b))};
    double won = 0, sumSquares = 0;
    long long games = 0;
    const long long pairs = matches / 2;
    for (long long pair = 0; pair < pairs; ++pair) {
        double pairWon = 0;
        for (int swap = 0; swap < 2; ++swap) {
            const ComputerPlayer* seats[2] = {players[swap], players[1 - swap]};
            std::mt19937 random(static_cast<uint32_t>(seed + pair));
            RunRecord record;
            const MatchResult r = PlayMatch(seats, length, random, record);
            if (!r.fault.empty()) {
                std::cerr << "kestro-engine duel: pair " << pair + 1 << ": " << r.fault << "\n";
                return 1;
            }
            pairWon += (r.winnerSeat ^ swap) == 0 ? 1 : 0;
            games += r.games;
        }
        won += pairWon;
        sumSquares += pairWon * pairWon;
    }
    const double mean = won / pairs;
    const double variance = pairs > 1 ? (sumSquares - pairs * mean * mean) / (pairs - 1) : 0;
    std::printf("matches %lld to %d points (%lld pairs on shared dice), %.1f games per match\n", matches, length, pairs,
                static_cast<double>(games) / matches);
    std::printf("A won %.0f: %.3f +/- %.3f (95%%)\n", won, mean / 2, 1.96 * std::sqrt(variance / pairs) / 2);
    return 0;
}

}  // namespace

int RunDuel(const Arguments& args) {
    long long a = 3, b = 2, games = 0, seed = 1, match = 0;
    std::vector<IntOption> options = {{"--a", 0, 3, &a},
                                      {"--b", 0, 3, &b},
                                      {"--games", 2, 100000000, &games},
                                      {"--seed", 0, INT32_MAX, &seed},
                                      {"--match", 1, 25, &match}};
    if (!ParseOptions("duel", args, options)) return kUsageError;
    if (!options[2].given || games % 2 != 0) {
        std::cerr << "kestro-engine duel: --games N is required, an even number (games are played in pairs)\n";
        return kUsageError;
    }
    if (match > 0) return RunMatchDuel(a, b, games, seed, static_cast<int>(match));
    const DuelSummary s = PlayDuel(LevelChooser(static_cast<int>(a)), LevelChooser(static_cast<int>(b)), games / 2,
                                   static_cast<uint64_t>(seed));
    if (!s.fault.empty()) {
        std::cerr << "kestro-engine duel: pair " << s.pairs + 1 << ": " << s.fault << "\n";
        return 1;
    }
    std::printf("games %lld (%lld pairs on shared dice), cubeless\n", games, games / 2);
    std::printf("A points per game %+.3f +/- %.3f (95%%)\n", s.PointsPerGame(), s.Interval());
    PrintSide("A", a, s, 0);
    PrintSide("B", b, s, 1);
    return 0;
}
