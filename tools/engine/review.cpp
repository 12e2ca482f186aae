#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>

#include "coach/game_review.h"
#include "coach/kept_reviews.h"
#include "commands.h"
#include "dice/mevra32.h"
#include "game/game.h"
#include "interchange/kept_games.h"
#include "interchange/match_text.h"
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
    std::printf("game %lld decisions %d errors %d error-rate %.1f luck-human %+.3f luck-computer %+.3f ms %.0f\n",
                number, s.decisions, s.errors, s.errorRate, s.luck[SIDE_HUMAN], s.luck[SIDE_COMPUTER], took * 1000);
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
    long long games = 0, seed = 1, level = 2, human = 3;
    std::vector<IntOption> options = {{"--games", 1, 100000, &games},
                                      {"--seed", INT32_MIN, INT32_MAX, &seed},
                                      {"--level", 0, 3, &level},
                                      {"--human", 0, 3, &human}};
    if (!ParseOptions("review", args, options)) return kUsageError;
    if (!options[0].given) {
        std::cerr << "kestro-engine review: --games N or --kept FILE is required\n";
        return kUsageError;
    }
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
