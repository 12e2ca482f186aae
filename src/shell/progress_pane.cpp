#include "shell/progress_pane.h"

#include <QPainter>

#include "game/game.h"
#include "platform/canvas.h"
#include "settings/color_scheme.h"

namespace {
// Outlined in black like every rectangle of the board; right and bottom edges are outside.
void DrawPart(QPainter& painter, const Rect& r, COLORREF color) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    painter.setBrush(ToQColor(color));
    painter.drawRect(r.left, r.top, r.Width() - 1, r.Height() - 1);
}
}  // namespace

void ProgressPane::SetBar(const ProgressBar& bar) {
    bar_ = bar;
    repaint();
}

void ProgressPane::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!bar_.shown) return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    DrawPart(painter, bar_.computer, options_.colors[SLOT_COMPUTER_PIECE]);
    DrawPart(painter, bar_.human, options_.colors[SLOT_HUMAN_PIECE]);
}
