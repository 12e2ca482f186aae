#include "settings/settings_sheet.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <filesystem>
#include <functional>
#include <sstream>

#include "controller/game_fixture.h"
#include "dialogs/show_help.h"
#include "platform/canvas.h"
#include "platform/dialog_builder.h"
#include "platform/modal.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "settings/position_file.h"
#include "settings/settings_page.h"
#include "temp_dir.h"

namespace {
constexpr int GAME = 0;
constexpr int VISUAL = 1;
constexpr int IDC_SPEED = 203;
constexpr int IDC_USE_CUBE = 1049;
constexpr int IDC_PICTURE_DICE = 1102;
constexpr int IDC_CLOCKWISE = 1070;

const std::vector<std::string> kGameKeys = {"FirstMoveBy", "UseCube",    "AutoChangeTurn", "AutoForcedMoves",
                                            "IntelMoves",  "ManualDice", "LevelOfPlay"};
const std::vector<std::string> kVisualKeys = {"ShowProgress", "HitShake",   "DiceAsIcons",
                                              "HighLight",    "AutoFinish", "speed"};

void Press(SettingsSheet& sheet, const char* text) {
    for (auto* button : sheet.findChildren<QPushButton*>())
        if (button->text() == text) return button->click();
    ADD_FAILURE() << "no button " << text;
}
void Check(SettingsSheet& sheet, int page, int id, bool on) {
    DialogItemAs<QCheckBox>(*sheet.Page(page), id)->setChecked(on);
}
QLineEdit* Edit(SettingsSheet& sheet, int page, int id) { return DialogItemAs<QLineEdit>(*sheet.Page(page), id); }

// The real window with the profile in a folder of the test's own; every
// option the sheet may change is put back afterwards.
class SettingsSheetTest : public GameTest {
protected:
    void SetUp() override {
        oldProfile_ = std::exchange(g_profile, Profile(dir_.File(INI_FILE_NAME)));
        for (int32_t* v : Options()) saved_.push_back(*v);
        GameTest::SetUp();
        g_lastSettingsPage = GAME;
    }
    void TearDown() override {
        SetModalHook({});
        for (std::size_t i = 0; i < saved_.size(); ++i) *Options()[i] = saved_[i];
        GameTest::TearDown();
        g_profile = oldProfile_;
    }
    static std::vector<int32_t*> Options() {
        return {&UseCube,     &FirstMoveBy,  &AutoChangeTurn,  &AutoForcedMoves, &IntelMoves, &ManualDice,
                &LevelOfPlay, &ShowProgress, &HitShake,        &DiceAsIcons,     &HighLight,  &AutoFinish,
                &g_moveDelay, &ClockWise,    &g_totalScore[1], &g_totalScore[2]};
    }

    // The Settings command with `user` acting in the sheet; true when it ended with OK.
    bool RunSettings(const std::function<void(SettingsSheet&)>& user) {
        bool ok = false;
        SetModalHook([&](QDialog& dialog) {
            user(static_cast<SettingsSheet&>(dialog));
            ok = dialog.result() == QDialog::Accepted;
            return dialog.result();
        });
        wnd->RunCommand(ID_SETTINGS);
        return ok;
    }

