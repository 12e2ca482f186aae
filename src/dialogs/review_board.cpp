#include "dialogs/review_board.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "platform/canvas.h"
#include "rules/location.h"
#include "settings/color_scheme.h"
#include "settings/options.h"

namespace {
// The main board's layout at a unit of 11 pixels, its proportions kept.
constexpr int UNIT = 11;
constexpr WindowSize SMALL_BOARD{36 * UNIT, 36 * UNIT * 7 / 10};
// The points span 27 units; the outlines reach one pixel beyond.
constexpr int BOARD_WIDTH = 27 * UNIT + 1;
constexpr int MARGIN = 4;
// A stack shows seven checkers and its size on the seventh.
constexpr int SHOWN_STACK = 7;

const QColor YOUR_PLAY(200, 0, 0);
const QColor BEST_PLAY(0, 0, 170);

QFont LetterFont() {
    QFont font = BoardFont();
    font.setPixelSize(UNIT * 5 / 6);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QColor SlotColour(const Options& options, ColorSlot slot) { return ToQColor(options.colors[slot]); }

// A line from `from` to `to` ending in a head at `to`.
void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    if (length < 1) return;
    const QPointF along = d / length;
    const QPointF across(-along.y(), along.x());
    const qreal head = UNIT * 0.55;
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to - along * (head / 2));
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to - along * head + across * (head / 2));
    tip.lineTo(to - along * head - across * (head / 2));
    tip.closeSubpath();
    painter.fillPath(tip, colour);
}
}  // namespace

ReviewBoard::ReviewBoard(const Options& options, QWidget* parent)
    : QWidget(parent), options_(options), geometry_(SMALL_BOARD) {
    // The trays lie midway between the tips of the two rows of points.
    geometry_.SetClientSize(BOARD_WIDTH, geometry_.BaseLine() + 2 * UNIT);
    setFixedSize(sizeHint());
}

void ReviewBoard::Show(const ReviewedDecision* decision) {
    decision_.reset();
    if (decision) decision_ = *decision;
    update();
}

int ReviewBoard::BoardHeight() const {
    return geometry_.BaseLine() + UNIT / 2 + QFontMetrics(LetterFont()).height() + UNIT / 2;
}

QSize ReviewBoard::sizeHint() const {
    return {BOARD_WIDTH + 2 * MARGIN, BoardHeight() + MARGIN + fontMetrics().height()};
}

void ReviewBoard::paintEvent(QPaintEvent*) {
    geometry_.SetClockwise(options_.clockWise != 0);
    QPainter painter(this);
    painter.fillRect(0, 0, width(), BoardHeight(), SlotColour(options_, SLOT_BACKGROUND));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(0, 0, width() - 1, BoardHeight() - 1);
    DrawLegend(painter);
    painter.translate(MARGIN, 0);
    DrawPoints(painter);
    if (!decision_) return;
    const Position& before = decision_->before;
    DrawCheckers(painter, before);
    if (decision_->kind != DecisionKind::Play) return;
    // A play that was the best shows once; two different plays sit side by
    // side where their paths share a stretch.
    if (decision_->made == decision_->best) return DrawPlay(painter, before, decision_->best, BEST_PLAY, 0);
    DrawPlay(painter, before, decision_->made, YOUR_PLAY, -UNIT / 6.0);
    DrawPlay(painter, before, decision_->best, BEST_PLAY, UNIT / 6.0);
}

// As the main board draws them: white edges, a black edge on the side away
// from the light, the bar strip raised, and each point's letter.
void ReviewBoard::DrawPoints(QPainter& painter) const {
    const int u = UNIT;
    for (int p = 1; p <= 24; ++p) {
        const LocationGeometry g = geometry_.GeometryOf(p);
        const int x = g.originX;
        const bool top = p <= 12;
        const int base = top ? 2 * u : g.originY;
        const int tip = top ? 10 * u : g.originY - 8 * u;
        painter.setPen(Qt::white);
        painter.setBrush(SlotColour(options_, p % 2 == 1 ? SLOT_POSITION_A : SLOT_POSITION_B));
        painter.drawPolygon(QPolygon({QPoint(x, base), QPoint(x + u, tip), QPoint(x + 2 * u, base)}));
        painter.setPen(Qt::black);
        painter.drawLine(x + 2 * u, base, x + u, tip);
        if (!top) painter.drawLine(x + 2 * u, base, x, base);
    }
    const Rect bar = geometry_.GeometryOf(LOC_HUMAN_BAR).rect;
    painter.fillRect(ToQRect(bar), SlotColour(options_, SLOT_BAR));
    painter.setPen(Qt::white);
    painter.drawLine(bar.left, bar.bottom, bar.left, bar.top);
    painter.drawLine(bar.left, bar.top, bar.right, bar.top);
    painter.setPen(Qt::black);
    painter.drawLine(bar.right, bar.top + 1, bar.right, bar.bottom);
    painter.drawLine(bar.right, bar.bottom, bar.left, bar.bottom);

    painter.setFont(LetterFont());
    for (int p = 1; p <= 24; ++p) {
        const Point at = geometry_.LetterPosition(p);
        painter.drawText(QRect(at.x, at.y, 2 * u, 2 * u), Qt::AlignLeft | Qt::AlignTop,
                         QString(QChar(static_cast<char16_t>(u'A' + p - 1))));
    }
}

