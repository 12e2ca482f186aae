#include "settings/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game.h"
#include "settings/settings_fixture.h"

namespace {
// Every value LoadSettings fills, in the order of its reads.
std::vector<int32_t> Loaded(const Game& game) {
    return {game.options.useCube,           game.options.autoFinish,     game.options.diceAsIcons,
            game.options.moveDelay,         game.options.autoChangeTurn, game.options.levelOfPlay,
            game.options.firstMoveBy,       game.options.showProgress,   game.options.autoForcedMoves,
            game.options.hitShake,          game.options.highLight,      game.options.intelMoves,
            game.options.manualDice,        game.options.clockWise,      game.totalScore[SIDE_HUMAN],
            game.totalScore[SIDE_COMPUTER], game.options.curScheme};
}

// cube off, auto finish "Ask", picture dice, speed 75, no auto change turn,
// skill "Good", human starts, progress bar, forced moves by hand, hit shake,
// highlight possible moves, no intelligent moves, no manual dice,
// counter-clockwise, scores 0 and 0, scheme A.
const std::vector<int32_t> kDefaults = {0, 2, 1, 25, 0, 2, 2, 1, 0, 1, 2, 0, 0, 0, 0, 0, 0};

struct LoadCase {
    const char* name;
    const char* ini;
    std::vector<int32_t> expected;
};

std::vector<int32_t> DefaultsWith(std::initializer_list<std::pair<int, int32_t>> changes) {
    std::vector<int32_t> v = kDefaults;
    for (const auto& [index, value] : changes) v[index] = value;
    return v;
}

enum {
    kUseCube,
    kAutoFinish,
    kDiceAsIcons,
    kMoveDelay,
    kAutoChangeTurn,
    kLevelOfPlay,
    kFirstMoveBy,
    kShowProgress,
    kAutoForcedMoves,
    kHitShake,
    kHighLight,
    kIntelMoves,
    kManualDice,
    kClockWise,
    kWit,
    kZwart,
    kCurScheme
};

const LoadCase kLoads[] = {
    {"no file", nullptr, kDefaults},
    {"empty file", "", kDefaults},
    {"speed 150", "[options]\nspeed=150\n", kDefaults},
    {"speed -5", "[options]\nspeed=-5\n", kDefaults},
    {"speed 0", "[options]\nspeed=0\n", DefaultsWith({{kMoveDelay, 100}})},
    {"speed 100", "[options]\nspeed=100\n", DefaultsWith({{kMoveDelay, 0}})},
    {"speed not a number", "[options]\nspeed=fast\n", kDefaults},
    {"every key",
     "[options]\nUseCube=1\nAutoFinish=0\nDiceAsIcons=0\nspeed=60\nAutoChangeTurn=1\nLevelOfPlay=0\n"
     "FirstMoveBy=1\nShowProgress=0\nAutoForcedMoves=1\nHitShake=0\nHighLight=1\nIntelMoves=1\n"
     "ManualDice=1\nClockWise=1\nCurScheme=3\n[game]\nwit=17\nzwart=250\n",
     {1, 0, 0, 40, 1, 0, 1, 0, 1, 0, 1, 1, 1, 1, 17, 250, 3}},
    {"the Expert", "[options]\nLevelOfPlay=3\n", DefaultsWith({{kLevelOfPlay, 3}})},
    {"values outside their range",
     "[options]\nUseCube=7\nAutoFinish=3\nDiceAsIcons=-1\nLevelOfPlay=5\nFirstMoveBy=-1\nHighLight=5\n"
     "ClockWise=2\nCurScheme=7\n[game]\nwit=-4\nzwart=-1\n",
     DefaultsWith({{kCurScheme, 7}})},
    {"totals a game could overflow", "[game]\nwit=2147483647\nzwart=1000000001\n", kDefaults},
    {"largest totals", "[game]\nwit=1000000000\nzwart=999999999\n",
     DefaultsWith({{kWit, 1000000000}, {kZwart, 999999999}})},
    {"keys in the wrong section", "[game]\nUseCube=1\n[options]\nwit=5\n", kDefaults},
};
}  // namespace

TEST_F(SettingsTest, LoadSettingsReadsEveryKeyAndKeepsDefaultsForBadValues) {
    for (const LoadCase& c : kLoads) {
        RestoreSettings();
        if (c.ini) WriteIni(c.ini);
        LoadSettings(game.options, game.totalScore);
        EXPECT_EQ(Loaded(game), c.expected) << c.name;
    }
}

