#include "self_play.h"

#include <chrono>

#include "board_check.h"
#include "computer/computer_player.h"
#include "computer/suggestion.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "rules/dice_throw.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
// No real game comes near this; reaching it means the players go round in circles.
constexpr int kMaxTurns = 5000;

void NewSelfGame() {
    SetUpCubelessGame();
    // Only the game being played is kept: long runs would pile up records.
    g_game.record.Clear();
    g_game.record.NewGame(true);
    // The opening throw is never a double; entry 0 is the computer's die.
    do ThrowDice(g_game.position);
    while (g_game.position.diceLeft == MAX_DICE);
    g_game.position.sideToMove = g_game.position.dice[0] < g_game.position.dice[1] ? SIDE_HUMAN : SIDE_COMPUTER;
}

// The moves of the side to move for its dice, as (from, to) pairs in play order.
int ChooseTurn(int level, SuggestedMove (&moves)[MAX_DICE], GameRecord& record, const BeforeSearch& beforeSearch) {
    const auto start = std::chrono::steady_clock::now();
    int n = 0;
    if (g_game.position.sideToMove == SIDE_HUMAN) {
        n = SuggestHumanMove(g_game.position, g_game.race != 0, AdviserFor(level), moves);
    } else {
        if (!EntryOpen(g_game.position, SIDE_COMPUTER)) return 0;
        if (beforeSearch) beforeSearch();
        const ComputerPlay play = ComputerPlayerFor(level).ChoosePlay(g_game.position, g_game.race != 0);
        for (n = 0; n < play.count; ++n) moves[n] = {play.from[n], play.from[n] - play.dice[n]};
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
    g_game.turnStart = StartingBoard();
    g_game.position.board = WithFixedOwners(g_game.turnStart);
    g_game.counters = {};
    g_game.position.cubeValue = 1;
    g_game.position.cubeOwner = SIDE_NONE;
    g_game.winner = 0;
    g_game.computerMayDouble = g_game.computerMayResign = 0;
    g_game.options.useCube = 0;
}

bool PlaySelfGame(int level, GameRecord& record, const BeforeSearch& beforeSearch) {
    NewSelfGame();
    for (record.turns = 1; record.turns <= kMaxTurns; ++record.turns) {
        if (record.turns > 1) {
            g_game.position.sideToMove = g_game.position.Opponent();
            ThrowDice(g_game.position);
        }
        g_game.race = NoContact(g_game.position.board);
        g_game.record.TurnThrow(g_game.position);
        SuggestedMove moves[MAX_DICE];
        const int n = ChooseTurn(level, moves, record, beforeSearch);
        for (int i = 0; i < n; ++i) {
            const int die =
                g_game.position.sideToMove == SIDE_HUMAN ? moves[i].to - moves[i].from : moves[i].from - moves[i].to;
            if (!IsLegalMove(g_game.position, moves[i].from, die)) {
                record.fault = Where(record, moves[i]) + "illegal move";
                return false;
            }
            g_game.record.StepBefore(g_game.position, moves[i].from, moves[i].to);
            MoveChecker(g_game.position, moves[i].from, moves[i].to);
            g_game.race = NoContact(g_game.position.board);
            ++record.moves;
            record.fault = BrokenInvariant();
            if (!record.fault.empty()) {
                record.fault = Where(record, moves[i]) + record.fault;
                return false;
            }
            record.winner = TrayWinner(g_game.position.board);
            if (record.winner != SIDE_NONE) {
                record.kind = ClassifyWin(g_game.position.board);
                g_game.record.Win(record.winner, static_cast<int>(record.kind));
                return true;
            }
        }
    }
    record.fault = "no winner after " + std::to_string(kMaxTurns) + " turns";
    return false;
}
