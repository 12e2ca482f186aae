// The wait after the human's last move of a turn, in which the turn can
// still be taken back.
#pragma once

// 1 when the human asked to undo (the move is already taken back), else 0.
int ConfirmTurn();
