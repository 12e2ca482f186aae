// The wait after the human's last move of a turn, in which the turn can
// still be taken back.
#pragma once

struct Session;

// 1 when the human asked to undo (the move is already taken back), else 0.
int ConfirmTurn(Session& s);

// A command chosen during the wait ends it and would run inside it, before
// the turn is handed on. Commands that start play of their own are put off
// until then: true when `id` will run once the wait is over.
bool PutOffUntilWaitEnds(Session& s, int id);
