// The player's options as one value. They live in the application's profile
// and are read once at start-up; single keys are written back when they change.
#pragma once

#include <cstdint>

#include "platform/atomic_file.h"
#include "settings/color_scheme.h"

inline const char* const INI_FILE_NAME = "kestro.ini";
inline const char* const OPTIONS_SECTION = "options";
inline const char* const GAME_SECTION = "game";

constexpr int32_t DEFAULT_SPEED = 75;

// The options, one per key of the INI section "options", named by its key;
// "speed" is held as the pause per animation step. The window's colours,
// those of scheme `curScheme`, are kept with them.
struct Options {
    int32_t useCube = 0;
    int32_t autoFinish = 2;
    int32_t diceAsIcons = 1;
    int32_t moveDelay = 100 - DEFAULT_SPEED;  // 100 - speed, milliseconds
    int32_t autoChangeTurn = 0;
    int32_t levelOfPlay = 2;
    int32_t firstMoveBy = 2;
    int32_t showProgress = 1;
    int32_t autoForcedMoves = 0;
    int32_t hitShake = 1;
    int32_t highLight = 2;
    int32_t intelMoves = 0;
    int32_t manualDice = 0;
    int32_t clockWise = 0;
    int32_t curScheme = 0;
    // Keys the program adds to the section: both sides' pip counts under the
    // board (0/1), and the board size in percent of the desktop's own scale,
    // which the program takes at its start.
    int32_t showPips = 0;
    int32_t zoom = 100;
    // The length of the next match (0: money play, one of MATCH_LENGTHS), and
    // whether a money game's doubles come before the throw as a match's do.
    int32_t matchLength = 0;
    int32_t doubleBeforeRoll = 0;
    // Whether the human is warned before a play or cube decision that gives
    // up at least tutorThreshold thousandths of a point.
    int32_t tutor = 0;
    int32_t tutorThreshold = 80;
    // The colours of scheme `curScheme`, read at every paint; black until the start-up load.
    ColorScheme colors{};

    bool operator==(const Options&) const = default;
};
inline constexpr int32_t BOARD_SIZES[] = {100, 125, 150, 200};
// A stored size that is none of BOARD_SIZES means 100.
int32_t BoardSizeOrDefault(int32_t percent);

// All-time points by side; entry 0 unused.
using TotalScores = int32_t[3];
// The largest total read from the profile. The end of a game adds up to 192
// points (64 × 3), so a total near the int limit would overflow; no player
// reaches this one.
constexpr int32_t MAX_TOTAL_SCORE = 1'000'000'000;

// Reads every key of both sections. A key that is absent, or holds a value
// its option cannot take, leaves the option as it was; "CurScheme" is left
// for LoadCurrentScheme to judge.
void LoadSettings(Options& options, TotalScores& totals);

// Writes "MatchLength", "DoubleBeforeRoll" then "Tutor"; the first failure is returned.
FileResult SaveMatchPageOptions(const Options& options);

// Writes "wit" then "zwart". When a write fails, the totals in memory stay
// in force for the run; the first failure is returned.
FileResult SaveScores(const TotalScores& totals);

// Sets both totals to 0 and writes them, once the user has agreed; the
// totals are 0 for the run even when the writes fail.
FileResult ClearTotalScores(TotalScores& totals);
