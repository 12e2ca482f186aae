// The message list beside the board: a list widget whose frame stays whole
// at a fractional device pixel ratio.
#pragma once

#include <QListWidget>

class MessageList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    // The frame's own paint; the lines live in the viewport.
    bool event(QEvent* event) override;
};
