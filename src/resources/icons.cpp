#include "resources/icons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <span>
#include <utility>

namespace {

QImage BlankIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Drawn on in icon pixels whatever the ratio.
QImage BlankIconAt(qreal ratio) {
    QImage image = BlankIcon(static_cast<int>(std::ceil(ICON_SIZE * ratio)));
    image.setDevicePixelRatio(ratio);
    return image;
}

// Pip centres on a 3 x 3 grid, the middle row and column at 16.
constexpr int kLow = 9, kMid = 16, kHigh = 23;
constexpr int kPipRadius = 3;

struct Pip {
    int x, y;
};

std::span<const Pip> PipsOf(int pips) {
    static constexpr Pip kOne[] = {{kMid, kMid}};
    static constexpr Pip kTwo[] = {{kHigh, kLow}, {kLow, kHigh}};
    static constexpr Pip kThree[] = {{kHigh, kLow}, {kMid, kMid}, {kLow, kHigh}};
    static constexpr Pip kFour[] = {{kLow, kLow}, {kHigh, kLow}, {kLow, kHigh}, {kHigh, kHigh}};
    static constexpr Pip kFive[] = {{kLow, kLow}, {kHigh, kLow}, {kMid, kMid}, {kLow, kHigh}, {kHigh, kHigh}};
    static constexpr Pip kSix[] = {{kLow, kLow},  {kHigh, kLow}, {kLow, kMid},
                                   {kHigh, kMid}, {kLow, kHigh}, {kHigh, kHigh}};
    static constexpr std::span<const Pip> kFaces[] = {kOne, kTwo, kThree, kFour, kFive, kSix};
    return kFaces[pips - 1];
}

void DrawChecker(QPainter& p, QPointF centre, QColor fill) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    p.drawEllipse(centre, 8.5, 8.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 5.0, 5.0);
}

constexpr QPoint kUndoHotSpot(5, 12);

}  // namespace

// Two checkers on a strip of board with one point: the game in one glance.
// Drawn on the 32-pixel grid and scaled, so every size shows the same picture.
QImage ProgramIconAt(int size) {
    QImage image = BlankIcon(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size) / ICON_SIZE, qreal(size) / ICON_SIZE);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0, 110, 60));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
    const QPointF point[] = {{4, 3}, {16, 3}, {10, 22}};
    p.setBrush(QColor(200, 160, 90));
    p.drawPolygon(point, 3);
    DrawChecker(p, {12, 20}, QColor(170, 20, 20));
    DrawChecker(p, {20, 12}, Qt::white);
    return image;
}

QImage DieFaceIcon(int pips, qreal ratio) {
    if (pips < 1 || pips > 6) return {};
    QImage image = BlankIconAt(ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const Pip& pip : PipsOf(pips)) p.drawEllipse(QPointF(pip.x + 0.5, pip.y + 0.5), kPipRadius, kPipRadius);
    return image;
}

QImage ProgramIcon(qreal ratio) {
    QImage image = ProgramIconAt(static_cast<int>(std::ceil(ICON_SIZE * ratio)));
    image.setDevicePixelRatio(ratio);
    return image;
}

QIcon ProgramWindowIcon() {
    QIcon icon;
    for (const qreal ratio : {1.0, 1.5, 2.0})
        icon.addPixmap(QPixmap::fromImage(ProgramIconAt(static_cast<int>(ICON_SIZE * ratio))));
    return icon;
}

QImage IconResource(int id, qreal ratio) {
    if (id == ICON_PROGRAM) return ProgramIcon(ratio);
    if (id >= ICON_DIE_SIX && id <= ICON_DIE_ONE) return DieFaceIcon(ICON_DIE_ONE + 1 - id, ratio);
    return {};
}

// A half circle open to the bottom left, ending in an arrow head that points
// back left at the hot spot; outlined in white so it shows on any colour.
QImage UndoCursorImage(qreal ratio) {
    QImage image = BlankIconAt(ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arc;
    arc.moveTo(12, 12);
    arc.cubicTo(20, 12, 26, 14, 26, 20);
    arc.cubicTo(26, 26, 20, 28, 14, 28);
    QPainterPath head;
    head.moveTo(kUndoHotSpot);
    head.lineTo(13, 5);
    head.lineTo(13, 19);
    head.closeSubpath();
    for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 6.0}, std::pair{QColor(Qt::black), 3.0}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        p.setBrush(colour);
        p.setPen(QPen(colour, width - 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(head);
    }
    return image;
}

QPoint UndoCursorHotSpot() { return kUndoHotSpot; }

// QCursor takes the hot spot in logical pixels, but the X11 platform hands it
// to the server as it is, beside the image's device pixels.
QCursor UndoCursor(qreal ratio) {
    const qreal hot = QGuiApplication::platformName() == QLatin1String("xcb") ? ratio : 1;
    return QCursor(QPixmap::fromImage(UndoCursorImage(ratio)), qRound(kUndoHotSpot.x() * hot),
                   qRound(kUndoHotSpot.y() * hot));
}
