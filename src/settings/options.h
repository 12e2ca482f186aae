// The player's options, one process-wide int per key of the INI section
// "options", named by its key; "speed" is held as the pause per animation step.
// They live in the application's profile and are read once at start-up;
// single keys are written back when they change.
#pragma once

#include <cstdint>

#include "platform/atomic_file.h"

inline const char* const INI_FILE_NAME = "kestro.ini";
inline const char* const OPTIONS_SECTION = "options";
inline const char* const GAME_SECTION = "game";

constexpr int32_t DEFAULT_SPEED = 75;

extern int32_t UseCube;
extern int32_t AutoFinish;
extern int32_t DiceAsIcons;
extern int32_t g_moveDelay;  // 100 - speed, milliseconds
extern int32_t AutoChangeTurn;
extern int32_t LevelOfPlay;
extern int32_t FirstMoveBy;
extern int32_t ShowProgress;
extern int32_t AutoForcedMoves;
extern int32_t HitShake;
extern int32_t HighLight;
extern int32_t IntelMoves;
extern int32_t ManualDice;
extern int32_t ClockWise;
extern int32_t CurScheme;

// Keys the program adds to the section: both sides' pip counts under the
// board (0/1), and the board size in percent of the desktop's own scale,
// which the program takes at its start.
extern int32_t ShowPips;
extern int32_t Zoom;
inline constexpr int32_t BOARD_SIZES[] = {100, 125, 150, 200};
// A stored size that is none of BOARD_SIZES means 100.
int32_t BoardSizeOrDefault(int32_t percent);

// All-time points by side; entry 0 unused.
extern int32_t g_totalScore[3];
// The largest total read from the profile. The end of a game adds up to 192
// points (64 × 3), so a total near the int limit would overflow; no player
// reaches this one.
constexpr int32_t MAX_TOTAL_SCORE = 1'000'000'000;

// While set, a new game's starter is the side to move instead of the opening throw.
extern int32_t g_firstStarterFixed;

// Reads every key of both sections. A key that is absent, or holds a value
// its option cannot take, leaves the option as it was; "CurScheme" is left
// for LoadCurrentScheme to judge.
void LoadSettings();

// Writes "wit" then "zwart" from g_totalScore. When a write fails, the totals
// in memory stay in force for the run; the first failure is returned.
FileResult SaveScores();

// Sets both totals to 0 and writes them, once the user has agreed; the
// totals are 0 for the run even when the writes fail.
FileResult ClearTotalScores();
