#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "controller/file_failure.h"
#include "dialogs/dialog_builder.h"
#include "game/game.h"
#include "platform/canvas.h"
#include "platform/color_chooser.h"
#include "platform/modal.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "settings/scheme_file.h"
#include "shell/game_wnd_fixture.h"
#include "temp_dir.h"

namespace {
constexpr COLORREF PICKED = MakeColorRef(12, 34, 56);

void Choose(QDialog& d, int scheme) { DialogItemAs<QComboBox>(d, 1022)->setCurrentIndex(scheme); }
void Press(QDialog& d, int id) { DialogItemAs<QPushButton>(d, id)->click(); }
QColor Swatch(QDialog& d, int id, QPalette::ColorRole role) { return DialogItem(d, id)->palette().color(role); }

// The main window in a folder of its own, where the program keeps its files;
// the test picks the colours.
class ColorSchemeDialogTest : public GameWndTest {
protected:
    void SetUp() override {
        oldDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.File(""));
        oldProfile_ = std::exchange(g_profile, Profile(INI_FILE_NAME));
        SetColorChooserHook([](COLORREF) { return PICKED; });
        GameWndTest::SetUp();
    }
    void TearDown() override {
        GameWndTest::TearDown();
        SetModalHook({});
        SetColorChooserHook({});
        g_profile = oldProfile_;
        std::filesystem::current_path(oldDir_);
    }
    // The Colors command with `user` acting in the dialog.
    void RunColors(const std::function<void(QDialog&)>& user) {
        SetModalHook([&](QDialog& dialog) {
            user(dialog);
            return dialog.result();
        });
        wnd->RunCommand(ID_COLORS);
    }
    QColor BoardBackground() { return wnd->GetCanvas().Image().pixelColor(1, 1); }
    static int SavedScheme() { return GetProfileInt(OPTIONS_SECTION, "CurScheme", -1); }

    TempDir dir_{"colors"};
    std::filesystem::path oldDir_;
    Profile oldProfile_{""};
};

TEST_F(ColorSchemeDialogTest, SchemeCWithOkPaintsSavesAllSchemesAndRemembersIt) {
    RunColors([](QDialog& d) {
        Choose(d, 2);
        Press(d, IDOK);
    });
    EXPECT_EQ(BoardBackground(), QColor(179, 177, 207));
    EXPECT_EQ(wnd->findChild<QListWidget*>()->palette().color(QPalette::Base), QColor(179, 177, 207));
    EXPECT_EQ(ReadFileBytes(SCHEME_FILE_NAME, 1000), EncodeSchemes(kDefaultSchemes));
    EXPECT_EQ(game().options.curScheme, 2);
    EXPECT_EQ(SavedScheme(), 2);
}

TEST_F(ColorSchemeDialogTest, DefaultIsEnabledExactlyWhileTheSchemeDiffersFromItsBuiltInColours) {
    const struct {
        const char* step;
        std::function<void(QDialog&)> act;
        bool enabled;
    } steps[] = {
        {"opened", [](QDialog&) {}, false},
        {"slot edited", [](QDialog& d) { Press(d, 1020); }, true},
        {"other scheme", [](QDialog& d) { Choose(d, 3); }, false},
        {"back to the edited one", [](QDialog& d) { Choose(d, 0); }, true},
        {"defaults restored", [](QDialog& d) { Press(d, 1016); }, false},
        {"label clicked", [](QDialog& d) { QTest::mouseClick(DialogItem(d, 1011), Qt::LeftButton); }, true},
    };
    RunColors([&](QDialog& d) {
        for (const auto& s : steps) {
            s.act(d);
            EXPECT_EQ(DialogItem(d, 1016)->isEnabled(), s.enabled) << s.step;
        }
        // A black swatch would hide its own name.
        SetColorChooserHook([](COLORREF) { return COLORREF{0}; });
        Press(d, 1017);
        EXPECT_EQ(Swatch(d, 1011, QPalette::WindowText), QColor(Qt::white));
        EXPECT_NE(Swatch(d, 1012, QPalette::WindowText), QColor(Qt::white));
    });
}

TEST_F(ColorSchemeDialogTest, OkAppliesTheChosenSchemeAndSavesEditsOfAnother) {
    RunColors([](QDialog& d) {
        Choose(d, 1);
        Press(d, 1020);
        QTest::mouseClick(DialogItem(d, 1015), Qt::LeftButton);
        Choose(d, 0);
        Press(d, IDOK);
    });
    EXPECT_EQ(game().options.colors, kDefaultSchemes[0]);
    EXPECT_EQ(BoardBackground(), QColor(0, 192, 192));
    SchemeSet expected = kDefaultSchemes;
    expected[1][SLOT_COMPUTER_PIECE] = expected[1][SLOT_HUMAN_PIECE] = PICKED;
    EXPECT_EQ(ReadSchemeFile(), expected);
}

TEST_F(ColorSchemeDialogTest, CancelKeepsTheColoursButReopensOnTheChosenScheme) {
    RunColors([](QDialog& d) {
        Choose(d, 2);
        Press(d, 1017);
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(BoardBackground(), QColor(0, 192, 192));
    EXPECT_FALSE(std::filesystem::exists(SCHEME_FILE_NAME));
    EXPECT_EQ(SavedScheme(), -1);
    RunColors([](QDialog& d) {
        EXPECT_EQ(DialogItemAs<QComboBox>(d, 1022)->currentIndex(), 2);
        EXPECT_EQ(Swatch(d, 1011, QPalette::Window), ToQColor(kDefaultSchemes[2][SLOT_BACKGROUND]));
    });
}

TEST_F(ColorSchemeDialogTest, OkWithAFileThatCannotBeWrittenAppliesAndSaysSoOnce) {
    // A folder with the file's name cannot be replaced by a file.
    for (const char* blocked : {SCHEME_FILE_NAME, INI_FILE_NAME}) {
        SCOPED_TRACE(blocked);
        questions.clear();
        std::filesystem::remove(blocked);
        std::filesystem::create_directory(blocked);
        RunColors([](QDialog& d) {
            Choose(d, 2);
            Press(d, IDOK);
        });
        EXPECT_EQ(BoardBackground(), QColor(179, 177, 207));
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].text, FileFailureText(IDS_SAVE_FAILED, blocked, {EISDIR}));
        std::filesystem::remove(blocked);
    }
}
}  // namespace
