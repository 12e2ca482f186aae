// The drawn points and bars. Each holds one sprite per checker, indexed by
// its stack position, and moves its top checker over the board to another
// location when a move is played.
#pragma once

#include <array>
#include <memory>

#include "display/checker_sprite.h"
#include "display/drawn_location.h"

// Points 1..12, the top row; the base of the other points and the bars.
class CTopPoint : public DrawnLocation {
public:
    CTopPoint(int number, int owner);
    ~CTopPoint() override;

    // Draws the location and puts `count` checkers on it.
    void Fill(int count);

    // Moves the top checker to `target` step by step over the board, the
    // hit of a lone opposing checker there included.
    void TransferChecker(int target, int side, bool undoing) override;
    void RemoveChecker() override;
    void AddChecker() override;
    void Draw() override;

    // The point's letter, yellow when highlighted.
    void DrawLabel(bool highlight);
    // Shows every checker again at rest over a freshly drawn background.
    void ShowCheckers();
    // The top checker's sprite, or nullptr on an empty location.
    CCheckerSprite* TopSprite() const;

private:
    std::array<std::unique_ptr<CCheckerSprite>, CHECKERS_PER_SIDE + 1> sprites_;
};

// Points 13..24, the bottom row.
class CBottomPoint : public CTopPoint {
public:
    using CTopPoint::CTopPoint;
    void Draw() override;
};

// Location 0: draws the whole bar strip.
class CHumanBar : public CTopPoint {
public:
    CHumanBar() : CTopPoint(LOC_HUMAN_BAR, SIDE_HUMAN) {}
    void Draw() override;
};

// Location 25: lies inside the strip that location 0 draws.
class CComputerBar : public CBottomPoint {
public:
    CComputerBar() : CBottomPoint(LOC_COMPUTER_BAR, SIDE_COMPUTER) {}
    void Draw() override {}
};
