// The counts and owners of the live board, taken so that trial moves can be
// taken back. Restore writes only the game data, never through the objects'
// virtual operations, so nothing is drawn.
#pragma once

#include "position.h"

class BoardSnapshot {
public:
    BoardSnapshot() { Take(); }
    void Take() {
        for (int i = 0; i < NUM_LOCATIONS; ++i) saved_[i] = {g_board[i]->count, g_board[i]->owner};
    }
    void Restore() const {
        for (int i = 0; i < NUM_LOCATIONS; ++i) {
            g_board[i]->count = saved_[i].count;
            g_board[i]->owner = saved_[i].owner;
        }
    }
    // The same position seen from the other side of the board.
    void Mirror() { ::Mirror(saved_); }
    const SavedLocation& operator[](int loc) const { return saved_[loc]; }

private:
    SavedLocation saved_[NUM_LOCATIONS];
};
