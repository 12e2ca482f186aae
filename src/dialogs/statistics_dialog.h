// The statistics window shown after every game: the counters of the game just
// ended, the scores, and a graph of the human's winning percentage. Its
// buttons decide whether the program goes on.
#pragma once

#include <QDialog>
#include <QSize>

// Whether the graph part is shown. It starts at 1 and each opening flips it,
// each closing flips it back, so a run's first window opens collapsed and
// every later one opens as the user left the one before.
extern int g_statsExpanded;

class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    // Books the ended game into the statistics file and fills in the numbers.
    explicit StatisticsDialog(QWidget* owner);
    ~StatisticsDialog() override;

    // Shows or hides the graph part, keeping the window where it is.
    void ToggleMore();

protected:
    // The window wears the board's background, read at every paint so that a
    // new colour scheme shows at the next repaint.
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawWinGraph(QPainter& painter) const;
    void ShowNumbers();

    QSize fullSize_;
};

// Shows the window for the game just ended; true when the user chose "Again".
bool ShowStatistics();
