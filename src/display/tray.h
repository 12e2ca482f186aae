// A side's tray of borne-off checkers. It draws no checkers, only their
// count, in a text control of its own beside the home boards.
#pragma once

#include <QLabel>
#include <QPointer>
#include <string>

#include "platform/rect.h"
#include "rules/location.h"

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
    // Gone already if the window went first.
    QPointer<QLabel> label_;
};
