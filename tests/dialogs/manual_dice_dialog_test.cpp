#include "dialogs/manual_dice_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/dialog_builder.h"
#include "dialogs/resign_dialog.h"
#include "game/game.h"
#include "game/turn_dice.h"
#include "resources/icons.h"
#include "rules/dice_throw.h"
#include "shell/game_wnd_fixture.h"

namespace {
class ManualDiceDialogTest : public GameWndTest {
protected:
    void SetUp() override { GameWndTest::SetUp(); }

    // The throw the dialog offers.
    const TwoDice offered{3, 5};
    static QLineEdit* Box(const ManualDiceDialog& d, int id) { return DialogItemAs<QLineEdit>(d, id); }
    // The die face a picture shows, or 0.
    static int Pips(const ManualDiceDialog& d, int id) {
        const QImage shown = DialogItemAs<QLabel>(d, id)->pixmap().toImage();
        for (int pips = 1; pips <= 6; ++pips)
            if (shown == DieFaceIcon(pips).convertToFormat(shown.format())) return pips;
        return 0;
    }
    static bool Selected(const QLineEdit* box) { return box->selectedText() == box->text() && !box->text().isEmpty(); }
    // Each key goes to the box that has the focus by then.
    static void Type(QDialog& d, const char* keys) {
        for (; *keys; ++keys) QTest::keyClick(d.focusWidget(), *keys);
    }
};

TEST_F(ManualDiceDialogTest, ResignOpensOnNormalAndAnswersWithTheCheckedKind) {
    for (int kind : {IDC_RESIGN_NORMAL, IDC_RESIGN_GAMMON, IDC_RESIGN_BACKGAMMON}) {
        ResignDialog dialog(wnd.get());
        EXPECT_TRUE(DialogItemAs<QRadioButton>(dialog, IDC_RESIGN_NORMAL)->isChecked());
        if (kind != IDC_RESIGN_NORMAL) DialogItemAs<QRadioButton>(dialog, kind)->click();
        dialog.accept();
        EXPECT_EQ(dialog.result(), kind);
    }
}

TEST_F(ManualDiceDialogTest, OpensOnTheOfferedThrowWithTheFirstBoxSelected) {
    ManualDiceDialog dialog(wnd.get(), offered, false);
    EXPECT_EQ(Box(dialog, IDC_DIE1)->text(), "3");
    EXPECT_EQ(Box(dialog, IDC_DIE2)->text(), "5");
    EXPECT_EQ(Pips(dialog, IDC_DIE1_PICTURE), 3);
    EXPECT_EQ(Pips(dialog, IDC_DIE2_PICTURE), 5);
    EXPECT_EQ(dialog.focusWidget(), Box(dialog, IDC_DIE1));
    EXPECT_TRUE(Selected(Box(dialog, IDC_DIE1)));
}

TEST_F(ManualDiceDialogTest, TypingADieMovesOnAndAnythingElseIsUndone) {
    const struct {
        const char* keys;
        const char* first;
        const char* second;
        int firstPips, secondPips;
        int focus;
        int beeps;
    } cases[] = {
        {"6", "6", "5", 6, 5, IDC_DIE2, 0}, {"62", "6", "2", 6, 2, IDC_DIE1, 0}, {"a", "3", "5", 3, 5, IDC_DIE1, 1},
        {"7", "3", "5", 3, 5, IDC_DIE1, 1}, {"0", "3", "5", 3, 5, IDC_DIE1, 1},  {"6x", "6", "5", 6, 5, IDC_DIE2, 1},
    };
    for (const auto& c : cases) {
        beeps = 0;
        ManualDiceDialog dialog(wnd.get(), offered, false);
        Type(dialog, c.keys);
        EXPECT_EQ(Box(dialog, IDC_DIE1)->text(), c.first) << c.keys;
        EXPECT_EQ(Box(dialog, IDC_DIE2)->text(), c.second) << c.keys;
        EXPECT_EQ(Pips(dialog, IDC_DIE1_PICTURE), c.firstPips) << c.keys;
        EXPECT_EQ(Pips(dialog, IDC_DIE2_PICTURE), c.secondPips) << c.keys;
        EXPECT_EQ(dialog.focusWidget(), Box(dialog, c.focus)) << c.keys;
        EXPECT_TRUE(Selected(Box(dialog, c.focus))) << c.keys;
        EXPECT_EQ(beeps, c.beeps) << c.keys;
    }
}

TEST_F(ManualDiceDialogTest, OkStoresTheDiceButNeverADoubleToOpenAGame) {
    const struct {
        const char* name;
        int opening;
        const char* keys;
        bool closes;
        int first, second;
        size_t messages;
    } cases[] = {
        {"two dice", 0, "62", true, 6, 2, 0},
        {"a double later in a game", 0, "44", true, 4, 4, 0},
        {"a double to open a game", 1, "44", false, 3, 5, 0},
        {"an empty box", 0, "", false, 3, 5, 1},
    };
    for (const auto& c : cases) {
        beeps = 0;
        questions.clear();
        ManualDiceDialog dialog(wnd.get(), offered, c.opening == 1);
        if (*c.keys)
            Type(dialog, c.keys);
        else
            QTest::keyClick(Box(dialog, IDC_DIE1), Qt::Key_Backspace);
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.closes) << c.name;
        EXPECT_EQ(beeps, c.closes ? 0 : 1) << c.name;
        EXPECT_EQ(questions.size(), c.messages) << c.name;
        EXPECT_EQ(dialog.Chosen().first, c.first) << c.name;
        EXPECT_EQ(dialog.Chosen().second, c.second) << c.name;
    }
}

TEST_F(ManualDiceDialogTest, ADoubleTypedLaterInTheGameGivesFourDice) {
    const int32_t saved = game().options.manualDice;
    game().options.manualDice = 1;
    game().openingThrow = 0;
    SetModalHook([](QDialog& dialog) {
        Type(dialog, "44");
        dialog.accept();
        return dialog.result();
    });
    ThrowTurnDice(game(), [this](TwoDice thrown, bool opening) { return wnd->ChooseDice(thrown, opening); });
    game().options.manualDice = saved;
    EXPECT_EQ(game().position.diceLeft, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(game().position.dice[i], 4);
}
}  // namespace
