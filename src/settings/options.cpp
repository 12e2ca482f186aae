#include "options.h"

#include <algorithm>
#include <span>

#include "platform/profile.h"
#include "rules/location.h"
#include "rules/match_score.h"
#include "rules/position.h"

namespace {
// An option read from the profile and the largest value it can take; the
// smallest is always 0.
// It is an option, or else a side's all-time total.
struct StoredInt {
    const char* section;
    const char* key;
    int32_t Options::*option;
    int32_t max;
    int totalOf = SIDE_NONE;
};

int32_t& Place(const StoredInt& s, Options& options, TotalScores& totals) {
    return s.option ? options.*s.option : totals[s.totalOf];
}

// In the order they are read, with "speed" between the two option lists.
const StoredInt kBeforeSpeed[] = {
    {OPTIONS_SECTION, "UseCube", &Options::useCube, 1},
    {OPTIONS_SECTION, "AutoFinish", &Options::autoFinish, 2},
    {OPTIONS_SECTION, "DiceAsIcons", &Options::diceAsIcons, 1},
};
const StoredInt kAfterSpeed[] = {
    {OPTIONS_SECTION, "AutoChangeTurn", &Options::autoChangeTurn, 1},
    {OPTIONS_SECTION, "LevelOfPlay", &Options::levelOfPlay, 3},
    {OPTIONS_SECTION, "FirstMoveBy", &Options::firstMoveBy, 2},
    {OPTIONS_SECTION, "ShowProgress", &Options::showProgress, 1},
    {OPTIONS_SECTION, "AutoForcedMoves", &Options::autoForcedMoves, 1},
    {OPTIONS_SECTION, "HitShake", &Options::hitShake, 1},
    {OPTIONS_SECTION, "HighLight", &Options::highLight, 2},
    {OPTIONS_SECTION, "IntelMoves", &Options::intelMoves, 1},
    {OPTIONS_SECTION, "ManualDice", &Options::manualDice, 1},
    {OPTIONS_SECTION, "ClockWise", &Options::clockWise, 1},
    {GAME_SECTION, "wit", nullptr, MAX_TOTAL_SCORE, SIDE_HUMAN},
    {GAME_SECTION, "zwart", nullptr, MAX_TOTAL_SCORE, SIDE_COMPUTER},
};
const StoredInt kAdded[] = {
    {OPTIONS_SECTION, "ShowPips", &Options::showPips, 1},
    {OPTIONS_SECTION, "DoubleBeforeRoll", &Options::doubleBeforeRoll, 1},
    {OPTIONS_SECTION, "Tutor", &Options::tutor, 1},
    // A point and more is no mistake anyone needs telling of.
    {OPTIONS_SECTION, "TutorThreshold", &Options::tutorThreshold, 1000},
};

// The users of these values index tables and switch on them; a value the
// program never writes is treated like an absent key.
void Load(std::span<const StoredInt> list, Options& options, TotalScores& totals) {
    for (const StoredInt& s : list) {
        int32_t& place = Place(s, options, totals);
        const int32_t v = GetProfileInt(s.section, s.key, place);
        if (v >= 0 && v <= s.max) place = v;
    }
}

// "speed" 0 is accepted and gives the longest pause.
void LoadSpeed(Options& options) {
    const int32_t speed = GetProfileInt(OPTIONS_SECTION, "speed", DEFAULT_SPEED);
    options.moveDelay = speed >= 0 && speed <= 100 ? 100 - speed : 100 - DEFAULT_SPEED;
}
}  // namespace

void LoadSettings(Options& options, TotalScores& totals) {
    Load(kBeforeSpeed, options, totals);
    LoadSpeed(options);
    Load(kAfterSpeed, options, totals);
    // Taken as it stands: a number that names no scheme must reach
    // LoadCurrentScheme, which then falls back to the built-in colours rather
    // than to the scheme file's first scheme.
    options.curScheme = GetProfileInt(OPTIONS_SECTION, "CurScheme", options.curScheme);
    Load(kAdded, options, totals);
    options.zoom = BoardSizeOrDefault(GetProfileInt(OPTIONS_SECTION, "Zoom", options.zoom));
    options.matchLength = MatchLengthOrMoney(GetProfileInt(OPTIONS_SECTION, "MatchLength", options.matchLength));
}

FileResult SaveMatchPageOptions(const Options& options) {
    FileResult saved = WriteProfileInt(OPTIONS_SECTION, "MatchLength", options.matchLength);
    saved = FirstFailure(saved, WriteProfileInt(OPTIONS_SECTION, "DoubleBeforeRoll", options.doubleBeforeRoll));
    return FirstFailure(saved, WriteProfileInt(OPTIONS_SECTION, "Tutor", options.tutor));
}

int32_t BoardSizeOrDefault(int32_t percent) {
    return std::find(std::begin(BOARD_SIZES), std::end(BOARD_SIZES), percent) != std::end(BOARD_SIZES) ? percent : 100;
}

FileResult SaveScores(const TotalScores& totals) {
    const FileResult wit = WriteProfileInt(GAME_SECTION, "wit", totals[SIDE_HUMAN]);
    return FirstFailure(wit, WriteProfileInt(GAME_SECTION, "zwart", totals[SIDE_COMPUTER]));
}

FileResult ClearTotalScores(TotalScores& totals) {
    totals[SIDE_HUMAN] = 0;
    totals[SIDE_COMPUTER] = 0;
    return SaveScores(totals);
}
