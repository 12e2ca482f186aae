#include "platform/device_pixels.h"

#include <cmath>

bool IsWholeRatio(qreal ratio) { return ratio == std::floor(ratio); }

int EvenLineWidth(qreal ratio) { return std::max(1, static_cast<int>(std::floor(ratio))); }

DevicePixels::DevicePixels(QPainter& painter) : painter_(painter), toDevice_(painter.deviceTransform()) {
    painter_.save();
    painter_.setWorldTransform(toDevice_.inverted() * painter_.worldTransform());
}

DevicePixels::~DevicePixels() { painter_.restore(); }

int DevicePixels::X(int logical) const {
    return static_cast<int>(std::floor(toDevice_.map(QPointF(logical, 0)).x() + 0.5));
}

int DevicePixels::Y(int logical) const {
    return static_cast<int>(std::floor(toDevice_.map(QPointF(0, logical)).y() + 0.5));
}

QRect DevicePixels::Rect(const QRect& logical) const {
    const int left = X(logical.left()), top = Y(logical.top());
    return QRect(left, top, X(logical.left() + logical.width()) - left, Y(logical.top() + logical.height()) - top);
}
