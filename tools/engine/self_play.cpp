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

void NewSelfGame(Game& game) {
    SetUpCubelessGame(game);
    // Only the game being played is kept: long runs would pile up records.
    game.record.Clear();
    game.record.NewGame(true);
    // The opening throw is never a double; entry 0 is the computer's die.
    do ThrowDice(game.position);
    while (game.position.diceLeft == MAX_DICE);
    game.position.sideToMove = game.position.dice[0] < game.position.dice[1] ? SIDE_HUMAN : SIDE_COMPUTER;
}

// The moves of the side to move for its dice, as (from, to) pairs in play order.
int ChooseTurn(Game& game, int level, int humanLevel, SuggestedMove (&moves)[MAX_DICE], GameRecord& record,
               const BeforeSearch& beforeSearch) {
    const auto start = std::chrono::steady_clock::now();
    int n = 0;
    if (game.position.sideToMove == SIDE_HUMAN) {
        n = SuggestHumanMove(game.position, game.race != 0, AdviserFor(humanLevel), moves);
    } else {
        if (!EntryOpen(game.position, SIDE_COMPUTER)) return 0;
        if (beforeSearch) beforeSearch();
        const ComputerPlay play = ComputerPlayerFor(level).ChoosePlay(game.position, game.race != 0);
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

void SetUpCubelessGame(Game& game) {
    game.turnStart = StartingBoard();
    game.position.board = WithFixedOwners(game.turnStart);
    game.counters = {};
    game.position.cubeValue = 1;
    game.position.cubeOwner = SIDE_NONE;
    game.winner = 0;
    game.computerMayDouble = game.computerMayResign = 0;
    game.options.useCube = 0;
}

bool PlaySelfGame(Game& game, int level, GameRecord& record, const BeforeSearch& beforeSearch, int humanLevel) {
    NewSelfGame(game);
    for (record.turns = 1; record.turns <= kMaxTurns; ++record.turns) {
        if (record.turns > 1) {
            game.position.sideToMove = game.position.Opponent();
            ThrowDice(game.position);
        }
        game.race = NoContact(game.position.board);
        game.record.TurnThrow(game.position);
        SuggestedMove moves[MAX_DICE];
        const int n = ChooseTurn(game, level, humanLevel < 0 ? level : humanLevel, moves, record, beforeSearch);
        for (int i = 0; i < n; ++i) {
            const int die =
                game.position.sideToMove == SIDE_HUMAN ? moves[i].to - moves[i].from : moves[i].from - moves[i].to;
            if (!IsLegalMove(game.position, moves[i].from, die)) {
                record.fault = Where(record, moves[i]) + "illegal move";
                return false;
            }
            game.record.StepBefore(game.position, moves[i].from, moves[i].to);
            MoveChecker(game.position, moves[i].from, moves[i].to);
            game.race = NoContact(game.position.board);
            ++record.moves;
            record.fault = BrokenInvariant(game.position);
            if (!record.fault.empty()) {
                record.fault = Where(record, moves[i]) + record.fault;
                return false;
            }
            record.winner = TrayWinner(game.position.board);
            if (record.winner != SIDE_NONE) {
                record.kind = ClassifyWin(game.position.board);
                game.record.Win(record.winner, static_cast<int>(record.kind));
                return true;
            }
        }
    }
    record.fault = "no winner after " + std::to_string(kMaxTurns) + " turns";
    return false;
}
