#include "options.h"

#include <algorithm>
#include <span>

#include "platform/profile.h"
#include "rules/location.h"
#include "rules/position.h"

int32_t UseCube = 0;
int32_t AutoFinish = 2;
int32_t DiceAsIcons = 1;
int32_t g_moveDelay = 100 - DEFAULT_SPEED;
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
int32_t ShowPips = 0;
int32_t Zoom = 100;

int32_t g_totalScore[3] = {0, 0, 0};

int32_t g_firstStarterFixed = 1;

namespace {
// An option read from the profile and the largest value it can take; the
// smallest is always 0.
struct StoredInt {
    const char* section;
    const char* key;
    int32_t* var;
    int32_t max;
};

// In the order they are read, with "speed" between the two option lists.
const StoredInt kBeforeSpeed[] = {
    {OPTIONS_SECTION, "UseCube", &UseCube, 1},
    {OPTIONS_SECTION, "AutoFinish", &AutoFinish, 2},
    {OPTIONS_SECTION, "DiceAsIcons", &DiceAsIcons, 1},
};
const StoredInt kAfterSpeed[] = {
    {OPTIONS_SECTION, "AutoChangeTurn", &AutoChangeTurn, 1},
    {OPTIONS_SECTION, "LevelOfPlay", &LevelOfPlay, 3},
    {OPTIONS_SECTION, "FirstMoveBy", &FirstMoveBy, 2},
    {OPTIONS_SECTION, "ShowProgress", &ShowProgress, 1},
    {OPTIONS_SECTION, "AutoForcedMoves", &AutoForcedMoves, 1},
    {OPTIONS_SECTION, "HitShake", &HitShake, 1},
    {OPTIONS_SECTION, "HighLight", &HighLight, 2},
    {OPTIONS_SECTION, "IntelMoves", &IntelMoves, 1},
    {OPTIONS_SECTION, "ManualDice", &ManualDice, 1},
    {OPTIONS_SECTION, "ClockWise", &ClockWise, 1},
    {GAME_SECTION, "wit", &g_totalScore[SIDE_HUMAN], MAX_TOTAL_SCORE},
    {GAME_SECTION, "zwart", &g_totalScore[SIDE_COMPUTER], MAX_TOTAL_SCORE},
};
const StoredInt kAdded[] = {
    {OPTIONS_SECTION, "ShowPips", &ShowPips, 1},
};

// The users of these values index tables and switch on them; a value the
// program never writes is treated like an absent key.
void Load(std::span<const StoredInt> list) {
    for (const StoredInt& s : list) {
        const int32_t v = GetProfileInt(s.section, s.key, *s.var);
        if (v >= 0 && v <= s.max) *s.var = v;
    }
}

// "speed" 0 is accepted and gives the longest pause.
void LoadSpeed() {
    const int32_t speed = GetProfileInt(OPTIONS_SECTION, "speed", DEFAULT_SPEED);
    g_moveDelay = speed >= 0 && speed <= 100 ? 100 - speed : 100 - DEFAULT_SPEED;
}
}  // namespace

void LoadSettings() {
    Load(kBeforeSpeed);
    LoadSpeed();
    Load(kAfterSpeed);
    // Taken as it stands: a number that names no scheme must reach
    // LoadCurrentScheme, which then falls back to the built-in colours rather
    // than to the scheme file's first scheme.
    CurScheme = GetProfileInt(OPTIONS_SECTION, "CurScheme", CurScheme);
    Load(kAdded);
    Zoom = BoardSizeOrDefault(GetProfileInt(OPTIONS_SECTION, "Zoom", Zoom));
}

int32_t BoardSizeOrDefault(int32_t percent) {
    return std::find(std::begin(BOARD_SIZES), std::end(BOARD_SIZES), percent) != std::end(BOARD_SIZES) ? percent : 100;
}

FileResult SaveScores() {
    const FileResult wit = WriteProfileInt(GAME_SECTION, "wit", g_totalScore[SIDE_HUMAN]);
    return FirstFailure(wit, WriteProfileInt(GAME_SECTION, "zwart", g_totalScore[SIDE_COMPUTER]));
}

FileResult ClearTotalScores() {
    g_totalScore[SIDE_HUMAN] = 0;
    g_totalScore[SIDE_COMPUTER] = 0;
    return SaveScores();
}
