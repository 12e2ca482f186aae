// What the cube and resignation exchanges do to the game. The window asks the
// human and shows the outcome (the cube button, the message boxes, the end of
// the game); each function here only decides or carries out the answer it is
// given, so every outcome holds without a window.
#pragma once

#include "computer/computer_player.h"
#include "game/game.h"
#include "rules/game_end.h"

// The side not to move, which has just accepted a double, takes the cube at
// twice the stake.
void TakeCube(Game& game);

// Whether a side decides on doubling before its throw, as the rules of a
// match have it: always in a match, in money play by the option.
bool CubeBeforeRoll(const Game& game);

// The enable rule of the Double command and the cube button: with the cube
// in use and allowed by the match score, before the human's throw (the cube
// before the roll) or first move of the turn, while the computer does not
// hold the cube and it is below its top value.
bool HumanMayDouble(const Game& game, bool useCube);
// The same but for the moment: whether the human could double at a turn's start.
bool CubeOpenToHuman(const Game& game, bool useCube);

// Whether the game lets the computer offer a double or its resignation now,
// whatever the position: the cube in use, allowed by the match score and not
// the human's, below its top, and offers not stopped for this game or by
// "Finish game".
bool ComputerMayDouble(const Game& game, bool useCube);
bool ComputerMayResign(const Game& game);

// The human doubles. True when the computer takes, and the cube has then
// passed to the computer. When it refuses, nothing has changed: the caller
// asks whether the human ends the game at the current stake or plays on.
bool HumanDoubles(Game& game, const ComputerPlayer& computer);

// What the computer offers at the start of its turn, after its throw; at most
// one offer a turn, doubling considered first. With the cube before the
// roll, ComputerOffersDouble is asked before the throw and
// only resigning after it.
enum class CubeOffer { None, Double, Resign };
CubeOffer ComputerCubeOffer(const Game& game, const ComputerPlayer& computer, bool useCube);
bool ComputerOffersDouble(const Game& game, const ComputerPlayer& computer, bool useCube);

// The human's answer to the computer's double: Yes, No or Cancel. Declining
// gives the computer the game at the stake before the double; Cancel stops
// the computer's doubles for the rest of the game.
enum class DoubleAnswer { Take, Decline, Cancel };
void AnswerComputerDouble(Game& game, DoubleAnswer answer);

// The human's answer to the computer's offer to give up. Refusing stops the
// offers for the rest of the game.
void AnswerComputerResign(Game& game, bool accept);

// The human gives up a game of the given kind, which multiplies the stake.
// False when the computer does not accept; the game then plays on unchanged.
bool HumanResigns(Game& game, const ComputerPlayer& computer, WinKind kind);
