#include "shell/message_list.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFrame>

#include "platform/device_pixels.h"

// At a fractional ratio the style's one-pixel frame lands half on device
// pixels outside the list or under its viewport, and the left, top and bottom
// edges vanish. Drawn as at ratio 1 but on the list's own device pixels, each
// ring one device pixel in from the last, every edge shows at one thickness.
bool MessageList::event(QEvent* event) {
    if (event->type() != QEvent::Paint || IsWholeRatio(devicePixelRatioF())) return QListWidget::event(event);
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    const DevicePixels device(painter);
    const QRect outer = device.Rect(rect());
    for (int ring = 0; ring < EvenLineWidth(devicePixelRatioF()); ++ring) {
        option.rect = outer.adjusted(ring, ring, -ring, -ring);
        style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, this);
    }
    return true;
}
