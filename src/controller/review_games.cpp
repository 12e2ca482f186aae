#include "controller/review_games.h"

#include <algorithm>
#include <string>
#include <vector>

#include "coach/review_keeper.h"
#include "coach/review_source.h"
#include "controller/export_games.h"
#include "controller/file_failure.h"
#include "controller/game_view.h"
#include "controller/session.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "rules/match_score.h"

namespace {
std::string PointsText(int points) { return std::to_string(points) + (points == 1 ? " point" : " points"); }

// "Game 12: you won 2 points", and in a match ", match to 5 at 1-3" (the
// human's points first, as the title bar shows them).
std::string TitleOf(const RecordedGame& game, int number) {
    std::string title = "Game " + std::to_string(number);
    const auto win = std::find_if(game.events.rbegin(), game.events.rend(),
                                  [](const GameEvent& e) { return e.action == GameAction::Win; });
    if (win != game.events.rend())
        title += (win->side == SIDE_HUMAN ? ": you won " : ": the computer won ") + PointsText(win->a);
    const MatchScore& m = game.scoreBefore;
    if (IsMatch(m))
        title += ", match to " + std::to_string(m.length) + " at " + std::to_string(m.points[SIDE_HUMAN]) + "-" +
                 std::to_string(m.points[SIDE_COMPUTER]);
    return title;
}

class KeptGamesReview : public ReviewSource {
public:
    explicit KeptGamesReview(Session& s) : s_(s), kept_(s.game.keptGames), keeper_(s.reviews) {}

    int GameCount() const override { return static_cast<int>(kept_.size()); }
    std::string GameTitle(int game) const override {
        return TitleOf(Kept(game), static_cast<int>(kept_.size()) - game);
    }

    const GameReview& Review(int game) override {
        FileResult written;
        const RecordedGame& g = Kept(game);
        const ReviewFigures* figures = keeper_.Judged(g, kept_, written);
        written_ = FirstFailure(written_, written);
        shown_ = figures ? ReviewFromFigures(ReplayGame(g), *figures) : GameReview{};
        return shown_;
    }

    int Unjudged() const override { return static_cast<int>(Waiting().size()); }
    void JudgeNext() override {
        const std::vector<int> waiting = Waiting();
        if (waiting.empty()) return;
        FileResult written;
        keeper_.Judged(kept_[static_cast<size_t>(waiting.front())], kept_, written);
        written_ = FirstFailure(written_, written);
    }

    std::vector<ProgressPoint> Progress() const override { return ErrorRateProgress(kept_, keeper_.Kept()); }

    void ExportGame(int game) override { ExportKeptGame(s_, Kept(game)); }

    FileResult Written() const { return written_; }

private:
    const RecordedGame& Kept(int game) const { return kept_[kept_.size() - 1 - static_cast<size_t>(game)]; }

    // The graph's games that could have a review and have none, oldest first.
    std::vector<int> Waiting() const {
        std::vector<int> waiting;
        const int first = std::max(0, static_cast<int>(kept_.size()) - PROGRESS_GAMES);
        for (int i = first; i < static_cast<int>(kept_.size()); ++i) {
            const RecordedGame& g = kept_[static_cast<size_t>(i)];
            if (!keeper_.Find(g) && ReviewKeeper::Reviewable(g)) waiting.push_back(i);
        }
        return waiting;
    }

    Session& s_;
    const std::vector<RecordedGame>& kept_;
    ReviewKeeper& keeper_;
    GameReview shown_;
    FileResult written_;
};
}  // namespace

void OnReviewGames(Session& s) {
    KeptGamesReview source(s);
    s.view.ShowReview(source);
    ShowResultsNotKept(s, {{KEPT_REVIEWS_FILE_NAME, source.Written()}});
}
