#include <cstdio>
#include <iostream>

#include "commands.h"
#include "duel_game.h"

namespace {

void PrintSide(const char* name, long long level, const DuelSummary& s, int side) {
    std::printf("%s (level %lld): wins %lld single, %lld gammon, %lld backgammon; %.2f ms per move\n", name, level,
                static_cast<long long>(s.wins[side][0]), static_cast<long long>(s.wins[side][1]),
                static_cast<long long>(s.wins[side][2]), s.moves[side] ? s.nanos[side] / 1e6 / s.moves[side] : 0.0);
}

}  // namespace

int RunDuel(const Arguments& args) {
    long long a = 3, b = 2, games = 0, seed = 1;
    std::vector<IntOption> options = {
        {"--a", 0, 3, &a}, {"--b", 0, 3, &b}, {"--games", 2, 100000000, &games}, {"--seed", 0, INT32_MAX, &seed}};
    if (!ParseOptions("duel", args, options)) return kUsageError;
    if (!options[2].given || games % 2 != 0) {
        std::cerr << "kestro-engine duel: --games N is required, an even number (games are played in pairs)\n";
        return kUsageError;
    }
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
