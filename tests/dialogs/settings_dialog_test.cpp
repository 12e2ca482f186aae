#include "dialogs/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <sstream>

#include "controller/dice_display.h"
#include "controller/file_failure.h"
#include "controller/game_fixture.h"
#include "dialogs/color_scheme_dialog.h"
#include "dialogs/dialog_builder.h"
#include "dialogs/manual_dice_dialog.h"
#include "dialogs/settings_page.h"
#include "game/game.h"
#include "game/game_file.h"
#include "platform/canvas.h"
#include "platform/modal.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "settings/position_file.h"
#include "shell/apply_settings.h"
#include "temp_dir.h"

namespace {
constexpr int GAME = 0;
constexpr int VISUAL = 1;
constexpr int MATCH = 2;
constexpr int IDC_MANUAL_DICE = 1128;

using User = std::function<void(SettingsDialog&)>;
void Press(SettingsDialog& sheet, const char* text) {
    for (auto* button : sheet.findChildren<QPushButton*>())
        if (button->text() == text) button->click();
}
User Check(int page, int id, bool on) {
    return [=](SettingsDialog& s) { DialogItemAs<QCheckBox>(*s.Page(page), id)->setChecked(on); };
}
QLineEdit* Edit(SettingsDialog& sheet, int page, int id) { return DialogItemAs<QLineEdit>(*sheet.Page(page), id); }

// The real window with the profile in a folder of the test's own; every
// option the sheet may change is put back afterwards.
class SettingsDialogTest : public GameTest {
protected:
    void SetUp() override {
        oldProfile_ = std::exchange(g_profile, Profile(dir_.File(INI_FILE_NAME)));
        GameTest::SetUp();
    }
    void TearDown() override {
        SetModalHook({});
        GameTest::TearDown();
        g_profile = oldProfile_;
    }

    // The Settings command, with `user` acting in the sheet.
    void OpenSettings(const User& user) {
        SetModalHook([&](QDialog& dialog) {
            user(static_cast<SettingsDialog&>(dialog));
            return dialog.result();
        });
        wnd->RunCommand(ID_SETTINGS);
    }
    // The same opened on `page`: the sheet opens on the page it was left on.
    void RunSettings(int page, const User& user) {
        OpenSettings([page](SettingsDialog& s) {
            s.SetActivePage(page);
            Press(s, "Cancel");
        });
        OpenSettings(user);
    }

    // The profile's keys in file order.
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        const auto bytes = ReadFileBytes(g_profile.Path(), MAX_PROFILE_BYTES);
        std::istringstream text(bytes ? std::string(bytes->begin(), bytes->end()) : "");
        for (std::string line; std::getline(text, line);)
            if (auto eq = line.find('='); eq != std::string::npos) keys.push_back(line.substr(0, eq));
        return keys;
    }

    TempDir dir_{"settings-sheet"};
    Profile oldProfile_{""};
};

TEST_F(SettingsDialogTest, OpensOnThePageShownLastAndShowsTheScoresReadOnly) {
    game().totalScore[SIDE_HUMAN] = 12;
    game().totalScore[SIDE_COMPUTER] = 7;
    RunSettings(GAME, [](SettingsDialog& s) {
        EXPECT_EQ(Edit(s, GAME, 1113)->text(), "12");
        EXPECT_EQ(Edit(s, GAME, 1114)->text(), "7");
        EXPECT_TRUE(Edit(s, GAME, 1113)->isReadOnly() && Edit(s, GAME, 1114)->isReadOnly());
    });
    const struct {
        int goTo;
        const char* button;
        int opensOnNext;
    } steps[] = {{VISUAL, "Cancel", VISUAL}, {GAME, "Cancel", GAME}, {VISUAL, "OK", VISUAL}};
    int opensOn = GAME;
    for (const auto& s : steps) {
        OpenSettings([&](SettingsDialog& sheet) {
            EXPECT_EQ(sheet.ActiveIndex(), opensOn);
            EXPECT_FALSE(sheet.Page(s.goTo)->Shown());
            sheet.SetActivePage(s.goTo);
            Press(sheet, s.button);
        });
        opensOn = s.opensOnNext;
    }
    OpenSettings([&](SettingsDialog& sheet) { EXPECT_EQ(sheet.ActiveIndex(), opensOn); });
}

