// A die window beside the board. It draws its face at the device pixel ratio
// of the screen it is on each time it paints, so the pips stay sharp on a
// scaled screen and after the window moves to another one.
#pragma once

#include <QLabel>

class DieFace : public QLabel {
public:
    using QLabel::QLabel;

    // The face to show, 1..6.
    void SetPips(int pips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int pips_ = 0;
};
