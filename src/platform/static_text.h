// A static text control: a line of text in a child window over the canvas'
// widget, in the canvas' font, written from the control's top edge.
#pragma once

#include <memory>
#include <string>

#include "platform/rect.h"

class Canvas;

class StaticText {
public:
    enum Align { LEFT, RIGHT };

    // Made hidden, at `r` in the canvas' coordinates.
    StaticText(const Canvas& over, const Rect& r, Align align);
    ~StaticText();
    StaticText(const StaticText&) = delete;
    StaticText& operator=(const StaticText&) = delete;

    void Show();
    // Shows the new text at once.
    void SetText(const std::string& text);
    // Empty once the control has gone with its window.
    std::string Text() const;

private:
    struct Control;
    std::unique_ptr<Control> control_;
};
