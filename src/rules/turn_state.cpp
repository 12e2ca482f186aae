#include "turn_state.h"

int32_t g_moveOrdinal = 0;
int32_t g_openingThrow = 1;
int32_t g_runScore[3];
int32_t g_awaitingConfirm = 0;
