// A dialog's etched line: a dark and a light line side by side, sunk into the
// dialog. At a fractional device pixel ratio a line one or two logical pixels
// wide cannot hold both in whole device pixels, so there the dialog draws its
// lines itself, over the whole of its area.
#pragma once

#include <QFrame>

class EtchedLine : public QFrame {
    Q_OBJECT

public:
    EtchedLine(Qt::Orientation orientation, QWidget* parent);

protected:
    // Draws only at a whole ratio; otherwise DrawEtchedLines does.
    void paintEvent(QPaintEvent* event) override;
};

// Draws every etched line of `dialog` at a fractional ratio, each band
// EvenLineWidth device pixels thick with the dark band where the style puts
// it at ratio 1; nothing at a whole ratio. Call from the dialog's paintEvent.
void DrawEtchedLines(QPainter& painter, const QWidget& dialog);
