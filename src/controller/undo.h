// Taking the human's moves of this turn back, one at a time.
#pragma once

struct Session;

// The Undo command; the right button and Escape during the wait reach it too.
void OnUndo(Session& s);
// Every move of the turn taken back, as that many Undo commands would.
void TakeBackTurn(Session& s);
