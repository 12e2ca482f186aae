// Pane 1 of the status bar, which carries the progress bar. The bar is kept
// with the pane, so a repaint of the status bar does not wipe it.
#pragma once

#include <QLabel>

#include "controller/progress_bar.h"

struct Options;

class ProgressPane : public QLabel {
public:
    // The parts take the pieces' colours of `options` at every paint.
    ProgressPane(QWidget* parent, const Options& options) : QLabel(parent), options_(options) {}

    void SetBar(const ProgressBar& bar);
    const ProgressBar& Bar() const { return bar_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Options& options_;
    ProgressBar bar_;
};
