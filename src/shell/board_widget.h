// The main window's client area: shows the kept canvas and hands the mouse
// and keyboard on to the game in client coordinates.
#pragma once

#include <QWidget>
#include <memory>

#include "platform/canvas.h"

class BoardWidget : public QWidget {
public:
    explicit BoardWidget(QWidget* parent);

    // Made once the client area has its final size.
    void CreateCanvas();
    Canvas* GetCanvas() const { return canvas_.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<Canvas> canvas_;
};
