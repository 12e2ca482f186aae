#include "platform/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

QColor ToQColor(COLORREF color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

QFont BoardFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

namespace {
QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
}  // namespace

Canvas::Canvas(QWidget* target, int width, int height) : target_(target), image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::black);
}

void Canvas::Clear() { image_.fill(ToQColor(background_)); }

void Canvas::FillRect(const Rect& r, COLORREF color) {
    QPainter p(&image_);
    p.fillRect(ToQRect(r), ToQColor(color));
}

void Canvas::Rectangle(const Rect& r, COLORREF brush) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    QPainter p(&image_);
    p.fillRect(ToQRect(r), ToQColor(pen_));
    if (r.Width() > 2 && r.Height() > 2)
        p.fillRect(QRect(r.left + 1, r.top + 1, r.Width() - 2, r.Height() - 2), ToQColor(brush));
}

void Canvas::Polygon(const std::vector<Point>& corners, COLORREF brush) {
    QPolygon poly;
    for (const Point& c : corners) poly << QPoint(c.x, c.y);
    QPainter p(&image_);
    p.setPen(ToQColor(pen_));
    p.setBrush(ToQColor(brush));
    p.drawPolygon(poly);
}

// The end point stays as it was, so that a line drawn on from where another
// ended does not mark their corner twice.
void Canvas::Line(Point from, Point to) {
    if (from.x == to.x && from.y == to.y) return;
    const bool endInside = image_.valid(to.x, to.y);
    const QRgb end = endInside ? image_.pixel(to.x, to.y) : 0;
    {
        QPainter p(&image_);
        p.setPen(ToQColor(pen_));
        p.drawLine(from.x, from.y, to.x, to.y);
    }
    if (endInside) image_.setPixel(to.x, to.y, end);
}

// Row by row rather than through QPainter, whose aliased ellipse leaves the
// box's top row empty: an elliptic region is symmetric and touches all four
// sides of its box.
void Canvas::FillEllipse(const Rect& box, COLORREF color) {
    if (box.Width() <= 0 || box.Height() <= 0) return;
    const double rx = box.Width() / 2.0;
    const double ry = box.Height() / 2.0;
    const QRgb rgb = ToQColor(color).rgb();
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, image_.height()); ++y) {
        const double dy = (y - box.top + 0.5 - ry) / ry;
        const double half = rx * std::sqrt(1.0 - dy * dy);
        // Pixels whose centres lie within the ellipse on this row.
        const int from = std::max(box.left + static_cast<int>(std::ceil(rx - half - 0.5)), 0);
        const int to = std::min(box.left + static_cast<int>(std::floor(rx + half - 0.5)), image_.width() - 1);
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = from; x <= to; ++x) line[x] = rgb;
    }
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics(font_);
    QPainter p(&image_);
    p.setFont(font_);
    const QRect box(x, y, metrics.horizontalAdvance(s), metrics.height());
    p.fillRect(box, ToQColor(background_));
    p.setPen(ToQColor(textColor_));
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, s);
}

int Canvas::TextWidth(const std::string& text) const {
    return QFontMetrics(font_).horizontalAdvance(QString::fromStdString(text));
}

int Canvas::TextHeight() const { return QFontMetrics(font_).height(); }

SavedSquare Canvas::Save(int x, int y, int size) const { return image_.copy(x, y, size, size); }

void Canvas::Restore(const SavedSquare& square, int x, int y) {
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, square);
}

void Canvas::Present(const Rect& r) {
    if (target_) target_->repaint(ToQRect(r));
}

void Canvas::PresentAll() {
    if (target_) target_->repaint();
}
