// Drawing in whole device pixels on a widget at a fractional device pixel
// ratio. There a line one logical pixel wide covers one or two device pixels
// by where it falls, and an edge at a widget's border can fall outside the
// device pixels Qt lets the widget paint; snapping every edge the way Qt
// clips widgets keeps lines of one width and edges on the widget.
#pragma once

#include <QPainter>
#include <QRect>

// At a whole ratio Qt's own drawing is already even.
bool IsWholeRatio(qreal ratio);

// The thickness, in device pixels, of an even line one logical pixel wide:
// the whole device pixels a logical pixel holds.
int EvenLineWidth(qreal ratio);

// Switches a painter on a widget to device pixels for its lifetime; the
// painter's own state comes back after it.
class DevicePixels {
public:
    explicit DevicePixels(QPainter& painter);
    ~DevicePixels();
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    // The device pixel edge nearest a logical edge of the widget, rounded as
    // Qt rounds a widget's own edges.
    int X(int logical) const;
    int Y(int logical) const;
    QRect Rect(const QRect& logical) const;

private:
    QPainter& painter_;
    QTransform toDevice_;
};
