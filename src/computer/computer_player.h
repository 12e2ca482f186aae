// The computer as an opponent: how it plays its dice, and its answers on the
// doubling cube and on resigning. One implementation per level of play,
// chosen once from the level, so nothing else asks which level plays.
//
// Every question is asked of a position and the game's race flag as the
// game keeps it; the cube's value and owner and the dice are in the position.
// Whether the game lets the computer offer at all (the cube in use, offers
// not stopped) is the game's business, asked before these.
#pragma once

#include "computer/computer_play.h"
#include "rules/game_end.h"

class ComputerPlayer {
public:
    virtual ~ComputerPlayer() = default;

    // The computer's play of the dice left, whichever side the position has
    // on roll. On return p's checkers are as they were and its dice are those
    // the play uses, in the order of the play.
    virtual ComputerPlay ChoosePlay(Position& p, bool race) const = 0;
    // At the start of the computer's turn, its dice thrown.
    virtual bool WantsToDouble(const Position& p, bool race) const = 0;
    virtual bool WantsToResign(const Position& p, bool race) const = 0;
    // The human has doubled after throwing.
    virtual bool AcceptsDouble(const Position& p, bool race) const = 0;
    // The human offers to give up a game of this kind.
    virtual bool AcceptsResign(const Position& p, bool race, WinKind kind) const = 0;
};

// LevelOfPlay's values: 0 "Poor", 1 "Moderate", 2 "Good", 3 "Expert".
constexpr int EXPERT_LEVEL = 3;

// The player of a level of play.
const ComputerPlayer& ComputerPlayerFor(int level);
// The player whose play the human is offered as a suggestion: below the
// Expert, the best the hand-made levels can do.
const ComputerPlayer& AdviserFor(int level);
