#include "shell/apply_settings.h"

#include <initializer_list>

#include "controller/board_orientation.h"
#include "controller/dice_display.h"
#include "controller/enable_rules.h"
#include "controller/file_failure.h"
#include "controller/game_view.h"
#include "controller/progress_bar.h"
#include "controller/session.h"
#include "display/pip_band.h"
#include "game/game.h"
#include "platform/profile.h"
#include "rules/location.h"
#include "rules/match_score.h"
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

FileResult ApplyGameSettings(Session& s, const GameSettings& chosen) {
    // FirstMoveBy acts at the next start only: the game in play keeps its starter.
    return StoreOptions({
        {"FirstMoveBy", s.game.options.firstMoveBy, chosen.firstMove},
        {"UseCube", s.game.options.useCube, chosen.useCube},
        {"AutoChangeTurn", s.game.options.autoChangeTurn, chosen.autoChangeTurn},
        {"AutoForcedMoves", s.game.options.autoForcedMoves, chosen.autoForced},
        {"IntelMoves", s.game.options.intelMoves, chosen.intelMoves},
        {"ManualDice", s.game.options.manualDice, chosen.manualDice},
        {"LevelOfPlay", s.game.options.levelOfPlay, chosen.level},
    });
}

FileResult ApplyVisualSettings(Session& s, const VisualSettings& chosen) {
    FileResult saved = StoreOptions({
        {"ShowProgress", s.game.options.showProgress, chosen.showProgress},
        {"HitShake", s.game.options.hitShake, chosen.shake},
        {"DiceAsIcons", s.game.options.diceAsIcons, chosen.pictureDice},
        {"HighLight", s.game.options.highLight, chosen.highlight},
        {"AutoFinish", s.game.options.autoFinish, chosen.autoFinish},
    });
    saved = FirstFailure(saved, WriteProfileInt(OPTIONS_SECTION, "speed", chosen.speed));
    s.game.options.moveDelay = 100 - chosen.speed;
    if (chosen.clockwise != s.game.options.clockWise) saved = FirstFailure(saved, TurnBoard(s, chosen.clockwise));
    // A key of the program's own: written only once the player has changed it.
    if (chosen.showPips != s.game.options.showPips)
        saved = FirstFailure(saved, StoreOptions({{"ShowPips", s.game.options.showPips, chosen.showPips}}));
    return saved;
}

// The match being played keeps its length: the options give the next one's.
FileResult ApplyMatchSettings(Session& s, const MatchSettings& chosen) {
    s.game.options.matchLength = chosen.length;
    s.game.options.doubleBeforeRoll = chosen.doubleBeforeRoll;
    s.game.options.tutor = chosen.tutor;
    return SaveMatchPageOptions(s.game.options);
}
}  // namespace

SettingsShown CurrentSettings(const Game& game) {
    return {
        .game = {.firstMove = game.options.firstMoveBy,
                 .useCube = game.options.useCube,
                 .autoChangeTurn = game.options.autoChangeTurn,
                 .autoForced = game.options.autoForcedMoves,
                 .intelMoves = game.options.intelMoves,
                 .manualDice = game.options.manualDice,
                 .level = game.options.levelOfPlay},
        .visual = {.speed = 100 - game.options.moveDelay,
                   .showProgress = game.options.showProgress,
                   .pictureDice = game.options.diceAsIcons,
                   .shake = game.options.hitShake,
                   .clockwise = game.options.clockWise,
                   .showPips = game.options.showPips,
                   .autoFinish = game.options.autoFinish,
                   .highlight = game.options.highLight},
        .match = {.length = game.options.matchLength,
                  .doubleBeforeRoll = game.options.doubleBeforeRoll,
                  .tutor = game.options.tutor},
        .humanScore = game.totalScore[SIDE_HUMAN],
        .computerScore = game.totalScore[SIDE_COMPUTER],
        .matchInPlay = IsMatch(game.position.match) ? game.position.match.length : 0,
    };
}

void ApplySettings(Session& s, BoardDisplay& board, const SettingsChosen& chosen) {
    FileResult saved;
    if (chosen.game) saved = ApplyGameSettings(s, *chosen.game);
    if (chosen.visual) saved = FirstFailure(saved, ApplyVisualSettings(s, *chosen.visual));
    if (chosen.match) saved = FirstFailure(saved, ApplyMatchSettings(s, *chosen.match));
    s.view.EnableCube(CanDouble(s));
    ShowDice(s);
    // The bar and the pip counts follow their options at once, also when
    // they were switched off.
    DrawProgressBar(s);
    DrawPipBand(board);
    ShowSaveFailure(s, {{g_profile.Path(), saved}});
}
