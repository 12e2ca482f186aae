// One complete game with no window: the computer's turns by its search at a
// chosen level, the human's by the move suggestion, the cube off. Every move
// is checked before it is played and the position after it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "game/game.h"
#include "rules/game_end.h"

struct GameRecord {
    int winner = 0;
    WinKind kind = WinKind::Normal;
    int turns = 0;
    int64_t moves = 0;
    int64_t searches = 0;
    int64_t searchNanos = 0;  // time spent inside the searches
    std::string fault;        // empty unless an invariant broke
};

// Called with the computer to move and its dice thrown, just before its search.
using BeforeSearch = std::function<void()>;

// The starting position on a fresh board, the cube out of play.
void SetUpCubelessGame(Game& game);

// Plays a game from the starting position with the dice library as it is
// seeded, kept as the last of game.record.Games(). The human's moves are
// suggested at `humanLevel`, or at the computer's level when it is -1.
// Returns false, with record.fault set, when an invariant broke.
bool PlaySelfGame(Game& game, int level, GameRecord& record, const BeforeSearch& beforeSearch = {},
                  int humanLevel = -1);
