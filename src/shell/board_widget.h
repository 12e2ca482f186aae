// The main window's client area: shows the kept canvas and hands the mouse
// and keyboard on to the game in client coordinates.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "platform/canvas.h"
#include "shell/window_handlers.h"

class BoardWidget : public QWidget {
public:
    BoardWidget(QWidget* parent, const WindowHandlers& handlers);

    // Made once the client area has its final size, at the screen's device
    // pixel ratio.
    void CreateCanvas();
    Canvas* GetCanvas() const { return canvas_.get(); }
    // Called when the canvas has followed the window to a screen with another
    // device pixel ratio and is blank: the board must be drawn afresh.
    void SetRatioChangedHandler(std::function<void()> handler) { ratioChanged_ = std::move(handler); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const WindowHandlers& handlers_;
    // Checks the ratio once the running handler has returned: the board is at
    // rest then, with no checker on its way.
    void FollowScreenLater();
    void FollowScreen();

    std::unique_ptr<Canvas> canvas_;
    std::function<void()> ratioChanged_;
};
