// The Review window's progress graph: each game's error rate as a dot and
// the running rate as a line, oldest game on the left, over an axis in
// thousandths of a point per decision.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "coach/progress.h"

class ErrorRateGraph : public QWidget {
    Q_OBJECT

public:
    explicit ErrorRateGraph(QWidget* parent);

    void SetPoints(std::vector<ProgressPoint> points);
    // `chosen` hears the kept game (ProgressPoint::game) of a dot clicked,
    // or of the column of the plot it stands in.
    void OnGameChosen(std::function<void(int)> chosen) { chosen_ = std::move(chosen); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The axis's step, four of which make its top.
    int Step() const;
    QRect Plot(int step) const;
    void DrawLegend(QPainter& painter, int right, int baseline) const;

    std::vector<ProgressPoint> points_;
    std::function<void(int)> chosen_;
};
