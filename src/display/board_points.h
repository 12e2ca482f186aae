// The drawn points and bars. Each holds one sprite per checker, indexed by
// its stack position, and moves its top checker over the board to another
// location when a move is played.
#pragma once

#include <array>
#include <memory>

#include "display/checker_sprite.h"
#include "display/drawn_location.h"

// Points 1..12, the top row; the base of the other points and the bars.
class DrawnTopPoint : public DrawnLocation {
public:
    DrawnTopPoint(BoardDisplay& board, int number, int owner);
    ~DrawnTopPoint() override;

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
    CheckerSprite* TopSprite() const;

private:
    std::array<std::unique_ptr<CheckerSprite>, CHECKERS_PER_SIDE + 1> sprites_;
};

// Points 13..24, the bottom row.
class DrawnBottomPoint : public DrawnTopPoint {
public:
    using DrawnTopPoint::DrawnTopPoint;
    void Draw() override;
};

// Location 0: draws the whole bar strip.
class DrawnHumanBar : public DrawnTopPoint {
public:
    explicit DrawnHumanBar(BoardDisplay& board) : DrawnTopPoint(board, LOC_HUMAN_BAR, SIDE_HUMAN) {}
    void Draw() override;
};

// Location 25: lies inside the strip that location 0 draws.
class DrawnComputerBar : public DrawnBottomPoint {
public:
    explicit DrawnComputerBar(BoardDisplay& board) : DrawnBottomPoint(board, LOC_COMPUTER_BAR, SIDE_COMPUTER) {}
    void Draw() override {}
};
