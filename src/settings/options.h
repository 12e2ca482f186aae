// The player's options, one process-wide int per key of the INI section
// "options", named by its key; "speed" is held as the pause per animation step.
#pragma once

#include <cstdint>

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

// All-time points by side; entry 0 unused.
extern int32_t g_totalScore[3];

// While set, a new game's starter is g_sideToMove instead of the opening throw.
extern int32_t g_firstStarterFixed;
