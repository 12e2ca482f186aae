#include "dialogs/error_rate_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
constexpr int GRAPH_HEIGHT = 150;
constexpr int GAP = 6;
constexpr qreal DOT_RADIUS = 2.5;
const QColor RUNNING_LINE(0, 90, 200);

// The axis's top: the first of 1, 2, 5, 10, 20, 50... steps that holds
// `most` within four of them.
int AxisStep(float most) {
    for (int scale = 1;; scale *= 10)
        for (int step : {1, 2, 5})
            if (4 * step * scale >= most) return step * scale;
}

QString Caption(int games) {
    const QString what = games == 1 ? QStringLiteral("last game") : QStringLiteral("last %1 games").arg(games);
    return QStringLiteral("Error rate, %1 (thousandths of a point per decision)").arg(what);
}
}  // namespace

ErrorRateGraph::ErrorRateGraph(QWidget* parent) : QWidget(parent) { setFixedHeight(GRAPH_HEIGHT); }

void ErrorRateGraph::SetPoints(std::vector<ProgressPoint> points) {
    points_ = std::move(points);
    update();
}

void ErrorRateGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QColor text = palette().color(QPalette::WindowText);
    if (points_.empty()) {
        painter.setPen(text);
        painter.drawText(rect(), Qt::AlignCenter,
                         QStringLiteral("No game reviewed yet: the graph has nothing to show."));
        return;
    }
    const int games = static_cast<int>(points_.size());
    painter.setPen(text);
    painter.drawText(0, metrics.ascent(), Caption(games));
    DrawLegend(painter, width(), metrics.ascent());

    const int step = Step();
    const int top = 4 * step;
    const QRect plot = Plot(step);
    const int axisWidth = plot.left();
    const auto yOf = [&](float rate) { return plot.bottom() - plot.height() * std::min<qreal>(rate, top) / top; };
    const auto xOf = [&](int i) { return plot.left() + plot.width() * (i + 0.5) / games; };

    painter.fillRect(plot, palette().color(QPalette::Base));
    for (int tick = 0; tick <= top; tick += step) {
        const int y = static_cast<int>(std::lround(yOf(static_cast<float>(tick))));
        painter.setPen(palette().color(QPalette::Midlight));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(text);
        painter.drawText(QRect(0, y - metrics.height() / 2, axisWidth - GAP / 2, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(text);
    for (int i = 0; i < games; ++i)
        painter.drawEllipse(QPointF(xOf(i), yOf(points_[static_cast<size_t>(i)].errorRate)), DOT_RADIUS, DOT_RADIUS);
    QPainterPath running;
    for (int i = 0; i < games; ++i) {
        const QPointF at(xOf(i), yOf(points_[static_cast<size_t>(i)].runningRate));
        if (i == 0)
            running.moveTo(at);
        else
            running.lineTo(at);
    }
    painter.setPen(QPen(RUNNING_LINE, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(running);
}

int ErrorRateGraph::Step() const {
    float most = 0;
    for (const ProgressPoint& p : points_) most = std::max({most, p.errorRate, p.runningRate});
    return AxisStep(most);
}

QRect ErrorRateGraph::Plot(int step) const {
    const QFontMetrics metrics = fontMetrics();
    const int axisWidth = metrics.horizontalAdvance(QString::number(4 * step)) + GAP;
    // Half a line above and below the plot for the axis's outer labels.
    const int half = metrics.height() / 2;
    return {axisWidth, metrics.height() + half + GAP / 2, width() - axisWidth - 1,
            height() - 2 * metrics.height() - GAP / 2 - 1};
}

// Each game owns a column of the plot, so a click need not hit the dot itself.
void ErrorRateGraph::mousePressEvent(QMouseEvent* event) {
    const QRect plot = Plot(Step());
    const QPoint at = event->position().toPoint();
    if (points_.empty() || !chosen_ || !plot.contains(at)) return;
    const auto column = static_cast<size_t>((at.x() - plot.left()) * static_cast<int>(points_.size()) / plot.width());
    chosen_(points_[std::min(column, points_.size() - 1)].game);
}

// At the top right: what the dots and the line stand for.
void ErrorRateGraph::DrawLegend(QPainter& painter, int right, int baseline) const {
    const QFontMetrics metrics = fontMetrics();
    const QString dots = QStringLiteral("each game");
    const QString line = QStringLiteral("last %1 games together").arg(RUNNING_GAMES);
    const int mark = 3 * GAP;
    const int y = baseline - metrics.ascent() / 2 + 1;
    int x = right - metrics.horizontalAdvance(line) - 1;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(x, baseline, line);
    x -= GAP + mark;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(RUNNING_LINE, 2));
    painter.drawLine(x, y, x + mark, y);
    x -= 3 * GAP + metrics.horizontalAdvance(dots);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(x, baseline, dots);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::WindowText));
    painter.drawEllipse(QPointF(x - GAP, y), DOT_RADIUS, DOT_RADIUS);
    painter.restore();
}
