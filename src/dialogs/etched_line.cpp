#include "dialogs/etched_line.h"

#include <QPainter>

#include "platform/device_pixels.h"

EtchedLine::EtchedLine(Qt::Orientation orientation, QWidget* parent) : QFrame(parent) {
    setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    setFrameShadow(QFrame::Sunken);
}

void EtchedLine::paintEvent(QPaintEvent* event) {
    if (IsWholeRatio(devicePixelRatioF())) QFrame::paintEvent(event);
}

void DrawEtchedLines(QPainter& painter, const QWidget& dialog) {
    if (IsWholeRatio(dialog.devicePixelRatioF())) return;
    const int width = EvenLineWidth(dialog.devicePixelRatioF());
    const DevicePixels device(painter);
    for (const EtchedLine* line : dialog.findChildren<EtchedLine*>()) {
        const QRect g = line->geometry();
        const QRect along = device.Rect(g);
        // The light band starts at the line's middle, as the style draws it.
        QRect dark, light;
        if (line->frameShape() == QFrame::HLine) {
            const int middle = device.Y(g.top() + g.height() / 2);
            dark = QRect(along.left(), middle - width, along.width(), width);
            light = dark.translated(0, width);
        } else {
            const int middle = device.X(g.left() + g.width() / 2);
            dark = QRect(middle - width, along.top(), width, along.height());
            light = dark.translated(width, 0);
        }
        painter.fillRect(dark, line->palette().color(QPalette::Dark));
        painter.fillRect(light, line->palette().color(QPalette::Light));
    }
}
