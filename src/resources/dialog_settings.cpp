// The three pages of the Settings sheet and the colour scheme dialog.
#include "resources/dialog_template_list.h"

namespace {

using enum ControlKind;
constexpr int S = IDC_STATIC;

constexpr DialogControl kGamePage[] = {
    {S, GroupBox, "S&kill level:", 7, 7, 110, 39, 0},
    {1056, DropDownList, "", 25, 24, 75, 50, 0},
    {S, GroupBox, "Other", 7, 50, 110, 90, 0},
    {1045, CheckBox, "&Auto change turn", 17, 64, 73, 10, 0},
    {1067, CheckBox, "Auto play &forced moves", 17, 79, 90, 10, 0},
    {1049, CheckBox, "&Use cube", 17, 94, 48, 10, 0},
    {1111, CheckBox, "Intelli&gent moves", 17, 109, 69, 10, 0},
    {1128, CheckBox, "Manual di&ce", 17, 124, 55, 10, 0},
    {S, GroupBox, "Current score", 125, 7, 85, 58, 0},
    {S, Label, "You", 133, 24, 14, 8, kAlignLeft},
    {1113, Edit, "", 173, 20, 32, 14, kReadOnly},
    {S, Label, "Computer", 133, 43, 33, 8, kAlignLeft},
    {1114, Edit, "", 174, 41, 32, 14, kReadOnly},
    {S, GroupBox, "&Who starts first game ?", 125, 70, 85, 69, 0},
    {1061, RadioButton, "Random", 136, 86, 50, 10, kGroupStart | kTabStop},
    {1062, RadioButton, "Computer", 136, 101, 50, 10, 0},
    {1063, RadioButton, "Human player", 136, 116, 59, 10, 0},
};

constexpr DialogControl kVisualPage[] = {
    {S, GroupBox, "S&peed of pieces", 7, 7, 110, 58, 0},
    {203, Edit, "", 25, 28, 25, 13, kDigitsOnly},
    {S, Label, "(1 - 100)", 59, 30, 28, 8, kAlignLeft},
    {S, GroupBox, "Other", 7, 70, 110, 69, 0},
    // Five check boxes share the height the first four had.
    {1064, CheckBox, "Show progre&ss bar", 17, 83, 75, 10, 0},
    {1102, CheckBox, "Picture &dice", 17, 94, 54, 10, 0},
    {1068, CheckBox, "Pie&ces shake when hit", 17, 105, 88, 10, 0},
    {1070, CheckBox, "Play clock&wise", 17, 116, 66, 10, 0},
    {1071, CheckBox, "S&how pip count", 17, 127, 64, 10, 0},
    {S, GroupBox, "Aut&o finish", 126, 7, 84, 58, 0},
    {1065, RadioButton, "Always quick", 136, 21, 56, 10, kGroupStart | kTabStop},
    {1066, RadioButton, "Always slow", 136, 35, 54, 10, 0},
    {1069, RadioButton, "Ask", 136, 49, 28, 10, 0},
    {S, GroupBox, "H&ighlight", 126, 70, 84, 69, 0},
    {1083, RadioButton, "None", 136, 86, 33, 10, kGroupStart | kTabStop},
    {1084, RadioButton, "Selected position", 136, 101, 70, 10, 0},
    {1085, RadioButton, "Possible moves", 136, 116, 65, 10, 0},
};

// The line under the list says so while a match is being played.
constexpr DialogControl kMatchPage[] = {
    {S, GroupBox, "&Match to", 7, 7, 203, 58, 0},
    {1130, DropDownList, "", 25, 24, 75, 120, 0},
    {1132, Label, "", 17, 43, 186, 16, kMultiline},
    {S, GroupBox, "Money games", 7, 70, 203, 42, 0},
    {1131, CheckBox, "&Double before the roll", 17, 84, 100, 10, 0},
    {S, Label, "In a match the cube always comes before the dice.", 17, 97, 186, 10, kMultiline},
    {S, GroupBox, "Coach", 7, 115, 203, 25, 0},
    {1133, CheckBox, "&Warn me about mistakes", 17, 126, 120, 10, 0},
};

// Each colour label shows its slot's colour as its background.
constexpr std::uint32_t kSwatch = kAlignCenter | kBorder;

constexpr DialogControl kColors[] = {
    {1011, Label, "Backgr&ound", 15, 10, 100, 15, kSwatch},
    {1017, PushButton, "..", 121, 10, 13, 14, 0},
    {1012, Label, "Position &A", 15, 32, 100, 15, kSwatch},
    {1018, PushButton, "..", 121, 32, 13, 14, 0},
    {1013, Label, "Position &B", 15, 54, 100, 15, kSwatch},
    {1019, PushButton, "..", 121, 54, 13, 14, 0},
    {1014, Label, "&Computer piece", 15, 76, 100, 15, kSwatch},
    {1020, PushButton, "..", 121, 76, 13, 14, 0},
    {1015, Label, "Hu&man piece", 15, 98, 100, 15, kSwatch},
    {1021, PushButton, "..", 121, 98, 13, 14, 0},
    {1024, Label, "Ba&r", 15, 120, 100, 15, kSwatch},
    {1023, PushButton, "..", 121, 120, 13, 14, 0},
    {S, GroupBox, "&Schemes", 150, 96, 85, 40, 0},
    {1022, DropDownList, "", 160, 112, 65, 65, kSorted},
    {1, DefaultButton, "O&K", 184, 10, 49, 14, 0},
    {2, PushButton, "Ca&ncel", 184, 29, 49, 14, 0},
    {1016, PushButton, "&Default", 184, 48, 49, 14, 0},
    {57670, PushButton, "&Help", 184, 67, 49, 14, 0},
};

}  // namespace

extern const DialogTemplate kGameSettingsPage = {IDD_SETTINGS_GAME, "Game",   0, 0, 217, 146, kDialogFont,
                                                 kDialogFontPoints, kGamePage};

extern const DialogTemplate kVisualSettingsPage = {IDD_SETTINGS_VISUAL, "Visual",          0,          0, 217, 146,
                                                   kDialogFont,         kDialogFontPoints, kVisualPage};

extern const DialogTemplate kMatchSettingsPage = {IDD_SETTINGS_MATCH, "Match",           0,         0, 217, 146,
                                                  kDialogFont,        kDialogFontPoints, kMatchPage};

extern const DialogTemplate kColorsDialog = {
    IDD_COLORS, "Choose or edit a colorscheme", 0, 0, 247, 149, kDialogFont, kDialogFontPoints, kColors};
