// The Review window: the kept games to choose from, the chosen game's
// decisions as the Expert judged them with the position of the one selected
// on a small board, the game's summary, and the error rate over the last
// games. It judges first, with a progress window, the games the graph still
// waits for.
#pragma once

#include <QDialog>

#include "coach/game_review.h"

class ErrorRateGraph;
class QComboBox;
class QLabel;
class QStackedWidget;
class QTreeWidget;
class ReviewBoard;
class ReviewSource;
struct Options;

class ReviewWindow : public QDialog {
    Q_OBJECT

public:
    // Opens on the newest game. The small board reads its colours and
    // orientation from `options` while the window is open.
    ReviewWindow(QWidget* owner, ReviewSource& source, const Options& options);

signals:
    // The Help button.
    void HelpRequested();

private:
    void ShowGame(int game);
    void ShowDecision(int row);

    ReviewSource& source_;
    // The review shown: the source's own answer lasts only to its next call.
    GameReview review_;
    QComboBox* games_;
    QStackedWidget* shown_;
    QTreeWidget* list_;
    QLabel* notReviewed_;
    QLabel* summary_;
    ReviewBoard* board_;
    ErrorRateGraph* graph_;
};
