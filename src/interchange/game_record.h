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

    bool operator==(const GameEvent&) const = default;
};

struct RecordedGame {
    // Set up from the starting position, sides never switched.
    bool fromStart = true;
    bool over = false;
    std::vector<GameEvent> events;
    // The match score before the game; money play when its length is 0.
    MatchScore scoreBefore;
};

// The run's games, the one in progress last.
class RunRecord {
public:
    // A game begins, at `score` in a match; `fromStart` false for a position
    // set up from a file or a text.
    void NewGame(bool fromStart, const MatchScore& score = {});
    // A game set up from a file or a text, with its throw when the dice were given.
    void SetUpGame(const Position& p);
    // The side has switched sides with the other: the game can no longer be written.
    void SidesSwitched();
    void Throw(int side, int die1, int die2);
    void Step(int side, int from, int to, bool hit);
    // The throw of the side to move, from the position's dice.
    void TurnThrow(const Position& p);
    // The step the side to move is about to play from `from` towards `to` (past
    // the board for a bear-off), with the hit the position shows.
    void StepBefore(const Position& p, int from, int to);
    // Undo took the last step back.
    void StepTakenBack();
    // A double taken, or declined: the game then ends with Win.
    void Double(int doubler, int newStake, bool taken);
    // A double refused, after which the game went on without it.
    void DoublePlayedOn(int doubler);
    void Resign(int side, WinKind kind);
    void Win(int winner, int points);

    const std::vector<RecordedGame>& Games() const { return games_; }
    // Forgets every game, as at the start of a run.
    void Clear() { games_.clear(); }

    // The steps played since the current game's last throw, and that throw;
    // nullptr when the game has none.
    const GameEvent* LastThrow(std::vector<GameEvent>* stepsSince) const;

private:
    // Events before the first game of a run (a position opened at once) start a game of their own.
    RecordedGame& Current();
    void Add(const GameEvent& event);

    std::vector<RecordedGame> games_;
};
