#include "dialogs/dialog_builder.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
TEST(DialogBuilder, DialogUnitsScaleByTheFontsBaseUnits) {
    const DialogBaseUnits units{6, 13};
    struct Case {
        int x, y, w, h;
        Rect expected;
    };
    const Case cases[] = {
        {0, 0, 4, 8, {0, 0, 6, 13}},
        {10, 10, 84, 59, {15, 16, 141, 112}},
        {132, 28, 44, 14, {198, 46, 264, 68}},
    };
    for (const Case& c : cases) EXPECT_EQ(DialogUnitsToPixels(units, c.x, c.y, c.w, c.h), c.expected) << c.x;
}

class BuiltResignDialog : public ::testing::Test {
protected:
    void SetUp() override {
        const DialogTemplate* t = FindDialogTemplate(IDD_RESIGN);
        ASSERT_NE(t, nullptr);
        BuildDialog(dialog, *t);
        units = BaseUnitsOf(dialog.font());
    }
    QDialog dialog;
    DialogBaseUnits units{};
};

TEST_F(BuiltResignDialog, ControlsStandWhereTheTemplateSays) {
    EXPECT_EQ(dialog.windowTitle(), "Resign");
    const Rect size = DialogUnitsToPixels(units, 0, 0, 186, 79);
    EXPECT_EQ(dialog.size(), QSize(size.Width(), size.Height()));
    QRadioButton* gammon = DialogItemAs<QRadioButton>(dialog, 1088);
    ASSERT_NE(gammon, nullptr);
    const Rect r = DialogUnitsToPixels(units, 25, 38, 50, 8);
    EXPECT_EQ(gammon->geometry(), QRect(r.left, r.top, r.Width(), r.Height()));
    EXPECT_EQ(DialogItem(dialog, IDC_STATIC), nullptr);
    EXPECT_EQ(DialogItem(dialog, 4711), nullptr);
}

TEST_F(BuiltResignDialog, RadioButtonsOfAGroupExcludeEachOther) {
    auto* normal = DialogItemAs<QRadioButton>(dialog, 1087);
    auto* gammon = DialogItemAs<QRadioButton>(dialog, 1088);
    auto* backgammon = DialogItemAs<QRadioButton>(dialog, 1097);
    normal->setChecked(true);
    backgammon->setChecked(true);
    EXPECT_FALSE(normal->isChecked());
    EXPECT_FALSE(gammon->isChecked());
    EXPECT_TRUE(backgammon->isChecked());
}

TEST_F(BuiltResignDialog, OkAcceptsAndCancelRejects) {
    struct Case {
        int button;
        int result;
    };
    for (const Case c : {Case{1, QDialog::Accepted}, Case{2, QDialog::Rejected}}) {
        dialog.setResult(-1);
        DialogItemAs<QPushButton>(dialog, c.button)->click();
        EXPECT_EQ(dialog.result(), c.result) << c.button;
    }
    EXPECT_TRUE(DialogItemAs<QPushButton>(dialog, 1)->isDefault());
}

TEST(DialogBuilder, EveryTemplateBuildsWithEachIdFound) {
    for (const DialogTemplate* t : AllDialogTemplates()) {
        QDialog dialog;
        BuildDialog(dialog, *t);
        for (const DialogControl& c : t->controls)
            if (c.id != IDC_STATIC) {
                EXPECT_NE(DialogItem(dialog, c.id), nullptr) << t->id << " " << c.id;
            }
    }
}
}  // namespace
