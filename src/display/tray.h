// A side's tray of borne-off checkers. It draws no checkers, only their
// count, in a text control of its own beside the home boards.
#pragma once

#include <string>

#include "display/rect.h"
#include "rules/location.h"

class QLabel;

class CTray : public CLocation {
public:
    // Tray 26 for the computer, 27 for the human, filled from the saved position.
    explicit CTray(int side);
    ~CTray() override;

    void RemoveChecker() override;
    void AddChecker() override;
    void Draw() override;

    std::string CountText() const;

private:
    Rect rect_;
    QLabel* label_;
};
