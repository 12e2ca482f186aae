#include "options.h"

int32_t UseCube = 0;
int32_t AutoFinish = 2;
int32_t DiceAsIcons = 1;
int32_t g_moveDelay = 25;
int32_t AutoChangeTurn = 0;
int32_t LevelOfPlay = 2;
int32_t FirstMoveBy = 2;
int32_t ShowProgress = 1;
int32_t AutoForcedMoves = 0;
int32_t HitShake = 1;
int32_t HighLight = 2;
int32_t IntelMoves = 0;
int32_t ManualDice = 0;
int32_t ClockWise = 0;
int32_t CurScheme = 0;

int32_t g_totalScore[3] = {0, 0, 0};

int32_t g_firstStarterFixed = 1;