TEST_F(SettingsDialogTest, OkWritesTheKeysOfThePagesShownInOrder) {
    const std::vector<std::string> game = {"FirstMoveBy", "UseCube",    "AutoChangeTurn", "AutoForcedMoves",
                                           "IntelMoves",  "ManualDice", "LevelOfPlay"};
    const std::vector<std::string> visual = {"ShowProgress", "HitShake",   "DiceAsIcons",
                                             "HighLight",    "AutoFinish", "speed"};
    std::vector<std::string> both = game, turned = visual;
    both.insert(both.end(), visual.begin(), visual.end());
    turned.push_back("ClockWise");
    std::vector<std::string> pips = visual, matched = visual;
    matched.insert(matched.end(), {"MatchLength", "DoubleBeforeRoll", "Tutor"});
    pips.push_back("ShowPips");
    const struct {
        const char* name;
        int page;
        User act;
        const char* button;
        std::vector<std::string> keys;
    } cases[] = {
        {"Game only", GAME, [](SettingsDialog&) {}, "OK", game},
        {"Game, then Visual", GAME, [](SettingsDialog& s) { s.SetActivePage(VISUAL); }, "OK", both},
        {"Visual only", VISUAL, [](SettingsDialog&) {}, "OK", visual},
        {"Visual, then Match", VISUAL, [](SettingsDialog& s) { s.SetActivePage(MATCH); }, "OK", matched},
        {"clockwise turned", VISUAL, Check(VISUAL, 1070, true), "OK", turned},
        {"pip count shown", VISUAL, Check(VISUAL, 1071, true), "OK", pips},
        {"Cancel", GAME, Check(GAME, 1049, true), "Cancel", {}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(g_profile.Path());
        RunSettings(c.page, [&](SettingsDialog& s) {
            c.act(s);
            Press(s, c.button);
        });
        EXPECT_EQ(Keys(), c.keys) << c.name;
    }
    EXPECT_EQ(this->game().options.useCube, 0);
}

TEST_F(SettingsDialogTest, TheSkillListOffersTheExpertAndKeepsIt) {
    constexpr int IDC_SKILL = 1056;
    RunSettings(GAME, [](SettingsDialog& s) {
        auto* skill = DialogItemAs<QComboBox>(*s.Page(GAME), IDC_SKILL);
        ASSERT_EQ(skill->count(), 4);
        EXPECT_EQ(skill->itemText(3), "Expert");
        skill->setCurrentIndex(3);
        Press(s, "OK");
    });
    EXPECT_EQ(game().options.levelOfPlay, 3);
    EXPECT_EQ(GetProfileInt(OPTIONS_SECTION, "LevelOfPlay", -1), 3);
    RunSettings(GAME, [](SettingsDialog& s) {
        EXPECT_EQ(DialogItemAs<QComboBox>(*s.Page(GAME), IDC_SKILL)->currentIndex(), 3);
        Press(s, "Cancel");
    });
}

TEST_F(SettingsDialogTest, TheMatchPageChoosesTheNextMatchAndSaysWhileOneIsPlayed) {
    constexpr int IDC_LENGTH = 1130, IDC_BEFORE_ROLL = 1131, IDC_IN_PLAY = 1132;
    const struct {
        int32_t length, inPlay;
        const char *shown, *line, *picked;
        int32_t chosen;
    } cases[] = {
        {0, 0, "Money game", "", "1 point", 1},
        {1, 3, "1 point", "A match to 3 is being played; a new length takes effect with the next match.", "25 points",
         25},
        {25, 7, "25 points", "A match to 7 is being played; a new length takes effect with the next match.",
         "Money game", 0},
    };
    for (const auto& c : cases) {
        const MatchScore played{c.inPlay, {0, 1, 2}, false};
        game().options.matchLength = c.length;
        game().options.doubleBeforeRoll = c.chosen != 0;
        game().position.match = played;
        RunSettings(MATCH, [&](SettingsDialog& s) {
            auto* length = DialogItemAs<QComboBox>(*s.Page(MATCH), IDC_LENGTH);
            EXPECT_EQ(length->currentText(), c.shown);
            EXPECT_EQ(DialogItemAs<QLabel>(*s.Page(MATCH), IDC_IN_PLAY)->text(), c.line);
            length->setCurrentText(c.picked);
            Check(MATCH, IDC_BEFORE_ROLL, c.chosen == 0)(s);
            Press(s, "OK");
        });
        EXPECT_EQ(game().options.matchLength, c.chosen) << c.shown;
        EXPECT_EQ(GetProfileInt(OPTIONS_SECTION, "MatchLength", -1), c.chosen) << c.shown;
        EXPECT_EQ(GetProfileInt(OPTIONS_SECTION, "DoubleBeforeRoll", -1), c.chosen == 0) << c.shown;
        EXPECT_EQ(game().position.match, played) << c.shown << ": the match being played keeps its length";
    }
}

TEST_F(SettingsDialogTest, SpeedOutsideOneToHundredIsRefusedAndTheSheetStaysOpen) {
    ASSERT_TRUE(WriteFileAtomically(g_profile.Path(), "[options]\nspeed=0\n", 18));
    LoadSettings(game().options, game().totalScore);
    // Never shown, the Visual page checks nothing.
    RunSettings(GAME, [](SettingsDialog& s) { Press(s, "OK"); });
    EXPECT_EQ(game().options.moveDelay, 100);

    const struct {
        const char* typed;  // nullptr: as the page shows it
        const char* shown;
        bool refused;
    } steps[] = {{nullptr, "0", true}, {"", "", true}, {"101", "101", true}, {"-5x", "5", false}};
    RunSettings(VISUAL, [&](SettingsDialog& sheet) {
        QLineEdit* speed = Edit(sheet, VISUAL, 203);
        for (const auto& s : steps) {
            if (s.typed) {
                speed->clear();
                QTest::keyClicks(speed, s.typed);
            }
            EXPECT_EQ(speed->text(), s.shown);
            questions.clear();
            sheet.SetActivePage(GAME);
            Press(sheet, "OK");
            EXPECT_EQ(sheet.ActiveIndex(), s.refused ? VISUAL : GAME) << s.shown;
            EXPECT_EQ(sheet.result() == QDialog::Accepted, !s.refused) << s.shown;
            // Leaving the page and OK each say why.
            EXPECT_EQ(questions.size(), s.refused ? 2u : 0u) << s.shown;
        }
    });
    EXPECT_EQ(game().options.moveDelay, 95);
    EXPECT_EQ(GetProfileInt(OPTIONS_SECTION, "speed", -1), 5);
}

TEST_F(SettingsDialogTest, ClockwiseMidTurnKeepsTheCheckersAndTheTurnStart) {
    ShowActive();
    Setup({{1, 2}, {12, 13}, {4, -1}, {24, -14}}, {3, 5});
    std::vector<int> start, moved, turned, undone;
    auto counts = [this](std::vector<int>& into) {
        for (int loc = 0; loc < NUM_LOCATIONS; ++loc) into.push_back(Count(loc));
    };
    counts(start);
    Click(1);
    Click(4);
    counts(moved);
    const Bytes saved = EncodePositionFile(CapturePositionFile(game()));
    const QImage before = wnd->GetCanvas().Image().copy();

    RunSettings(VISUAL, [](SettingsDialog& s) {
        Check(VISUAL, 1070, true)(s);
        Press(s, "OK");
    });
    EXPECT_EQ(game().options.clockWise, 1);
    EXPECT_NE(wnd->GetCanvas().Image(), before);
    counts(turned);
    EXPECT_EQ(turned, moved);
    EXPECT_EQ(EncodePositionFile(CapturePositionFile(game())), saved);

    wnd->RunCommand(ID_UNDO);
    counts(undone);
    EXPECT_EQ(undone, start);
}

TEST_F(SettingsDialogTest, TheManualDiceDialogFollowsTheOptionFromTheStartAndMidGame) {
    int dialogs = 0;
    const auto countDialogs = [&dialogs] {
        dialogs = 0;
        SetModalHook([&dialogs](QDialog& dialog) {
            dialogs += qobject_cast<ManualDiceDialog*>(&dialog) != nullptr;
            return int{QDialog::Accepted};
        });
    };
    for (bool on : {true, false}) {
        // A window opened with the option: its first game's opening throw.
        WriteProfileInt(OPTIONS_SECTION, "ManualDice", on);
        countDialogs();
        wnd.reset();
        wnd = std::make_unique<GameWnd>(1024);
        FlushInput();
        EXPECT_EQ(dialogs > 0, on) << on;
        // Turned the other way in the sheet, in the middle of the game.
        RunSettings(GAME, [&](SettingsDialog& s) {
            Check(GAME, IDC_MANUAL_DICE, !on)(s);
            Press(s, "OK");
        });
        countDialogs();
        ThrowDiceForTurn(session());
        EXPECT_EQ(dialogs, on ? 0 : 1) << on;
    }
}

TEST_F(SettingsDialogTest, OkShowsTheDiceTheCubeAndTheProgressBarAtOnce) {
    ShowActive();
    Setup({{1, 2}, {12, 13}, {24, -15}}, {3, 5});
    const struct {
        const char* name;
        int page;
        int id;
        bool on;
        bool diceShown;
        bool cubeEnabled;
        bool barShown;
    } cases[] = {
        {"picture dice off", VISUAL, 1102, false, false, false, true},
        {"picture dice on", VISUAL, 1102, true, true, false, true},
        {"cube on", GAME, 1049, true, true, true, true},
        {"cube off", GAME, 1049, false, true, false, true},
        {"progress bar off", VISUAL, 1064, false, true, false, false},
        {"progress bar on", VISUAL, 1064, true, true, false, true},
    };
    game().options.showProgress = 1;
    for (const auto& c : cases) {
        RunSettings(c.page, [&](SettingsDialog& s) {
            Check(c.page, c.id, c.on)(s);
            Press(s, "OK");
        });
        for (int k = 0; k < 2; ++k) EXPECT_EQ(wnd->DieWindowShown(DIE_GROUP_HUMAN, k), c.diceShown) << c.name;
        EXPECT_EQ(wnd->CubeEnabled(), c.cubeEnabled) << c.name;
        EXPECT_EQ(wnd->GetProgressBar().shown, c.barShown) << c.name;
    }
}
}  // namespace

