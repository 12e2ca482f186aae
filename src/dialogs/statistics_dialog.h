// The statistics window shown after every game: the counters of the game just
// ended, the scores, and a graph of the human's winning percentage. Its
// buttons decide whether the program goes on.
#pragma once

#include <QDialog>
#include <QSize>

struct Game;

class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    // Fills in the numbers of the game just ended; the graph part is shown
    // when `expanded`. The window reads `game`'s colours while it is open.
    StatisticsDialog(QWidget* owner, const Game& game, bool expanded);

    // Whether the graph part is shown now; the next window opens as the user
    // left this one.
    bool Expanded() const { return expanded_; }

protected:
    // The window wears the board's background, read at every paint so that a
    // new colour scheme shows at the next repaint.
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawWinGraph(QPainter& painter) const;
    void ShowNumbers();
    // Shows or hides the graph part, keeping the window where it is.
    void ShowGraph(bool shown);

    const Game& game_;
    QSize fullSize_;
    bool expanded_ = false;
};
