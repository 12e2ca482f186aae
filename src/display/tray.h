// A side's tray of borne-off checkers. It draws no checkers, only their
// count, in a text control of its own beside the home boards.
#pragma once

#include <string>

#include "display/drawn_location.h"
#include "platform/rect.h"
#include "platform/static_text.h"

class DrawnTray : public DrawnLocation {
public:
    // Tray 26 for the computer, 27 for the human, with `count` checkers.
    DrawnTray(BoardDisplay& board, int side, int count);

    void RemoveChecker() override;
    void AddChecker() override;
    void Draw() override;

    std::string CountText() const;

private:
    Rect rect_;
    StaticText label_;
};
