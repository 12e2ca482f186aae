// The match text (.mat) that analysis programs import: money play or one
// match, one block per game with the score before it and every throw, move
// and cube action in two columns, the computer on the left and the human on
// the right.
#pragma once

#include <string>

#include "interchange/game_record.h"

// Writes games one at a time, keeping this file's running score for money
// play; a game of a match carries its own score.
class MatchTextWriter {
public:
    // The text's first lines, for money play or a match of this length. A
    // match names the Crawford rule, by which the importing program knows
    // the Crawford game from the score before it.
    static std::string Header(int matchLength = 0);
    // The game's block; empty when the format cannot hold it (set up from a
    // position, sides switched, or not over), which is counted as left out.
    // A double played on after its refusal is left out of a game written, and
    // counted too.
    std::string Game(const RecordedGame& game);
    int Written() const { return written_; }
    int LeftOut() const { return leftOut_; }
    int DoublesLeftOut() const { return doublesLeftOut_; }

private:
    int score_[3] = {0, 0, 0};
    int written_ = 0;
    int leftOut_ = 0;
    int doublesLeftOut_ = 0;
};
