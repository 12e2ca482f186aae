// Pane 1 of the status bar, which carries the progress bar. The bar is kept
// with the pane, so a repaint of the status bar does not wipe it.
#pragma once

#include <QLabel>

#include "controller/progress_bar.h"

class ProgressPane : public QLabel {
public:
    using QLabel::QLabel;

    void SetBar(const ProgressBar& bar);
    const ProgressBar& Bar() const { return bar_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgressBar bar_;
};
