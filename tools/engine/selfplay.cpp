#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <optional>
#include <random>

#include "commands.h"
#include "computer/computer_player.h"
#include "dice/mevra32.h"
#include "game/game.h"
#include "interchange/match_text.h"
#include "match_game.h"
#include "self_play.h"

namespace {
int CannotWrite(const std::string& name) {
    std::cerr << "kestro-engine selfplay: could not write '" << name << "': " << std::strerror(errno) << "\n";
    return kUsageError;
}

// The file of match k (from 1): the name given for the first, then the name
// with "-k" before its extension.
std::string MatchFileName(const std::string& name, long long k) {
    if (k == 1) return name;
    const std::size_t dot = name.rfind('.');
    const std::size_t slash = name.rfind('/');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string suffix = "-" + std::to_string(k);
    return hasExtension ? name.substr(0, dot) + suffix + name.substr(dot) : name + suffix;
}

// Whole matches with the cube, the computer at the level against the move
// suggestion's player; each match exported to a file of its own.
int RunSelfplayMatches(long long matches, long long seed, long long level, int length, const std::string& exportName) {
    const ComputerPlayer* seats[2] = {&ComputerPlayerFor(static_cast<int>(level)),
                                      &AdviserFor(static_cast<int>(level))};
    std::mt19937 random(static_cast<uint32_t>(seed));
    int64_t wins[2] = {0, 0}, games = 0;
    for (long long m = 1; m <= matches; ++m) {
        RunRecord record;
        const MatchResult r = PlayMatch(seats, length, random, record);
        if (!r.fault.empty()) {
            std::cerr << "kestro-engine selfplay: match " << m << ", " << r.fault << "\n";
            return 1;
        }
        ++wins[r.winnerSeat];
        games += r.games;
        if (exportName.empty()) continue;
        const std::string name = MatchFileName(exportName, m);
        std::ofstream exported(name, std::ios::binary | std::ios::trunc);
        MatchTextWriter writer;
        exported << MatchTextWriter::Header(length);
        for (const RecordedGame& game : record.Games()) exported << writer.Game(game);
        if (!exported.flush()) return CannotWrite(name);
    }
    std::cout << std::fixed << std::setprecision(1) << "matches " << matches << " to " << length << " points\n"
              << "wins computer " << wins[0] << " human " << wins[1] << "\n"
              << "average games per match " << static_cast<double>(games) / matches << "\n";
    return 0;
}
}  // namespace

int RunSelfplay(const Arguments& given) {
    Arguments args = given;
    const std::optional<std::string> exportName = TakeNamedValue(args, "--export");
    if (!exportName) {
        std::cerr << "kestro-engine selfplay: --export needs a file name\n";
        return kUsageError;
    }
    long long games = 0, seed = 1, level = 2, match = 0;
    std::vector<IntOption> options = {{"--games", 1, 100000000, &games},
                                      {"--seed", INT32_MIN, INT32_MAX, &seed},
                                      {"--level", 0, 3, &level},
                                      {"--match", 1, 25, &match}};
    if (!ParseOptions("selfplay", args, options)) return kUsageError;
    if (match > 0)
        return RunSelfplayMatches(options[0].given ? games : 1, seed, level, static_cast<int>(match), *exportName);
    if (!options[0].given) {
        std::cerr << "kestro-engine selfplay: --games N is required\n";
        return kUsageError;
    }

    std::ofstream exported;
    if (!exportName->empty()) {
        exported.open(*exportName, std::ios::binary | std::ios::trunc);
        if (!exported) return CannotWrite(*exportName);
    }
    MatchTextWriter writer;
    exported << MatchTextWriter::Header();

    SetSeed(static_cast<int32_t>(seed));
    int64_t wins[3] = {0, 0, 0}, gammons = 0, backgammons = 0, turns = 0, moves = 0, searches = 0, searchNanos = 0;
    const auto start = std::chrono::steady_clock::now();
    Game game;
    for (long long g = 1; g <= games; ++g) {
        GameRecord record;
        if (!PlaySelfGame(game, static_cast<int>(level), record)) {
            std::cerr << "kestro-engine selfplay: game " << g << ", " << record.fault << "\n";
            return 1;
        }
        if (exported.is_open()) exported << writer.Game(game.record.Games().back());
        ++wins[record.winner];
        gammons += record.kind == WinKind::Gammon;
        backgammons += record.kind == WinKind::Backgammon;
        turns += record.turns;
        moves += record.moves;
        searches += record.searches;
        searchNanos += record.searchNanos;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (exported.is_open() && !exported.flush()) return CannotWrite(*exportName);

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
