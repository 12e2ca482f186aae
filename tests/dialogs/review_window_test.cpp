#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "coach/coach_text.h"
#include "coach/review_source.h"
#include "dialogs/error_rate_graph.h"
#include "shell/game_wnd_fixture.h"

namespace {
ReviewedDecision Play(HumanPlay made, HumanPlay best, float loss) {
    ReviewedDecision d;
    d.before.board = StartingBoard();
    d.die1 = 3;
    d.die2 = 1;
    d.made = made;
    d.best = best;
    d.madeText = PlayText(made);
    d.bestText = PlayText(best);
    d.loss = loss;
    d.mark = MarkFor(loss);
    return d;
}

// The newest game reviewed, with a bad play, a best play and a cube
// decision; the older one set up from a position.
class TwoGames : public ReviewSource {
public:
    TwoGames() {
        const HumanPlay bad{{{{17, 20, false}, {19, 20, false}}}, 2};
        const HumanPlay good{{{{12, 15, false}, {12, 13, false}}}, 2};
        ReviewedDecision cube;
        cube.kind = DecisionKind::Double;
        cube.advice = CubeAdvice::NoDouble;
        cube.loss = 0.02f;  // under a mark
        reviewed.reviewed = true;
        reviewed.decisions = {Play(good, bad, 0.1f), Play(bad, bad, 0), cube};
    }
    int GameCount() const override { return 2; }
    std::string GameTitle(int game) const override { return game == 0 ? "Game 2: you won 1 point" : "Game 1"; }
    const GameReview& Review(int game) override { return game == 0 ? reviewed : notReviewed; }
    int Unjudged() const override { return unjudged; }
    void JudgeNext() override { --unjudged; }
    std::vector<ProgressPoint> Progress() const override { return {{0, 12, 12}, {1, 30, 20}}; }
    void ExportGame(int game) override { exported.push_back(game); }

    GameReview reviewed, notReviewed;
    int unjudged = 2;
    std::vector<int> exported;
};

std::vector<ReviewRow> RowsShown(const QDialog& window) {
    std::vector<ReviewRow> rows;
    const auto* list = window.findChild<QTreeWidget*>();
    for (int row = 0; list->isVisibleTo(&window) && row < list->topLevelItemCount(); ++row) {
        rows.emplace_back();
        for (int column = 0; column < REVIEW_COLUMNS; ++column)
            rows.back()[static_cast<size_t>(column)] = list->topLevelItem(row)->text(column).toStdString();
    }
    return rows;
}

bool NotReviewedShown(const QDialog& window) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window) && label->text().toStdString() == NotReviewedText()) return true;
    return false;
}
}  // namespace

TEST_F(GameWndTest, TheReviewWindowJudgesTheWaitingGamesThenShowsTheChosenGamesDecisions) {
    const std::vector<ReviewRow> reviewed = {
        {"3-1", "L-O L-M", "Q-T S-T",
         "\xE2\x88\x92"
         "0.100",
         "bad"},
        {"3-1", "Q-T S-T", "Q-T S-T", "", ""},
        {"", "Double", "No double",
         "\xE2\x88\x92"
         "0.020",
         ""},
    };
    const struct {
        int game;
        std::vector<ReviewRow> rows;  // none: the game has no review
    } cases[] = {{0, reviewed}, {1, {}}, {0, reviewed}};
    TwoGames source;
    SetModalHook([&](QDialog& window) {
        EXPECT_EQ(window.windowTitle().toStdString(), "Review games");
        EXPECT_EQ(source.Unjudged(), 0);
        auto* games = window.findChild<QComboBox*>();
        EXPECT_EQ(games->count(), 2);
        EXPECT_EQ(games->itemText(0).toStdString(), "Game 2: you won 1 point");
        EXPECT_EQ(games->itemText(1).toStdString(), "Game 1");
        for (const auto& c : cases) {
            games->setCurrentIndex(c.game);
            EXPECT_EQ(RowsShown(window), c.rows) << "game " << c.game;
            EXPECT_EQ(NotReviewedShown(window), c.rows.empty()) << "game " << c.game;
        }
        // The oldest game's dot stands on the graph's left.
        games->setCurrentIndex(0);
        auto* graph = window.findChild<ErrorRateGraph*>();
        QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(graph->width() / 4, graph->height() / 2));
        EXPECT_EQ(games->currentIndex(), 1);
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("&Export...")) button->click();
        return int{QDialog::Rejected};
    });
    wnd->ShowReview(source);
    EXPECT_EQ(source.Unjudged(), 0);
    EXPECT_EQ(source.exported, std::vector<int>{1}) << "the game shown is exported";
}
