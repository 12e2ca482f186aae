#include "shell/board_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/virtual_keys.h"
#include "shell/window_handlers.h"

BoardWidget::BoardWidget(QWidget* parent, const WindowHandlers& handlers) : QWidget(parent), handlers_(handlers) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void BoardWidget::CreateCanvas() { canvas_ = std::make_unique<Canvas>(this, width(), height(), devicePixelRatioF()); }

bool BoardWidget::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) FollowScreenLater();
    return QWidget::event(event);
}

void BoardWidget::FollowScreenLater() {
    QMetaObject::invokeMethod(
        this, [this] { FollowScreen(); }, Qt::QueuedConnection);
}

void BoardWidget::FollowScreen() {
    if (!canvas_ || canvas_->Ratio() == devicePixelRatioF()) return;
    canvas_->SetRatio(devicePixelRatioF());
    if (ratioChanged_) ratioChanged_();
}

// The image is laid at the origin, so each of its device pixels lands on one
// of the screen's at any ratio; the painter keeps to the area to be updated.
void BoardWidget::paintEvent(QPaintEvent*) {
    if (!canvas_) return;
    // However the ratio changed, the window is painted again afterwards.
    if (canvas_->Ratio() != devicePixelRatioF()) FollowScreenLater();
    QPainter p(this);
    p.drawImage(QPointF(0, 0), canvas_->Image());
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    const int vk = VirtualKeyOf(event->key());
    if (IsModifierKey(vk)) return;
    handlers_.keyDown(vk, event->isAutoRepeat() ? 2 : 1, 1);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        handlers_.rButtonDown(event->position().toPoint().x(), event->position().toPoint().y());
}

// The game takes no double-clicks: the second click of a pair is a press
// like any other.
void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        handlers_.lButtonUp(event->position().toPoint().x(), event->position().toPoint().y());
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    handlers_.mouseMove(at.x(), at.y());
}
