// The record of the run's games: every throw, step, cube action,
// resignation and end, kept for the match text. The game flow reports what
// happened; nothing here is ever read back by the game, so recording never
// changes what the game does.
#pragma once

#include <vector>

#include "rules/game_end.h"
#include "rules/position.h"

// DoublePlayedOn: a double refused, and the game played on as if it had not
// been offered, which a match file has no way to say.
enum class GameAction { Throw, Step, Double, Take, Drop, Resign, Win, DoublePlayedOn };

struct GameEvent {
    GameAction action;
    int side;  // the side that acts
    // Throw: the two dice. Step: the locations left and reached (a tray for
    // a checker borne off). Double: the new stake. Resign: the WinKind.
    // Win: the points. DoublePlayedOn: nothing.
    int a = 0, b = 0;
    bool hit = false;  // Step: a blot was sent to the bar
};

struct RecordedGame {
    // Set up from the starting position, sides never switched.
    bool fromStart = true;
    bool over = false;
    std::vector<GameEvent> events;
};

// A game begins; `fromStart` false for a position set up from a file or a text.
void RecordNewGame(bool fromStart);
// A game set up from a file or a text, with its throw when the dice were given.
void RecordSetUpGame(const Position& p);
// The side has switched sides with the other: the game can no longer be written.
void RecordSidesSwitched();
void RecordThrow(int side, int die1, int die2);
void RecordStep(int side, int from, int to, bool hit);
// The throw of the side to move, from the position's dice.
void RecordTurnThrow(const Position& p);
// The step the side to move is about to play from `from` towards `to` (past
// the board for a bear-off), with the hit the position shows.
void RecordStepBefore(const Position& p, int from, int to);
// Undo took the last step back.
void RecordStepTakenBack();
// A double taken, or declined: the game then ends with RecordWin.
void RecordDouble(int doubler, int newStake, bool taken);
// A double refused, after which the game went on without it.
void RecordDoublePlayedOn(int doubler);
void RecordResign(int side, WinKind kind);
void RecordWin(int winner, int points);

// The run's games, the one in progress last.
const std::vector<RecordedGame>& RecordedGames();
// Forgets every game, as at the start of a run.
void ClearGameRecord();

// The steps played since the current game's last throw, and that throw;
// nullptr when the game has none.
const GameEvent* LastThrow(std::vector<GameEvent>* stepsSince);
