#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>

#include "coach/game_review.h"
#include "coach/kept_reviews.h"
#include "commands.h"
#include "computer/computer_player.h"
#include "dice/mevra32.h"
#include "game/game.h"
#include "interchange/kept_games.h"
#include "interchange/match_text.h"
#include "match_game.h"
#include "self_play.h"

namespace {

struct Totals {
    long long games = 0;
    double seconds = 0, slowest = 0;
    // What the game and its review take in the kept files.
    size_t gameBytes = 0, reviewBytes = 0;
};

// Reviews one game and prints its line; adds its time and sizes to the totals.
void ReviewOne(long long number, const RecordedGame& game, Totals& totals) {
    const auto start = std::chrono::steady_clock::now();
    const ReplayedGame replayed = ReplayGame(game);
    const ReviewFigures figures = JudgeGame(replayed);
    const GameReview review = ReviewFromFigures(replayed, figures);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ++totals.games;
    totals.seconds += took;
    totals.slowest = std::max(totals.slowest, took);
    totals.gameBytes += EncodeKeptGames({game}).size() - EncodeKeptGames({}).size();
    totals.reviewBytes += EncodeKeptReviews({{GameKey(game), figures}}).size() - EncodeKeptReviews({}).size();
    if (!review.reviewed) {
        std::printf("game %lld not-reviewed\n", number);
        return;
    }
    const ReviewSummary& s = review.summary;
    const auto cube = std::count_if(review.decisions.begin(), review.decisions.end(),
                                    [](const ReviewedDecision& d) { return d.kind != DecisionKind::Play; });
    std::printf(
        "game %lld decisions %d cube %d errors %d error-rate %.1f luck-human %+.3f luck-computer %+.3f ms %.0f\n",
        number, s.decisions, static_cast<int>(cube), s.errors, s.errorRate, s.luck[SIDE_HUMAN], s.luck[SIDE_COMPUTER],
        took * 1000);
}

void PrintTotals(const Totals& t) {
    if (t.games == 0) return;
    std::printf("reviews %lld, %.0f ms per review on average, %.0f ms at most\n", t.games, t.seconds * 1000 / t.games,
                t.slowest * 1000);
    std::printf("kept bytes per game %.0f, per review %.0f\n", static_cast<double>(t.gameBytes) / t.games,
                static_cast<double>(t.reviewBytes) / t.games);
}

int ReviewKept(const std::string& path) {
    // Read only: a measuring tool never sets a player's file aside.
    const std::optional<Bytes> bytes = ReadFileBytes(path, 64u << 20);
    const std::optional<std::vector<RecordedGame>> games = bytes ? DecodeKeptGames(*bytes) : std::nullopt;
    if (!games) {
        std::cerr << "kestro-engine review: '" << path << "' is not a kept-games file\n";
        return kUsageError;
    }
    Totals totals;
    for (size_t i = 0; i < games->size(); ++i) ReviewOne(static_cast<long long>(i + 1), (*games)[i], totals);
    PrintTotals(totals);
    return 0;
}

// Whole matches with the cube, so that doubles, takes and passes are reviewed too.
int ReviewMatches(long long matches, long long seed, int level, int human, int length) {
    const ComputerPlayer* seats[2] = {&ComputerPlayerFor(level), &AdviserFor(human)};
    std::mt19937 random(static_cast<uint32_t>(seed));
    Totals totals;
    for (long long m = 1; m <= matches; ++m) {
        RunRecord record;
        const MatchResult r = PlayMatch(seats, length, random, record);
        if (!r.fault.empty()) {
            std::cerr << "kestro-engine review: match " << m << ", " << r.fault << "\n";
            return 1;
        }
        for (const RecordedGame& game : record.Games()) ReviewOne(totals.games + 1, game, totals);
    }
    PrintTotals(totals);
    return 0;
}

}  // namespace

int RunReview(const Arguments& given) {
    Arguments args = given;
    const std::optional<std::string> kept = TakeNamedValue(args, "--kept");
    const std::optional<std::string> exportName = TakeNamedValue(args, "--export");
    if (!kept || !exportName) {
        std::cerr << "kestro-engine review: --kept and --export need a file name\n";
        return kUsageError;
    }
    if (!kept->empty()) {
        if (!args.empty()) std::cerr << "kestro-engine review: --kept takes no other option\n";
        return args.empty() ? ReviewKept(*kept) : kUsageError;
    }
    long long games = 0, seed = 1, level = 2, human = 3, match = 0;
    std::vector<IntOption> options = {{"--games", 1, 100000, &games},
                                      {"--seed", INT32_MIN, INT32_MAX, &seed},
                                      {"--level", 0, 3, &level},
                                      {"--human", 0, 3, &human},
                                      {"--match", 1, 25, &match}};
    if (!ParseOptions("review", args, options)) return kUsageError;
    if (!options[0].given || (match > 0 && !exportName->empty())) {
        std::cerr << "kestro-engine review: --games N or --kept FILE is required; --export writes money games only\n";
        return kUsageError;
    }
    if (match > 0)
        return ReviewMatches(games, seed, static_cast<int>(level), static_cast<int>(human), static_cast<int>(match));
    std::ofstream exported;
    if (!exportName->empty()) exported.open(*exportName, std::ios::binary | std::ios::trunc);
    MatchTextWriter writer;
    exported << MatchTextWriter::Header();

    SetSeed(static_cast<int32_t>(seed));
    Game game;
    Totals totals;
    for (long long g = 1; g <= games; ++g) {
        GameRecord record;
        if (!PlaySelfGame(game, static_cast<int>(level), record, {}, static_cast<int>(human))) {
            std::cerr << "kestro-engine review: game " << g << ", " << record.fault << "\n";
            return 1;
        }
        const RecordedGame& played = game.record.Games().back();
        if (exported.is_open()) exported << writer.Game(played);
        ReviewOne(g, played, totals);
    }
    PrintTotals(totals);
    if (exported.is_open() && !exported.flush()) {
        std::cerr << "kestro-engine review: could not write '" << *exportName << "'\n";
        return kUsageError;
    }
    return 0;
}
