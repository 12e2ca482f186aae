#include "platform/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstring>

QColor ToQColor(COLORREF color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

QFont BoardFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

int BoardTextHeight() { return QFontMetrics(BoardFont()).height(); }

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

namespace {
QImage BlankImage(int width, int height, qreal ratio) {
    QImage image(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(height * ratio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    return image;
}

// Above ratio 1 lines are drawn one logical pixel wide through the centres of
// the logical pixels they cross, the continuous form of what an aliased line
// covers at ratio 1; its joins stay inside the corner pixels.
QPen LogicalPen(COLORREF color) { return QPen(ToQColor(color), 1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin); }
}  // namespace

Canvas::Canvas(QWidget* target, int width, int height, qreal ratio)
    : target_(target), width_(width), height_(height), ratio_(ratio), image_(BlankImage(width, height, ratio)) {}

void Canvas::SetRatio(qreal ratio) {
    ratio_ = ratio;
    image_ = BlankImage(width_, height_, ratio);
}

// A device pixel belongs to the logical pixel its centre lies in; the small
// margin keeps an edge that falls exactly on a centre from tipping over by
// a rounding error.
int Canvas::Device(int logical) const { return static_cast<int>(std::ceil(logical * ratio_ - 0.5 - 1e-9)); }

QRect Canvas::DeviceRect(const Rect& r) const {
    const int left = Device(r.left);
    const int top = Device(r.top);
    return QRect(left, top, Device(r.right) - left, Device(r.bottom) - top);
}

void Canvas::FillDevice(QRect r, COLORREF color) {
    r &= image_.rect();
    if (r.isEmpty()) return;
    const QRgb rgb = ToQColor(color).rgb();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + r.left(), line + r.right() + 1, rgb);
    }
}

void Canvas::Clear() { image_.fill(ToQColor(background_)); }

void Canvas::FillRect(const Rect& r, COLORREF color) { FillDevice(DeviceRect(r), color); }

void Canvas::Rectangle(const Rect& r, COLORREF brush) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    FillRect(r, pen_);
    if (r.Width() > 2 && r.Height() > 2) FillRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, brush);
}

void Canvas::Polygon(const std::vector<Point>& corners, COLORREF brush) {
    QPainter p(&image_);
    p.setBrush(ToQColor(brush));
    if (ratio_ == 1) {
        QPolygon poly;
        for (const Point& c : corners) poly << QPoint(c.x, c.y);
        p.setPen(ToQColor(pen_));
        p.drawPolygon(poly);
        return;
    }
    QPolygonF poly;
    for (const Point& c : corners) poly << QPointF(c.x, c.y);
    p.translate(0.5, 0.5);
    p.setPen(LogicalPen(pen_));
    p.drawPolygon(poly);
}

// The end point stays as it was, so that a line drawn on from where another
// ended does not mark their corner twice.
void Canvas::Line(Point from, Point to) {
    if (from.x == to.x && from.y == to.y) return;
    const QRect end = DeviceRect({to.x, to.y, to.x + 1, to.y + 1}) & image_.rect();
    const QImage kept = image_.copy(end);
    {
        QPainter p(&image_);
        if (ratio_ == 1) {
            p.setPen(ToQColor(pen_));
            p.drawLine(from.x, from.y, to.x, to.y);
        } else {
            p.translate(0.5, 0.5);
            p.setPen(LogicalPen(pen_));
            p.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
        }
    }
    // The flat end of a wide line leaves half of its first pixel bare.
    if (ratio_ != 1) FillRect({from.x, from.y, from.x + 1, from.y + 1}, pen_);
    if (!end.isEmpty()) Restore(kept, to.x, to.y);
}

// Row by row rather than through QPainter, whose aliased ellipse leaves the
// box's top row empty: an elliptic region is symmetric and touches all four
// sides of its box. It is filled in device pixels, within those of its box.
void Canvas::FillEllipse(const Rect& logicalBox, COLORREF color) {
    const QRect box = DeviceRect(logicalBox);
    if (box.width() <= 0 || box.height() <= 0) return;
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    const QRgb rgb = ToQColor(color).rgb();
    for (int y = std::max(box.top(), 0); y < std::min(box.top() + box.height(), image_.height()); ++y) {
        const double dy = (y - box.top() + 0.5 - ry) / ry;
        const double half = rx * std::sqrt(1.0 - dy * dy);
        // Pixels whose centres lie within the ellipse on this row.
        const int from = std::max(box.left() + static_cast<int>(std::ceil(rx - half - 0.5)), 0);
        const int to = std::min(box.left() + static_cast<int>(std::floor(rx + half - 0.5)), image_.width() - 1);
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = from; x <= to; ++x) line[x] = rgb;
    }
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics(font_);
    const Rect box{x, y, x + metrics.horizontalAdvance(s), y + metrics.height()};
    FillRect(box, background_);
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(ToQColor(textColor_));
    p.drawText(ToQRect(box), Qt::AlignLeft | Qt::AlignTop, s);
}

int Canvas::TextWidth(const std::string& text) const {
    return QFontMetrics(font_).horizontalAdvance(QString::fromStdString(text));
}

int Canvas::TextHeight() const { return QFontMetrics(font_).height(); }

SavedSquare Canvas::Save(int x, int y, int size) const { return image_.copy(DeviceRect({x, y, x + size, y + size})); }

void Canvas::Restore(const SavedSquare& square, int x, int y) {
    const QRect to = QRect(QPoint(Device(x), Device(y)), square.size()) & image_.rect();
    if (to.isEmpty() || square.format() != image_.format()) return;
    const int fromX = to.left() - Device(x);
    const int fromY = to.top() - Device(y);
    for (int row = 0; row < to.height(); ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(square.constScanLine(fromY + row)) + fromX;
        auto* target = reinterpret_cast<QRgb*>(image_.scanLine(to.top() + row)) + to.left();
        std::memcpy(target, source, static_cast<std::size_t>(to.width()) * sizeof(QRgb));
    }
}

// Above ratio 1 the window system rounds a logical area to device pixels in
// its own way: one logical pixel more on each side covers every changed one.
void Canvas::Present(const Rect& r) {
    if (!target_) return;
    const int margin = ratio_ == 1 ? 0 : 1;
    target_->repaint(ToQRect({r.left - margin, r.top - margin, r.right + margin, r.bottom + margin}));
}

void Canvas::PresentAll() {
    if (target_) target_->repaint();
}