// The keys the program adds: a board size or match length that is not
// offered means 100 or money play.
TEST_F(SettingsTest, AddedKeysAreReadAndOddValuesRefused) {
    const struct {
        const char* ini;
        int32_t showPips, zoom, matchLength, doubleBeforeRoll;
    } cases[] = {
        {"", 0, 100, 0, 0},
        {"ShowPips=1\nZoom=125\nMatchLength=7\nDoubleBeforeRoll=1\n", 1, 125, 7, 1},
        {"Zoom=150\nMatchLength=25\n", 0, 150, 25, 0},
        {"Zoom=200\nMatchLength=1\n", 0, 200, 1, 0},
        {"ShowPips=2\nZoom=175\nMatchLength=23\nDoubleBeforeRoll=2\n", 0, 100, 0, 0},
        {"ShowPips=-1\nZoom=0\nMatchLength=-7\nDoubleBeforeRoll=-1\n", 0, 100, 0, 0},
        {"Zoom=1500\nMatchLength=2\n", 0, 100, 0, 0},
        {"Zoom=big\nMatchLength=seven\n", 0, 100, 0, 0},
    };
    for (const auto& c : cases) {
        RestoreSettings();
        WriteIni(std::string("[options]\n") + c.ini);
        LoadSettings(game.options, game.totalScore);
        EXPECT_EQ(game.options.showPips, c.showPips) << c.ini;
        EXPECT_EQ(game.options.zoom, c.zoom) << c.ini;
        EXPECT_EQ(game.options.matchLength, c.matchLength) << c.ini;
        EXPECT_EQ(game.options.doubleBeforeRoll, c.doubleBeforeRoll) << c.ini;
        if (c.doubleBeforeRoll == 0) continue;
        ASSERT_TRUE(SaveMatchPageOptions(game.options));
        EXPECT_NE(IniText().find("MatchLength=7"), std::string::npos);
    }
}

TEST_F(SettingsTest, FirstMoveByFixesTheFirstStarter) {
    struct Case {
        int32_t firstMoveBy, sideToMove, starterFixed;
    };
    for (const Case& c : {Case{0, SIDE_NONE, 0}, Case{1, SIDE_COMPUTER, 1}, Case{2, SIDE_HUMAN, 1}}) {
        game.firstStarterFixed = 1;
        game.position.sideToMove = SIDE_NONE;
        WriteIni("[options]\nFirstMoveBy=" + std::to_string(c.firstMoveBy) + "\n");
        LoadSettings(game.options, game.totalScore);
        ApplyFirstMoveBy(game);
        EXPECT_EQ(game.position.sideToMove, c.sideToMove) << c.firstMoveBy;
        EXPECT_EQ(game.firstStarterFixed, c.starterFixed) << c.firstMoveBy;
    }
}

TEST_F(SettingsTest, ScoresAreWrittenInPlaceAndCleared) {
    WriteIni("[game]\r\nzwart=1\r\n; note\r\n[options]\r\nUseCube=1\r\n");
    game.totalScore[SIDE_HUMAN] = 12;
    game.totalScore[SIDE_COMPUTER] = 30;
    SaveScores(game.totalScore);
    EXPECT_EQ(IniText(), "[game]\r\nzwart=30\r\nwit=12\r\n; note\r\n[options]\r\nUseCube=1\r\n");
    ClearTotalScores(game.totalScore);
    EXPECT_EQ(game.totalScore[SIDE_HUMAN], 0);
    EXPECT_EQ(game.totalScore[SIDE_COMPUTER], 0);
    EXPECT_EQ(IniText(), "[game]\r\nzwart=0\r\nwit=0\r\n; note\r\n[options]\r\nUseCube=1\r\n");
}

TEST_F(SettingsTest, ScoresSurviveAFailedWrite) {
    WriteIni("[game]\nwit=3\n");
    game.totalScore[SIDE_HUMAN] = 5;
    {
        FileSizeLimit fullDisk(4);
        SaveScores(game.totalScore);
    }
    EXPECT_EQ(game.totalScore[SIDE_HUMAN], 5);
    EXPECT_EQ(IniText(), "[game]\nwit=3\n");
}
