#include "resources/dialog_templates.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(DialogTemplates, EveryResourceIdIsFoundWithItsSizeAndTitle) {
    struct Row {
        int id;
        const char* title;
        int w, h;
        size_t controls;
    };
    const Row expected[] = {
        {109, "Statistics", 347, 161, 36}, {114, "Choose or edit a colorscheme", 247, 149, 18},
        {177, "Resign", 186, 79, 6},       {206, "About", 143, 170, 6},
        {216, "Game", 217, 146, 17},       {217, "Visual", 217, 146, 17},
        {220, "Manual dice", 182, 61, 7},  {221, "Match", 217, 146, 8},
    };
    for (const Row& row : expected) {
        const DialogTemplate* dialog = FindDialogTemplate(row.id);
        ASSERT_NE(dialog, nullptr) << row.id;
        EXPECT_STREQ(dialog->title, row.title);
        EXPECT_EQ(dialog->w, row.w) << row.id;
        EXPECT_EQ(dialog->h, row.h) << row.id;
        EXPECT_EQ(dialog->controls.size(), row.controls) << row.id;
        EXPECT_STREQ(dialog->fontName, "MS Sans Serif");
        EXPECT_EQ(dialog->fontPoints, 8);
    }
    EXPECT_EQ(AllDialogTemplates().size(), std::size(expected));
    EXPECT_EQ(FindDialogTemplate(222), nullptr);
}

TEST(DialogTemplates, ControlIdsAreUniqueAndControlsFitTheDialog) {
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        SCOPED_TRACE(dialog->id);
        std::set<int> seen;
        for (const DialogControl& c : dialog->controls) {
            if (c.id != IDC_STATIC) {
                EXPECT_TRUE(seen.insert(c.id).second) << c.id;
            }
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_LE(c.x + c.w, dialog->w) << c.id << " " << c.text;
            // A drop-down list's height includes its open list.
            if (c.kind != ControlKind::DropDownList) {
                EXPECT_LE(c.y + c.h, dialog->h) << c.id << " " << c.text;
            }
        }
    }
}

TEST(DialogTemplates, EveryRadioGroupStartsWithAGroupMark) {
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        bool inRadioGroup = false;
        for (const DialogControl& c : dialog->controls) {
            bool radio = c.kind == ControlKind::RadioButton;
            if (radio) {
                EXPECT_EQ((c.style & kGroupStart) != 0, !inRadioGroup) << dialog->id << " " << c.text;
            }
            inRadioGroup = radio;
        }
    }
}

TEST(DialogTemplates, ControlsTheCodeLooksUp) {
    struct Row {
        int dialog, control;
        ControlKind kind;
        const char* text;
        int x, y, w, h;
    };
    const Row expected[] = {
        {109, 3, ControlKind::PushButton, "&More >>", 301, 55, 37, 14},
        {109, 1117, ControlKind::EtchedVert, "", 47, 94, 1, 56},
        {109, 1118, ControlKind::Label, "0", 264, 143, 13, 8},
        {114, 57670, ControlKind::PushButton, "&Help", 184, 67, 49, 14},
        {114, 1024, ControlKind::Label, "Ba&r", 15, 120, 100, 15},
        {177, 1097, ControlKind::RadioButton, "Backgammon", 25, 53, 59, 8},
        {206, 2, ControlKind::PushButton, "&OK", 53, 151, 39, 14},
        {206, 214, ControlKind::Edit, "", 10, 99, 124, 12},
        {216, 1056, ControlKind::DropDownList, "", 25, 24, 75, 50},
        {217, 203, ControlKind::Edit, "", 25, 28, 25, 13},
        {220, 1127, ControlKind::Icon, "", 95, 23, 20, 20},
    };
    for (const Row& row : expected) {
        SCOPED_TRACE(std::to_string(row.dialog) + "/" + std::to_string(row.control));
        const DialogControl* c = FindControl(*FindDialogTemplate(row.dialog), row.control);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind, row.kind);
        EXPECT_STREQ(c->text, row.text);
        EXPECT_EQ(c->x, row.x);
        EXPECT_EQ(c->y, row.y);
        EXPECT_EQ(c->w, row.w);
        EXPECT_EQ(c->h, row.h);
    }
    EXPECT_EQ(FindControl(*FindDialogTemplate(109), IDC_STATIC), nullptr);
}

TEST(DialogTemplates, AboutBoxShowsTheProgramIconAndStatisticsSitsBelowItsOwner) {
    const DialogTemplate& about = *FindDialogTemplate(IDD_ABOUT);
    int icons = 0;
    for (const DialogControl& c : about.controls)
        if (c.kind == ControlKind::Icon) {
            ++icons;
            EXPECT_EQ(c.icon, 31234);
        }
    EXPECT_EQ(icons, 1);
    const DialogTemplate& stats = *FindDialogTemplate(IDD_STATISTICS);
    EXPECT_EQ(stats.x, 50);
    EXPECT_EQ(stats.y, 57);
}

}  // namespace
