#include "dialogs/visual_settings_page.h"

#include "resources/dialog_templates.h"

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

VisualSettingsPage::VisualSettingsPage(const VisualSettings& shown)
    : SettingsPage(IDD_SETTINGS_VISUAL), settings_(shown) {}

// A speed of 0 from the profile is shown as it is; OK then asks for one in range.
bool VisualSettingsPage::Exchange(bool save) {
    if (!ExchangeNumber(save, IDC_SPEED, settings_.speed, MIN_SPEED, MAX_SPEED)) return false;
    ExchangeCheck(save, IDC_SHOW_PROGRESS, settings_.showProgress);
    ExchangeCheck(save, IDC_PICTURE_DICE, settings_.pictureDice);
    ExchangeCheck(save, IDC_SHAKE, settings_.shake);
    ExchangeCheck(save, IDC_CLOCKWISE, settings_.clockwise);
    ExchangeCheck(save, IDC_SHOW_PIPS, settings_.showPips);
    ExchangeRadio(save, {IDC_FINISH_QUICK, IDC_FINISH_SLOW, IDC_FINISH_ASK}, settings_.autoFinish);
    ExchangeRadio(save, {IDC_HIGHLIGHT_NONE, IDC_HIGHLIGHT_SELECTED, IDC_HIGHLIGHT_MOVES}, settings_.highlight);
    return true;
}
