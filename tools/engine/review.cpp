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

// Reviews games one by one, prints a line for each and the times at the end,
// and keeps the games with their reviews in a folder when asked, as the game
// keeps them.
class ReviewRun {
public:
    explicit ReviewRun(std::string keepFolder) : folder_(std::move(keepFolder)) {}

    // False when the kept files cannot be written.
    bool Review(const RecordedGame& game) {
        const auto start = std::chrono::steady_clock::now();
        const ReplayedGame replayed = ReplayGame(game);
        const ReviewFigures figures = JudgeGame(replayed);
        const GameReview review = ReviewFromFigures(replayed, figures);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++games_;
        seconds_ += took;
        slowest_ = std::max(slowest_, took);
        gameBytes_ += EncodeKeptGames({game}).size() - EncodeKeptGames({}).size();
        reviewBytes_ += EncodeKeptReviews({{GameKey(game), figures}}).size() - EncodeKeptReviews({}).size();
        PrintLine(review, took);
        if (folder_.empty()) return true;
        const std::string games = folder_ + "/" + KEPT_GAMES_FILE_NAME,
                          reviews = folder_ + "/" + KEPT_REVIEWS_FILE_NAME;
        if (!AppendKeptGame(games, kept_, game)) return false;
        return !review.reviewed || KeepReview(reviews, reviews_, game, figures, kept_);
    }

    void PrintTotals() const {
        if (games_ == 0) return;
        std::printf("reviews %lld, %.0f ms per review on average, %.0f ms at most\n", games_, seconds_ * 1000 / games_,
                    slowest_ * 1000);
        std::printf("kept bytes per game %.0f, per review %.0f\n", static_cast<double>(gameBytes_) / games_,
                    static_cast<double>(reviewBytes_) / games_);
    }

private:
    void PrintLine(const GameReview& review, double took) const {
        if (!review.reviewed) {
            std::printf("game %lld not-reviewed\n", games_);
            return;
        }
        const ReviewSummary& s = review.summary;
        const auto cube = std::count_if(review.decisions.begin(), review.decisions.end(),
                                        [](const ReviewedDecision& d) { return d.kind != DecisionKind::Play; });
        std::printf(
            "game %lld decisions %d cube %d errors %d error-rate %.1f luck-human %+.3f luck-computer %+.3f ms %.0f\n",
            games_, s.decisions, static_cast<int>(cube), s.errors, s.errorRate, s.luck[SIDE_HUMAN],
            s.luck[SIDE_COMPUTER], took * 1000);
    }

    std::string folder_;
    std::vector<RecordedGame> kept_;
    std::vector<KeptReview> reviews_;
    long long games_ = 0;
    double seconds_ = 0, slowest_ = 0;
    size_t gameBytes_ = 0, reviewBytes_ = 0;
};

// Exit status 1 for a game that broke the rules, kUsageError for the rest.
int Failed(const std::string& what, int status = kUsageError) {
    std::cerr << "kestro-engine review: " << what << "\n";
    return status;
}

int ReviewKept(const std::string& path, ReviewRun& run) {
    // Read only: a measuring tool never sets a player's file aside.
    const std::optional<Bytes> bytes = ReadFileBytes(path, 64u << 20);
    const std::optional<std::vector<RecordedGame>> games = bytes ? DecodeKeptGames(*bytes) : std::nullopt;
    if (!games) return Failed("could not read '" + path + "' as a kept-games file");
    for (const RecordedGame& game : *games)
        if (!run.Review(game)) return Failed("could not write the kept files");
    run.PrintTotals();
    return 0;
}

// Whole matches with the cube, so that doubles, takes and passes are reviewed too.
int ReviewMatches(long long matches, long long seed, int level, int human, int length, ReviewRun& run) {
    const ComputerPlayer* seats[2] = {&ComputerPlayerFor(level), &AdviserFor(human)};
    std::mt19937 random(static_cast<uint32_t>(seed));
    for (long long m = 1; m <= matches; ++m) {
        RunRecord record;
        const MatchResult r = PlayMatch(seats, length, random, record);
        if (!r.fault.empty()) return Failed("match " + std::to_string(m) + ", " + r.fault, 1);
        for (const RecordedGame& game : record.Games())
            if (!run.Review(game)) return Failed("could not write the kept files");
    }
    run.PrintTotals();
    return 0;
}

int ReviewSelfPlay(long long games, long long seed, int level, int human, const std::string& exportName,
                   ReviewRun& run) {
    std::ofstream exported;
    if (!exportName.empty()) exported.open(exportName, std::ios::binary | std::ios::trunc);
    MatchTextWriter writer;
    exported << MatchTextWriter::Header();
    SetSeed(static_cast<int32_t>(seed));
    Game game;
    for (long long g = 1; g <= games; ++g) {
        GameRecord record;
        if (!PlaySelfGame(game, level, record, {}, human))
            return Failed("game " + std::to_string(g) + ", " + record.fault, 1);
        const RecordedGame& played = game.record.Games().back();
        if (exported.is_open()) exported << writer.Game(played);
        if (!run.Review(played)) return Failed("could not write the kept files");
    }
    run.PrintTotals();
    if (exported.is_open() && !exported.flush()) return Failed("could not write '" + exportName + "'");
    return 0;
}

}  // namespace

int RunReview(const Arguments& given) {
    Arguments args = given;
    const std::optional<std::string> kept = TakeNamedValue(args, "--kept");
    const std::optional<std::string> exportName = TakeNamedValue(args, "--export");
    const std::optional<std::string> keep = TakeNamedValue(args, "--keep");
    if (!kept || !exportName || !keep) return Failed("--kept, --export and --keep need a name");
    ReviewRun run(*keep);
    if (!kept->empty())
        return args.empty() ? ReviewKept(*kept, run) : Failed("--kept takes no other option but --keep");
    long long games = 0, seed = 1, level = 2, human = 3, match = 0;
    std::vector<IntOption> options = {{"--games", 1, 100000, &games},
                                      {"--seed", INT32_MIN, INT32_MAX, &seed},
                                      {"--level", 0, 3, &level},
                                      {"--human", 0, 3, &human},
                                      {"--match", 1, 25, &match}};
    if (!ParseOptions("review", args, options)) return kUsageError;
    if (!options[0].given) return Failed("--games N or --kept FILE is required");
    if (match > 0 && !exportName->empty()) return Failed("--export writes money games, not matches");
    if (match > 0)
        return ReviewMatches(games, seed, static_cast<int>(level), static_cast<int>(human), static_cast<int>(match),
                             run);
    return ReviewSelfPlay(games, seed, static_cast<int>(level), static_cast<int>(human), *exportName, run);
}
