#include <chrono>
#include <cstdint>
#include <iomanip>
#include <iostream>

#include "commands.h"
#include "dice/mevra32.h"
#include "self_play.h"

int RunSelfplay(const Arguments& args) {
    long long games = 0, seed = 1, level = 2;
    std::vector<IntOption> options = {
        {"--games", 1, 100000000, &games}, {"--seed", INT32_MIN, INT32_MAX, &seed}, {"--level", 0, 3, &level}};
    if (!ParseOptions("selfplay", args, options)) return kUsageError;
    if (!options[0].given) {
        std::cerr << "kestro-engine selfplay: --games N is required\n";
        return kUsageError;
    }

    SetSeed(static_cast<int32_t>(seed));
    int64_t wins[3] = {0, 0, 0}, gammons = 0, backgammons = 0, turns = 0, moves = 0, searches = 0, searchNanos = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long long g = 1; g <= games; ++g) {
        GameRecord record;
        if (!PlaySelfGame(static_cast<int>(level), record)) {
            std::cerr << "kestro-engine selfplay: game " << g << ", " << record.fault << "\n";
            return 1;
        }
        ++wins[record.winner];
        gammons += record.kind == WinKind::Gammon;
        backgammons += record.kind == WinKind::Backgammon;
        turns += record.turns;
        moves += record.moves;
        searches += record.searches;
        searchNanos += record.searchNanos;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::cout << std::fixed << std::setprecision(1) << "games " << games << "\n"
              << "wins computer " << wins[1] << " human " << wins[2] << "\n"
              << "gammons " << gammons << "\n"
              << "backgammons " << backgammons << "\n"
              << "average turns per game " << static_cast<double>(turns) / games << "\n"
              << "moves played " << moves << "\n"
              << "searches per second " << (searchNanos ? searches * 1e9 / searchNanos : 0.0) << "\n"
              << "games per second " << games / seconds << "\n";
    return 0;
}
