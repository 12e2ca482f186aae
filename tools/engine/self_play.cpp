#include "self_play.h"

#include <chrono>

#include "board_check.h"
#include "computer/search.h"
#include "computer/suggestion.h"
#include "interchange/game_record.h"
#include "rules/dice_throw.h"
#include "rules/game_stats.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
// No real game comes near this; reaching it means the players go round in circles.
constexpr int kMaxTurns = 5000;

void NewSelfGame() {
    SetUpCubelessGame();
    // Only the game being played is kept: long runs would pile up records.
    ClearGameRecord();
    RecordNewGame(true);
    // The opening throw is never a double; entry 0 is the computer's die.
    do ThrowDice();
    while (g_diceLeft == MAX_DICE);
    g_sideToMove = g_dice[0] < g_dice[1] ? SIDE_HUMAN : SIDE_COMPUTER;
}

// The moves of the side to move for its dice, as (from, to) pairs in play order.
int ChooseTurn(int level, SuggestedMove (&moves)[MAX_DICE], GameRecord& record, const BeforeSearch& beforeSearch) {
    const auto start = std::chrono::steady_clock::now();
    int n = 0;
    if (g_sideToMove == SIDE_HUMAN) {
        n = SuggestHumanMove(moves, level);
    } else {
        if (!EntryOpen(SIDE_COMPUTER)) return 0;
        if (beforeSearch) beforeSearch();
        ChooseComputerMove(level);
        for (n = 0; n < g_diceLeft; ++n) moves[n] = {g_bestFrom[n], g_bestFrom[n] - g_bestDice[n]};
    }
    ++record.searches;
    record.searchNanos +=
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start).count();
    return n;
}

std::string Where(const GameRecord& record, const SuggestedMove& move) {
    return "turn " + std::to_string(record.turns) + ", move " + std::to_string(move.from) + " to " +
           std::to_string(move.to) + ": ";
}
}  // namespace

void SetUpCubelessGame() {
    DestroyBoard();
    BuildBoard(true);
    ClearGameStats();
    g_cubeValue = 1;
    g_cubeOwner = SIDE_NONE;
    g_winner = 0;
    g_computerMayDouble = g_computerMayResign = 0;
    UseCube = 0;
}

bool PlaySelfGame(int level, GameRecord& record, const BeforeSearch& beforeSearch) {
    NewSelfGame();
    for (record.turns = 1; record.turns <= kMaxTurns; ++record.turns) {
        if (record.turns > 1) {
            g_sideToMove = Opponent();
            ThrowDice();
        }
        RecordTurnThrow();
        SuggestedMove moves[MAX_DICE];
        const int n = ChooseTurn(level, moves, record, beforeSearch);
        for (int i = 0; i < n; ++i) {
            const int die = g_sideToMove == SIDE_HUMAN ? moves[i].to - moves[i].from : moves[i].from - moves[i].to;
            if (!IsLegalMove(moves[i].from, die)) {
                record.fault = Where(record, moves[i]) + "illegal move";
                return false;
            }
            RecordStepBefore(moves[i].from, moves[i].to);
            MoveChecker(moves[i].from, moves[i].to);
            ++record.moves;
            record.fault = BrokenInvariant();
            if (!record.fault.empty()) {
                record.fault = Where(record, moves[i]) + record.fault;
                return false;
            }
            record.winner = TrayWinner();
            if (record.winner != SIDE_NONE) {
                record.kind = ClassifyWin();
                RecordWin(record.winner, static_cast<int>(record.kind));
                return true;
            }
        }
    }
    record.fault = "no winner after " + std::to_string(kMaxTurns) + " turns";
    return false;
}
