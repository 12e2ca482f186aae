// Dialog 109, the statistics window shown after every game.
#include "resources/dialog_template_list.h"

namespace {

using enum ControlKind;
constexpr int S = IDC_STATIC;

constexpr DialogControl kControls[] = {
    {S, Label, "Dice", 54, 12, 25, 8, kAlignCenter},
    {S, Label, "Score", 169, 12, 20, 8, kAlignCenter},
    {S, Label, "Total", 197, 12, 23, 8, kAlignCenter},
    {S, Label, "Thinking time", 229, 12, 46, 8, kAlignCenter},
    {S, Label, "You", 10, 31, 33, 11, kAlignLeft},
    {202, Label, "", 53, 31, 25, 9, kAlignCenter},
    {211, Label, "", 169, 31, 20, 9, kAlignCenter},
    {221, Label, "", 197, 31, 24, 9, kAlignCenter},
    {217, Label, "", 231, 31, 50, 9, kAlignCenter},
    {S, Label, "Computer", 10, 51, 35, 10, kAlignLeft},
    {207, Label, "", 53, 51, 25, 9, kAlignCenter},
    {215, Label, "", 169, 51, 20, 9, kAlignCenter},
    {225, Label, "", 197, 51, 24, 9, kAlignCenter},
    {220, Label, "", 231, 51, 50, 9, kAlignCenter},
    {S, EtchedVert, "", 47, 13, 1, 55, 0},
    {S, EtchedHorz, "", 10, 26, 268, 1, 0},
    {S, EtchedHorz, "", 10, 46, 268, 1, 0},
    {S, EtchedVert, "", 162, 13, 1, 55, 0},
    {S, EtchedVert, "", 193, 13, 1, 55, 0},
    {S, EtchedVert, "", 224, 13, 1, 55, 0},
    {S, Label, "Doubles", 89, 12, 27, 8, kAlignCenter},
    {S, EtchedVert, "", 82, 13, 1, 55, 0},
    {203, Label, "", 92, 31, 20, 9, kAlignCenter},
    {208, Label, "", 92, 51, 20, 9, kAlignCenter},
    {S, EtchedVert, "", 121, 13, 1, 55, 0},
    {S, Label, "Hits made", 126, 12, 33, 8, kAlignCenter},
    {204, Label, "", 130, 31, 25, 9, kAlignCenter},
    {209, Label, "", 130, 51, 25, 9, kAlignCenter},
    {1059, Label, "% won", 21, 111, 22, 9, kAlignLeft},
    {1115, EtchedHorz, "", 35, 137, 242, 1, 0},  // graph's game axis
    {1117, EtchedVert, "", 47, 94, 1, 56, 0},    // graph's percentage axis
    // None of the three is the default button: Enter must not start a game.
    {1, PushButton, "&Again", 301, 15, 37, 14, kGroupStart},
    {2, PushButton, "&Quit", 301, 35, 37, 14, 0},
    {3, PushButton, "&More >>", 301, 55, 37, 14, 0},
    {1118, Label, "0", 264, 143, 13, 8, kAlignRight},
    {S, Label, "games played", 55, 140, 44, 8, kAlignLeft},
};

}  // namespace

extern const DialogTemplate kStatisticsDialog = {IDD_STATISTICS, "Statistics",      50,       57, 347, 161,
                                                 kDialogFont,    kDialogFontPoints, kControls};
