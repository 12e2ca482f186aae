#include "game_end.h"

#include "position.h"

int TrayWinner() {
    if (g_board[LOC_HUMAN_OFF]->count == CHECKERS_PER_SIDE) return SIDE_HUMAN;
    if (g_board[LOC_COMPUTER_OFF]->count == CHECKERS_PER_SIDE) return SIDE_COMPUTER;
    return SIDE_NONE;
}

WinKind ClassifyWin() {
    // The winner has nothing left on the board, so neither test needs a side.
    if (CountCheckers(0, 6, g_board, SIDE_HUMAN) > 0 || CountCheckers(19, 25, g_board, SIDE_COMPUTER) > 0)
        return WinKind::Backgammon;
    if (g_board[LOC_HUMAN_OFF]->count == 0 || g_board[LOC_COMPUTER_OFF]->count == 0) return WinKind::Gammon;
    return WinKind::Normal;
}
