#include "dialogs/visual_settings_page.h"

#include "controller/board_orientation.h"
#include "platform/profile.h"
#include "resources/dialog_templates.h"
#include "settings/options.h"

namespace {
constexpr int IDC_SPEED = 203;
constexpr int IDC_SHOW_PROGRESS = 1064;
constexpr int IDC_PICTURE_DICE = 1102;
constexpr int IDC_SHAKE = 1068;
constexpr int IDC_CLOCKWISE = 1070;
constexpr int IDC_SHOW_PIPS = 1071;
constexpr int IDC_FINISH_QUICK = 1065;
constexpr int IDC_FINISH_SLOW = 1066;
constexpr int IDC_FINISH_ASK = 1069;
constexpr int IDC_HIGHLIGHT_NONE = 1083;
constexpr int IDC_HIGHLIGHT_SELECTED = 1084;
constexpr int IDC_HIGHLIGHT_MOVES = 1085;
constexpr int32_t MIN_SPEED = 1;
constexpr int32_t MAX_SPEED = 100;
}  // namespace

VisualSettingsPage::VisualSettingsPage() : SettingsPage(IDD_SETTINGS_VISUAL, 1) {}

void VisualSettingsPage::InitPage() {
    pictureDice_ = DiceAsIcons;
    showProgress_ = ShowProgress;
    highlight_ = HighLight;
    autoFinish_ = AutoFinish;
    shake_ = HitShake;
    // A stored speed of 0 is shown as it is; OK then asks for one in range.
    speed_ = 100 - g_moveDelay;
    clockwise_ = ClockWise;
    showPips_ = ShowPips;
}

bool VisualSettingsPage::Exchange(bool save) {
    if (!ExchangeNumber(save, IDC_SPEED, speed_, MIN_SPEED, MAX_SPEED)) return false;
    ExchangeCheck(save, IDC_SHOW_PROGRESS, showProgress_);
    ExchangeCheck(save, IDC_PICTURE_DICE, pictureDice_);
    ExchangeCheck(save, IDC_SHAKE, shake_);
    ExchangeCheck(save, IDC_CLOCKWISE, clockwise_);
    ExchangeCheck(save, IDC_SHOW_PIPS, showPips_);
    ExchangeRadio(save, {IDC_FINISH_QUICK, IDC_FINISH_SLOW, IDC_FINISH_ASK}, autoFinish_);
    ExchangeRadio(save, {IDC_HIGHLIGHT_NONE, IDC_HIGHLIGHT_SELECTED, IDC_HIGHLIGHT_MOVES}, highlight_);
    return true;
}

FileResult VisualSettingsPage::Apply() {
    FileResult saved = StoreOptions({
        {"ShowProgress", ShowProgress, showProgress_},
        {"HitShake", HitShake, shake_},
        {"DiceAsIcons", DiceAsIcons, pictureDice_},
        {"HighLight", HighLight, highlight_},
        {"AutoFinish", AutoFinish, autoFinish_},
    });
    saved = FirstFailure(saved, WriteProfileInt(OPTIONS_SECTION, "speed", speed_));
    g_moveDelay = 100 - speed_;
    if (clockwise_ != ClockWise) saved = FirstFailure(saved, TurnBoard(clockwise_));
    // A key of the program's own: written only once the player has changed it.
    if (showPips_ != ShowPips) saved = FirstFailure(saved, StoreOptions({{"ShowPips", ShowPips, showPips_}}));
    return saved;
}