void ReviewBoard::DrawCheckers(QPainter& painter, const Position& p) const {
    const int u = UNIT;
    const int shadow = geometry_.ShadowOffset();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int loc = LOC_HUMAN_BAR; loc <= LOC_COMPUTER_BAR; ++loc) {
        const int owner = IsPoint(loc) ? p[loc].owner : FixedOwner(loc);
        const QColor colour = SlotColour(options_, owner == SIDE_COMPUTER ? SLOT_COMPUTER_PIECE : SLOT_HUMAN_PIECE);
        const int count = p[loc].count;
        for (int n = 1; n <= std::min(count, SHOWN_STACK); ++n) {
            const int x = geometry_.CheckerLeft(loc);
            const int y = geometry_.CheckerTop(loc, n);
            painter.setBrush(QColor(64, 64, 64));
            painter.drawEllipse(QRect(x + shadow, y, geometry_.SpriteSize() - shadow, u));
            painter.setBrush(colour);
            painter.drawEllipse(QRect(x, y, u, u));
        }
        if (count > SHOWN_STACK) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(geometry_.CheckerLeft(loc), geometry_.CheckerTop(loc, count), u, u), Qt::AlignCenter,
                             QString::number(count));
            painter.setPen(Qt::NoPen);
        }
    }
    // The trays show how many checkers each side has borne off.
    painter.setPen(Qt::black);
    for (int tray : {LOC_COMPUTER_OFF, LOC_HUMAN_OFF})
        painter.drawText(ToQRect(geometry_.GeometryOf(tray).rect),
                         (geometry_.Clockwise() ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                         QString::number(p[tray].count));
}

// Each step an arrow from the checker it takes to where that checker lands,
// the stacks counted as the steps go; `offset` moves the arrows sideways.
void ReviewBoard::DrawPlay(QPainter& painter, const Position& p, const HumanPlay& play, const QColor& colour,
                           qreal offset) const {
    const qreal half = UNIT / 2.0;
    Board board = p.board;
    const auto centre = [&](int loc) {
        if (loc == LOC_HUMAN_OFF) return QRectF(ToQRect(geometry_.GeometryOf(loc).rect)).center();
        return QPointF(geometry_.CheckerLeft(loc) + half, geometry_.CheckerTop(loc, board[loc].count) + half);
    };
    for (int i = 0; i < play.count; ++i) {
        const PlayStep& step = play.steps[static_cast<size_t>(i)];
        const QPointF from = centre(step.from);
        --board[step.from].count;
        if (step.hit) board[step.to].count = 0;
        ++board[step.to].count;
        const QPointF to = centre(step.to);
        const QPointF d = to - from;
        const qreal length = std::hypot(d.x(), d.y());
        if (length < 1) continue;
        const QPointF across = QPointF(-d.y(), d.x()) * (offset / length);
        // The landing checker is outlined, but for the tray's count; the
        // arrow runs from edge to edge, leaving a stack's count readable.
        painter.setPen(QPen(colour, 1.5));
        painter.setBrush(Qt::NoBrush);
        if (step.to != LOC_HUMAN_OFF) painter.drawEllipse(to, half - 1, half - 1);
        const QPointF edge = d * (half / length);
        DrawArrow(painter, from + across + edge, to + across - edge, colour);
    }
}

void ReviewBoard::DrawLegend(QPainter& painter) const {
    const int y = BoardHeight() + MARGIN + fontMetrics().height() / 2;
    int x = MARGIN;
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [colour, label] :
         {std::pair{YOUR_PLAY, QStringLiteral("Your play")}, std::pair{BEST_PLAY, QStringLiteral("Best play")}}) {
        DrawArrow(painter, QPointF(x, y), QPointF(x + 2 * UNIT, y), colour);
        x += 2 * UNIT + MARGIN;
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect text = fontMetrics().boundingRect(label);
        painter.drawText(QRect(x, BoardHeight() + MARGIN, text.width() + 1, fontMetrics().height()),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
        x += text.width() + 3 * UNIT;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}
