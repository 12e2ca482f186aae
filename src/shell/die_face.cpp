#include "shell/die_face.h"

#include <QPainter>

#include "resources/icons.h"

void DieFace::SetPips(int pips) {
    pips_ = pips;
    update();
}

void DieFace::paintEvent(QPaintEvent*) {
    const QImage face = DieFaceIcon(pips_, devicePixelRatioF());
    if (face.isNull()) return;
    QPainter p(this);
    p.drawImage(QPointF(0, 0), face);
}
