// The three small modal dialogs: Resign, Manual dice and About.
#include "resources/dialog_template_list.h"

namespace {

using enum ControlKind;
constexpr int S = IDC_STATIC;

constexpr DialogControl kResign[] = {
    {S, GroupBox, "Choose", 10, 10, 84, 59, 0},
    {1087, RadioButton, "Normal", 25, 23, 39, 8, kGroupStart | kTabStop},
    {1088, RadioButton, "Gammon", 25, 38, 50, 8, 0},
    {1097, RadioButton, "Backgammon", 25, 53, 59, 8, 0},
    {1, DefaultButton, "OK", 132, 10, 44, 14, kGroupStart},
    {2, PushButton, "Cancel", 132, 28, 44, 14, 0},
};

constexpr DialogControl kManualDice[] = {
    {S, GroupBox, "Enter roll:", 5, 5, 120, 50, 0},
    {1121, Edit, "", 15, 26, 16, 12, 0},
    {1126, Icon, "", 37, 23, 20, 20, 0},
    {1122, Edit, "", 72, 26, 16, 12, 0},
    {1127, Icon, "", 95, 23, 20, 20, 0},
    {1, DefaultButton, "OK", 137, 10, 36, 13, 0},
    {2, PushButton, "Cancel", 137, 26, 36, 13, 0},
};

constexpr std::uint32_t kAboutField = kReadOnly | kAlignCenter | kMultiline | kNoBorder | kTabStop;

constexpr DialogControl kAbout[] = {
    {204, Label, "", 12, 14, 120, 15, kAlignCenter},
    {233, Label, "", 21, 39, 101, 8, kAlignCenter},
    {S, Icon, "", 61, 60, 20, 20, 0, 31234},
    {214, Edit, "", 10, 99, 124, 12, kAboutField},
    {212, Edit, "", 31, 126, 80, 12, kAboutField},
    // The only button is Cancel, so Esc and the close box end the box alike.
    {2, PushButton, "&OK", 53, 151, 39, 14, 0},
};

}  // namespace

extern const DialogTemplate kResignDialog = {IDD_RESIGN,  "Resign",          0,      0, 186, 79,
                                             kDialogFont, kDialogFontPoints, kResign};

extern const DialogTemplate kManualDiceDialog = {IDD_MANUAL_DICE, "Manual dice",     0,          0, 182, 61,
                                                 kDialogFont,     kDialogFontPoints, kManualDice};

extern const DialogTemplate kAboutDialog = {IDD_ABOUT, "About", 0, 0, 143, 170, kDialogFont, kDialogFontPoints, kAbout};
