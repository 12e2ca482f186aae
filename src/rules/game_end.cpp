#include "rules/game_end.h"

int TrayWinner(const Board& board) {
    if (board[LOC_HUMAN_OFF].count == CHECKERS_PER_SIDE) return SIDE_HUMAN;
    if (board[LOC_COMPUTER_OFF].count == CHECKERS_PER_SIDE) return SIDE_COMPUTER;
    return SIDE_NONE;
}

WinKind ClassifyWin(const Board& board) {
    // The winner has nothing left on the board, so neither test needs a side.
    if (CountCheckers(board, 0, 6, SIDE_HUMAN) > 0 || CountCheckers(board, 19, 25, SIDE_COMPUTER) > 0)
        return WinKind::Backgammon;
    if (board[LOC_HUMAN_OFF].count == 0 || board[LOC_COMPUTER_OFF].count == 0) return WinKind::Gammon;
    return WinKind::Normal;
}
