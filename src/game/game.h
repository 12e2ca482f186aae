// The game being played, as one value: the position, the turn, the game's
// counters and flags, the scores, and the options it is played by. The controller plays on it; the files, the texts and
// the statistics read and write it.
#pragma once

#include <cstdint>
#include <vector>

#include "interchange/game_record.h"
#include "rules/game_stats.h"
#include "rules/position.h"
#include "settings/options.h"
#include "stats/stats_record.h"

constexpr uint8_t NO_LOCATION = 0xFF;

// One human move of the turn: the location it leaves and the one it reaches.
struct TurnMove {
    uint8_t from;
    uint8_t to;
};

struct Game {
    Position position;
    // The checkers at the start of the turn: what files, texts and Undo's
    // switch of sides go back to.
    Board turnStart{};
    // Set when no contact is left; the hand-made levels judge by it.
    int32_t race = 0;
    int32_t winner = SIDE_NONE;
    // Cleared for the rest of the game by Cancel on a double, or a refused resignation.
    int32_t computerMayDouble = 1;
    int32_t computerMayResign = 1;
    GameCounters counters;
    int32_t finishMode = 0;   // the program plays both sides
    int32_t quickFinish = 0;  // ... without pauses

    // Ordinal of the human move being entered: 1 before the first move of a turn.
    int32_t moveOrdinal = 0;
    // Set from a new game until its first turn is over, which plays the opening throw.
    int32_t openingThrow = 1;
    // 1 while the end-of-turn confirmation waits for the human.
    int32_t awaitingConfirm = 0;
    // The human's moves of the turn being played, kept so that they can be
    // taken back one at a time: entry k (1..4) is the k-th move of the turn,
    // entry moveOrdinal the one being entered; entry 0 is never used.
    TurnMove turnMoves[6] = {};
    // Whether the k-th move of the turn hit a blot. The undo relies on this,
    // not on the position saved after the computer's turn, which a switch of
    // sides leaves stale.
    bool turnHits[6] = {};
    // Set at the turn's first move when a die must not be passed.
    int32_t mustUseBoth = 0;
    // Points won since the program started, by side; entry 0 unused.
    int32_t runScore[3] = {};
    TotalScores totalScore = {};
    // While set, a new game's starter is the side to move instead of the opening throw.
    int32_t firstStarterFixed = 1;
    // Set while the human's turn waits for the throw, so that the human may
    // double first (a match, or "Double before the roll").
    bool awaitingRoll = false;
    // Matches won by side, as kept in the profile; entry 0 unused.
    int32_t matchesWon[3] = {};

    // Every game of the run as it was played, for the match text.
    RunRecord record;
    // The finished games of this run and earlier ones, newest last.
    std::vector<RecordedGame> keptGames;
    // The statistics history as the statistics file held it after the last game.
    StatsRecord history = FreshStatsRecord();

    // The options the game is played and shown by.
    Options options;
};

// "FirstMoveBy" names the starter of the first game only: 0 leaves it to the
// opening throw, otherwise that side starts.
void ApplyFirstMoveBy(Game& game);
