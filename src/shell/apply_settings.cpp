#include "shell/apply_settings.h"

#include <initializer_list>

#include "controller/board_orientation.h"
#include "controller/dice_display.h"
#include "controller/enable_rules.h"
#include "controller/file_failure.h"
#include "controller/game_view.h"
#include "controller/progress_bar.h"
#include "dialogs/manual_dice_dialog.h"
#include "display/pip_band.h"
#include "game/game.h"
#include "platform/profile.h"
#include "rules/location.h"
#include "settings/options.h"

namespace {
struct StoredOption {
    const char* key;
    int32_t& option;
    int32_t value;
};

// Copies each value into its option and writes it to the profile, in order;
// the first write that failed is returned.
FileResult StoreOptions(std::initializer_list<StoredOption> options) {
    FileResult saved;
    for (const StoredOption& o : options) {
        o.option = o.value;
        saved = FirstFailure(saved, WriteProfileInt(OPTIONS_SECTION, o.key, o.value));
    }
    return saved;
}

FileResult ApplyGameSettings(const GameSettings& chosen) {
    // FirstMoveBy acts at the next start only: the game in play keeps its starter.
    return StoreOptions({
        {"FirstMoveBy", g_game.options.firstMoveBy, chosen.firstMove},
        {"UseCube", g_game.options.useCube, chosen.useCube},
        {"AutoChangeTurn", g_game.options.autoChangeTurn, chosen.autoChangeTurn},
        {"AutoForcedMoves", g_game.options.autoForcedMoves, chosen.autoForced},
        {"IntelMoves", g_game.options.intelMoves, chosen.intelMoves},
        {"ManualDice", g_game.options.manualDice, chosen.manualDice},
        {"LevelOfPlay", g_game.options.levelOfPlay, chosen.level},
    });
}

FileResult ApplyVisualSettings(const VisualSettings& chosen) {
    FileResult saved = StoreOptions({
        {"ShowProgress", g_game.options.showProgress, chosen.showProgress},
        {"HitShake", g_game.options.hitShake, chosen.shake},
        {"DiceAsIcons", g_game.options.diceAsIcons, chosen.pictureDice},
        {"HighLight", g_game.options.highLight, chosen.highlight},
        {"AutoFinish", g_game.options.autoFinish, chosen.autoFinish},
    });
    saved = FirstFailure(saved, WriteProfileInt(OPTIONS_SECTION, "speed", chosen.speed));
    g_game.options.moveDelay = 100 - chosen.speed;
    if (chosen.clockwise != g_game.options.clockWise) saved = FirstFailure(saved, TurnBoard(chosen.clockwise));
    // A key of the program's own: written only once the player has changed it.
    if (chosen.showPips != g_game.options.showPips)
        saved = FirstFailure(saved, StoreOptions({{"ShowPips", g_game.options.showPips, chosen.showPips}}));
    return saved;
}
}  // namespace

SettingsShown CurrentSettings() {
    return {
        .game = {.firstMove = g_game.options.firstMoveBy,
                 .useCube = g_game.options.useCube,
                 .autoChangeTurn = g_game.options.autoChangeTurn,
                 .autoForced = g_game.options.autoForcedMoves,
                 .intelMoves = g_game.options.intelMoves,
                 .manualDice = g_game.options.manualDice,
                 .level = g_game.options.levelOfPlay},
        .visual = {.speed = 100 - g_game.options.moveDelay,
                   .showProgress = g_game.options.showProgress,
                   .pictureDice = g_game.options.diceAsIcons,
                   .shake = g_game.options.hitShake,
                   .clockwise = g_game.options.clockWise,
                   .showPips = g_game.options.showPips,
                   .autoFinish = g_game.options.autoFinish,
                   .highlight = g_game.options.highLight},
        .humanScore = g_game.totalScore[SIDE_HUMAN],
        .computerScore = g_game.totalScore[SIDE_COMPUTER],
    };
}

void ApplySettings(const SettingsChosen& chosen) {
    FileResult saved;
    if (chosen.game) saved = ApplyGameSettings(*chosen.game);
    if (chosen.visual) saved = FirstFailure(saved, ApplyVisualSettings(*chosen.visual));
    FollowManualDiceOption();
    View().EnableCube(CanDouble());
    ShowDice();
    // The bar and the pip counts follow their options at once, also when
    // they were switched off.
    DrawProgressBar();
    DrawPipBand();
    ShowSaveFailure({{g_profile.Path(), saved}});
}