    // The keys of the profile in file order.
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
    std::vector<int32_t> saved_;
};

TEST_F(SettingsSheetTest, OpensOnThePageShownLast) {
    const struct {
        int opensOn;
        int goTo;
        const char* button;
    } steps[] = {
        {GAME, VISUAL, "Cancel"},
        {VISUAL, VISUAL, "OK"},
        {VISUAL, GAME, "Cancel"},
        {GAME, GAME, "OK"},
    };
    for (const auto& s : steps) {
        RunSettings([&](SettingsSheet& sheet) {
            EXPECT_EQ(sheet.ActiveIndex(), s.opensOn);
            EXPECT_TRUE(sheet.Page(s.opensOn)->Shown());
            EXPECT_FALSE(sheet.Page(1 - s.opensOn)->Shown());
            sheet.SetActivePage(s.goTo);
            Press(sheet, s.button);
        });
    }
}

TEST_F(SettingsSheetTest, OkWritesTheKeysOfThePagesShownInOrder) {
    auto concat = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const struct {
        const char* name;
        int start;
        std::function<void(SettingsSheet&)> act;
        const char* button;
        std::vector<std::string> keys;
    } cases[] = {
        {"Game only", GAME, [](SettingsSheet&) {}, "OK", kGameKeys},
        {"Game, then Visual", GAME, [](SettingsSheet& s) { s.SetActivePage(VISUAL); }, "OK",
         concat(kGameKeys, kVisualKeys)},
        {"Visual only", VISUAL, [](SettingsSheet&) {}, "OK", kVisualKeys},
        {"clockwise turned", VISUAL, [](SettingsSheet& s) { Check(s, VISUAL, IDC_CLOCKWISE, true); }, "OK",
         concat(kVisualKeys, {"ClockWise"})},
        {"Cancel", GAME, [](SettingsSheet& s) { Check(s, GAME, IDC_USE_CUBE, true); }, "Cancel", {}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(g_profile.Path());
        g_lastSettingsPage = c.start;
        RunSettings([&](SettingsSheet& sheet) {
            c.act(sheet);
            Press(sheet, c.button);
        });
        EXPECT_EQ(Keys(), c.keys) << c.name;
    }
    EXPECT_EQ(UseCube, 0);
}

TEST_F(SettingsSheetTest, SpeedOutsideOneToHundredIsRefusedAndTheSheetStaysOpen) {
    ASSERT_TRUE(WriteFileAtomically(g_profile.Path(), "[options]\nspeed=0\n", 18));
    LoadSettings();
    ASSERT_EQ(g_moveDelay, 100);
    // Never shown, the Visual page checks nothing.
    EXPECT_TRUE(RunSettings([](SettingsSheet& sheet) { Press(sheet, "OK"); }));
    EXPECT_EQ(g_moveDelay, 100);

    g_lastSettingsPage = VISUAL;
    const struct {
        const char* typed;
        const char* shown;
        bool refused;
    } steps[] = {
        {nullptr, "0", true},
        {"", "", true},
        {"101", "101", true},
        {"-5x", "5", false},
    };
    const bool ok = RunSettings([&](SettingsSheet& sheet) {
        QLineEdit* speed = Edit(sheet, VISUAL, IDC_SPEED);
        for (const auto& s : steps) {
            if (s.typed) {
                speed->clear();
                QTest::keyClicks(speed, s.typed);
            }
            EXPECT_EQ(speed->text().toStdString(), s.shown);
            questions.clear();
            sheet.SetActivePage(GAME);
            Press(sheet, "OK");
            EXPECT_EQ(sheet.ActiveIndex(), s.refused ? VISUAL : GAME) << s.shown;
            EXPECT_EQ(sheet.result() == QDialog::Accepted, !s.refused) << s.shown;
            // Leaving the page and OK each say why.
            EXPECT_EQ(questions.size(), s.refused ? 2u : 0u) << s.shown;
        }
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(g_moveDelay, 95);
    EXPECT_EQ(GetProfileInt(OPTIONS_SECTION, "speed", -1), 5);
}

TEST_F(SettingsSheetTest, ClockwiseMidTurnKeepsTheCheckersAndTheTurnStart) {
    ShowActive();
    Setup({{1, 2}, {12, 13}, {4, -1}, {24, -14}}, {3, 5});
    const std::vector<SavedLocation> turnStart(std::begin(g_savedPosition), std::end(g_savedPosition));
    Click(1);
    Click(4);
    std::vector<int> counts;
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) counts.push_back(Count(loc));
    const Bytes saved = EncodePositionFile(CapturePositionFile());
    const QImage before = wnd->GetCanvas().Image().copy();

    g_lastSettingsPage = VISUAL;
    ASSERT_TRUE(RunSettings([](SettingsSheet& sheet) {
        Check(sheet, VISUAL, IDC_CLOCKWISE, true);
        Press(sheet, "OK");
    }));
    EXPECT_EQ(ClockWise, 1);
    EXPECT_NE(wnd->GetCanvas().Image(), before);
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) EXPECT_EQ(Count(loc), counts[loc]) << loc;
    EXPECT_EQ(EncodePositionFile(CapturePositionFile()), saved);

    wnd->RunCommand(ID_UNDO);
    Drain();
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) {
        const SavedLocation& s = turnStart[loc];
        EXPECT_EQ(Count(loc), s.owner == SIDE_COMPUTER ? -s.count : s.count) << loc;
    }
}

TEST_F(SettingsSheetTest, OkShowsTheDiceAndSetsTheCubeAtOnce) {
    ShowActive();
    Setup({{1, 2}, {12, 13}, {24, -15}}, {3, 5});
    const struct {
        const char* name;
        int page;
        int id;
        bool on;
        bool diceShown;
        bool cubeEnabled;
    } cases[] = {
        {"picture dice off", VISUAL, IDC_PICTURE_DICE, false, false, false},
        {"picture dice on", VISUAL, IDC_PICTURE_DICE, true, true, false},
        {"cube on", GAME, IDC_USE_CUBE, true, true, true},
        {"cube off", GAME, IDC_USE_CUBE, false, true, false},
    };
    for (const auto& c : cases) {
        g_lastSettingsPage = c.page;
        RunSettings([&](SettingsSheet& sheet) {
            Check(sheet, c.page, c.id, c.on);
            Press(sheet, "OK");
        });
        EXPECT_EQ(wnd->DieWindowShown(DIE_GROUP_HUMAN, 0), c.diceShown) << c.name;
        EXPECT_EQ(wnd->DieWindowShown(DIE_GROUP_HUMAN, 1), c.diceShown) << c.name;
        EXPECT_EQ(wnd->CubeEnabled(), c.cubeEnabled) << c.name;
    }
}

TEST_F(SettingsSheetTest, ScoreBoxesShowTheTotalsReadOnly) {
    g_totalScore[SIDE_HUMAN] = 12;
    g_totalScore[SIDE_COMPUTER] = 7;
    RunSettings([](SettingsSheet& sheet) {
        for (auto [id, text] : {std::pair{1113, "12"}, std::pair{1114, "7"}}) {
            EXPECT_EQ(Edit(sheet, GAME, id)->text().toStdString(), text);
            EXPECT_TRUE(Edit(sheet, GAME, id)->isReadOnly());
        }
        Press(sheet, "OK");
    });
    EXPECT_EQ(GetProfileInt(GAME_SECTION, "wit", -1), -1);
}

TEST_F(SettingsSheetTest, HelpOpensAtTheSettingsTopic) {
    ShowActive();
    SettingsSheet sheet(wnd.get());
    sheet.show();
    sheet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    Drain();
    Press(sheet, "Help");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->source().toString().toStdString(), "qrc:/help/settings.html");
    delete HelpWindow();
}
}  // namespace
