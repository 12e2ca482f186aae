// The Review window's progress graph: each game's error rate as a dot and
// the running rate as a line, oldest game on the left, over an axis in
// thousandths of a point per decision.
#pragma once

#include <QWidget>
#include <vector>

#include "coach/progress.h"

class ErrorRateGraph : public QWidget {
public:
    explicit ErrorRateGraph(QWidget* parent);

    void SetPoints(std::vector<ProgressPoint> points);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawLegend(QPainter& painter, int right, int baseline) const;

    std::vector<ProgressPoint> points_;
};