TEST_F(SettingsDialogTest, GroupBoxMnemonicsMoveTheFocusToTheFirstControlAfterThem) {
    game().options.firstMoveBy = 2;
    game().options.autoFinish = 1;
    game().options.highLight = 2;
    SettingsDialog sheet(wnd.get(), CurrentSettings(game()), GAME);
    ColorSchemeDialog colours(wnd.get(), game().options.curScheme, "");
    // Into a radio group the focus goes to the checked button, as with Tab.
    const struct {
        const char* group;
        QDialog* dialog;
        int page;  // the sheet's page, or -1
        Qt::Key key;
        int focused;
    } cases[] = {
        {"S&kill level:", &sheet, GAME, Qt::Key_K, 1056},
        {"&Who starts first game ?", &sheet, GAME, Qt::Key_W, 1063},
        {"S&peed of pieces", &sheet, VISUAL, Qt::Key_P, 203},
        {"Aut&o finish", &sheet, VISUAL, Qt::Key_O, 1066},
        {"H&ighlight", &sheet, VISUAL, Qt::Key_I, 1085},
        {"&Schemes", &colours, -1, Qt::Key_S, 1022},
    };
    QDialog* shown = nullptr;
    for (const auto& c : cases) {
        if (c.dialog != shown) {
            if (shown) shown->hide();
            shown = c.dialog;
            shown->show();
            ASSERT_TRUE(Activate(shown)) << c.group;
        }
        if (c.page >= 0) sheet.SetActivePage(c.page);
        shown->findChildren<QPushButton*>().front()->setFocus();
        QTest::keyClick(shown, c.key, Qt::AltModifier);
        const QWidget& holder = c.page >= 0 ? *sheet.Page(c.page) : *shown;
        EXPECT_EQ(QApplication::focusWidget(), DialogItem(holder, c.focused)) << c.group;
    }
}

TEST_F(SettingsDialogTest, OkWithAProfileThatCannotBeWrittenAppliesAndSaysSoOnce) {
    std::filesystem::remove(g_profile.Path());
    std::filesystem::create_directory(g_profile.Path());
    RunSettings(GAME, [](SettingsDialog& s) {
        Check(GAME, 1049, true)(s);
        s.SetActivePage(VISUAL);
        Check(VISUAL, 1070, true)(s);
        s.SetActivePage(MATCH);
        Press(s, "OK");
    });
    EXPECT_EQ(game().options.useCube, 1);
    EXPECT_EQ(game().options.clockWise, 1);
    ASSERT_EQ(questions.size(), 1u) << "one message for all the keys";
    EXPECT_EQ(questions[0].text, FileFailureText(IDS_SAVE_FAILED, g_profile.Path(), {EISDIR}));
    EXPECT_EQ(questions[0].icon, MB_ICONEXCLAMATION);
    std::filesystem::remove(g_profile.Path());
}
