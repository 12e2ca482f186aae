// One location as the board draws it: its checkers' count and owner as the
// drawing shows them, which follow the game's position move by move. The
// points, bars and trays derive from it.
#pragma once

#include <cstdint>

#include "rules/location.h"

class BoardDisplay;

class DrawnLocation {
public:
    // Counted among `board`'s live objects while it lives.
    DrawnLocation(BoardDisplay& board, int number, int count, int owner);
    virtual ~DrawnLocation();

    // Carries the top checker to `target` for `side`, the side to move; a
    // lone checker of the other side there goes to its bar first. While a
    // move is taken back nothing shakes. The plain version only counts, for
    // a location with nothing to show travelling.
    virtual void TransferChecker(int target, int side, bool undoing);
    virtual void RemoveChecker();
    virtual void AddChecker();
    virtual void Draw() {}

    int8_t number;
    int8_t count;
    int32_t owner;

protected:
    BoardDisplay& board_;
};
