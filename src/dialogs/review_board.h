// The Review window's small board: the position a decision met, laid out and
// coloured as the main board is, with the play made and the best play drawn
// over it as arrows, and a legend for the two under it.
#pragma once

#include <QWidget>
#include <optional>

#include "coach/game_review.h"
#include "display/geometry.h"

struct Options;

class ReviewBoard : public QWidget {
public:
    // Reads the colours and the orientation from `options` at every paint.
    ReviewBoard(const Options& options, QWidget* parent);

    // The decision's position and plays; none shows an empty board.
    void Show(const ReviewedDecision* decision);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawPoints(QPainter& painter) const;
    void DrawCheckers(QPainter& painter, const Position& p) const;
    void DrawPlay(QPainter& painter, const Position& p, const HumanPlay& play, const QColor& colour,
                  qreal offset) const;
    void DrawLegend(QPainter& painter) const;
    // The drawn board's height, the legend below it.
    int BoardHeight() const;

    const Options& options_;
    BoardGeometry geometry_;
    std::optional<ReviewedDecision> decision_;
};
