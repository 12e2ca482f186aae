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
        {"FirstMoveBy", FirstMoveBy, chosen.firstMove},
        {"UseCube", UseCube, chosen.useCube},
        {"AutoChangeTurn", AutoChangeTurn, chosen.autoChangeTurn},
        {"AutoForcedMoves", AutoForcedMoves, chosen.autoForced},
        {"IntelMoves", IntelMoves, chosen.intelMoves},
        {"ManualDice", ManualDice, chosen.manualDice},
        {"LevelOfPlay", LevelOfPlay, chosen.level},
    });
}

FileResult ApplyVisualSettings(const VisualSettings& chosen) {
    FileResult saved = StoreOptions({
        {"ShowProgress", ShowProgress, chosen.showProgress},
        {"HitShake", HitShake, chosen.shake},
        {"DiceAsIcons", DiceAsIcons, chosen.pictureDice},
        {"HighLight", HighLight, chosen.highlight},
        {"AutoFinish", AutoFinish, chosen.autoFinish},
    });
    saved = FirstFailure(saved, WriteProfileInt(OPTIONS_SECTION, "speed", chosen.speed));
    g_moveDelay = 100 - chosen.speed;
    if (chosen.clockwise != ClockWise) saved = FirstFailure(saved, TurnBoard(chosen.clockwise));
    // A key of the program's own: written only once the player has changed it.
    if (chosen.showPips != ShowPips)
        saved = FirstFailure(saved, StoreOptions({{"ShowPips", ShowPips, chosen.showPips}}));
    return saved;
}
}  // namespace

SettingsShown CurrentSettings() {
    return {
        .game = {.firstMove = FirstMoveBy,
                 .useCube = UseCube,
                 .autoChangeTurn = AutoChangeTurn,
                 .autoForced = AutoForcedMoves,
                 .intelMoves = IntelMoves,
                 .manualDice = ManualDice,
                 .level = LevelOfPlay},
        .visual = {.speed = 100 - g_moveDelay,
                   .showProgress = ShowProgress,
                   .pictureDice = DiceAsIcons,
                   .shake = HitShake,
                   .clockwise = ClockWise,
                   .showPips = ShowPips,
                   .autoFinish = AutoFinish,
                   .highlight = HighLight},
        .humanScore = g_totalScore[SIDE_HUMAN],
        .computerScore = g_totalScore[SIDE_COMPUTER],
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
