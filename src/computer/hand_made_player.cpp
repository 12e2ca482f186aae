#include "computer/hand_made_player.h"

#include "computer/cube_decisions.h"
#include "computer/search.h"

ComputerPlay HandMadePlayer::ChoosePlay(Position& p, bool race) const {
    return SearchHandMadePlay(p, level_, race).play;
}

bool HandMadePlayer::WantsToDouble(const Position& p, bool race) const { return ComputerWantsToDouble(p.board, race); }

bool HandMadePlayer::WantsToResign(const Position& p, bool race) const { return ComputerWantsToResign(p.board, race); }

bool HandMadePlayer::AcceptsDouble(const Position& p, bool race) const { return ComputerAcceptsDouble(p.board, race); }

bool HandMadePlayer::AcceptsResign(const Position& p, bool race, WinKind kind) const {
    if (kind == WinKind::Normal && ComputerRefusesResign(p.board, race)) return false;
    if (kind == WinKind::Gammon && ComputerRefusesGammonResign(p.board, race)) return false;
    return true;
}
