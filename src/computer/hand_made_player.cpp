#include "computer/hand_made_player.h"

#include "computer/cube_decisions.h"
#include "computer/search.h"

ComputerPlay HandMadePlayer::ChoosePlay(Position& p, bool race) const {
    return SearchHandMadePlay(p, level_, race).play;
}

// In a match the score rules out what no rule of thumb should do: a double in
// the Crawford game, or one by a side whose win at the cube already wins the
// match, which can only give the match away.
bool HandMadePlayer::WantsToDouble(const Position& p, bool race) const {
    if (IsMatch(p.match) && (!ScoreAllowsDoubling(p.match) || Away(p.match, SIDE_COMPUTER) <= p.cubeValue))
        return false;
    return ComputerWantsToDouble(p.board, race);
}

bool HandMadePlayer::WantsToResign(const Position& p, bool race) const { return ComputerWantsToResign(p.board, race); }

// A pass that hands the human the match is never better than a take.
bool HandMadePlayer::AcceptsDouble(const Position& p, bool race) const {
    if (IsMatch(p.match) && Away(p.match, SIDE_HUMAN) <= p.cubeValue) return true;
    return ComputerAcceptsDouble(p.board, race);
}

bool HandMadePlayer::AcceptsResign(const Position& p, bool race, WinKind kind) const {
    if (kind == WinKind::Normal && ComputerRefusesResign(p.board, race)) return false;
    if (kind == WinKind::Gammon && ComputerRefusesGammonResign(p.board, race)) return false;
    return true;
}
