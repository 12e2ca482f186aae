// The three hand-made levels: a full search of the dice scored by a
// hand-written evaluation, and threshold rules on the race for the cube.
#pragma once

#include "computer/computer_player.h"

class HandMadePlayer : public ComputerPlayer {
public:
    explicit HandMadePlayer(int level) : level_(level) {}

    ComputerPlay ChoosePlay(Position& p, bool race) const override;
    bool WantsToDouble(const Position& p, bool race) const override;
    bool WantsToResign(const Position& p, bool race) const override;
    bool AcceptsDouble(const Position& p, bool race) const override;
    bool AcceptsResign(const Position& p, bool race, WinKind kind) const override;

private:
    int level_;
};
