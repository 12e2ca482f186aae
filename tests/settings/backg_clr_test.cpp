#include "settings/backg_clr.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "platform/canvas.h"
#include "platform/color_chooser.h"
#include "platform/dialog_builder.h"
#include "platform/modal.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "settings/scheme_file.h"
#include "shell/game_wnd_fixture.h"
#include "temp_dir.h"

namespace {
constexpr int IDC_SCHEME_LIST = 1022;
constexpr int IDC_DEFAULT = 1016;
constexpr COLORREF PICKED = MakeColorRef(12, 34, 56);

// The main window in a folder of its own, where the program keeps its files,
// with the colour chooser answered by the test.
class BackgClrTest : public GameWndTest {
protected:
    void SetUp() override {
        oldDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.File(""));
        oldProfile_ = g_profile;
        g_profile = Profile(INI_FILE_NAME);
        CurScheme = 0;
        SetColorChooserHook([](COLORREF) { return PICKED; });
        GameWndTest::SetUp();
    }
    void TearDown() override {
        GameWndTest::TearDown();
        SetModalHook({});
        SetColorChooserHook({});
        CurScheme = 0;
        LoadCurrentScheme(0, "");
        g_profile = oldProfile_;
        std::filesystem::current_path(oldDir_);
    }

    // Runs the Colors command with `user` acting in the dialog.
    void RunColors(const std::function<void(QDialog&)>& user) {
        SetModalHook([&](QDialog& dialog) {
            user(dialog);
            return dialog.result();
        });
        wnd->RunCommand(ID_COLORS);
    }

    static void Choose(QDialog& d, int scheme) { DialogItemAs<QComboBox>(d, IDC_SCHEME_LIST)->setCurrentIndex(scheme); }
    static void Press(QDialog& d, int id) { DialogItemAs<QPushButton>(d, id)->click(); }
    static bool DefaultEnabled(QDialog& d) { return DialogItem(d, IDC_DEFAULT)->isEnabled(); }

    QColor BoardBackground() { return wnd->GetCanvas().Image().pixelColor(1, 1); }
    std::string Ini() const {
        const auto bytes = ReadFileBytes(INI_FILE_NAME, MAX_PROFILE_BYTES);
        return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
    }

    TempDir dir_{"colors"};
    std::filesystem::path oldDir_;
    Profile oldProfile_{""};
};

TEST_F(BackgClrTest, SchemeCWithOkPaintsSavesAllSchemesAndRemembersIt) {
    ASSERT_FALSE(std::filesystem::exists(SCHEME_FILE_NAME));
    RunColors([](QDialog& d) {
        Choose(d, 2);
        Press(d, IDOK);
    });
    EXPECT_EQ(BoardBackground(), QColor(179, 177, 207));
    EXPECT_EQ(wnd->findChild<QListWidget*>()->palette().color(QPalette::Base), QColor(179, 177, 207));
    const auto bytes = ReadFileBytes(SCHEME_FILE_NAME, 1000);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), SCHEME_FILE_SIZE);
    EXPECT_EQ(*bytes, EncodeSchemes(kDefaultSchemes));
    EXPECT_EQ(CurScheme, 2);
    EXPECT_NE(Ini().find("CurScheme=2"), std::string::npos) << Ini();
}

TEST_F(BackgClrTest, DefaultIsEnabledExactlyWhileTheSchemeDiffersFromItsBuiltInColours) {
    const struct {
        const char* step;
        std::function<void(QDialog&)> act;
        bool enabled;
    } steps[] = {
        {"opened", [](QDialog&) {}, false},
        {"slot edited", [](QDialog& d) { Press(d, 1020); }, true},
        {"other scheme", [](QDialog& d) { Choose(d, 3); }, false},
        {"back to the edited one", [](QDialog& d) { Choose(d, 0); }, true},
        {"defaults restored", [](QDialog& d) { Press(d, IDC_DEFAULT); }, false},
        {"label clicked", [](QDialog& d) { QTest::mouseClick(DialogItem(d, 1011), Qt::LeftButton); }, true},
    };
    RunColors([&](QDialog& d) {
        for (const auto& s : steps) {
            s.act(d);
            EXPECT_EQ(DefaultEnabled(d), s.enabled) << s.step;
        }
    });
}

TEST_F(BackgClrTest, ABlackSwatchNamesItselfInWhite) {
    SetColorChooserHook([](COLORREF) { return COLORREF{0}; });
    RunColors([](QDialog& d) {
        const QColor normal = DialogItem(d, 1012)->palette().color(QPalette::WindowText);
        Press(d, 1017);
        EXPECT_EQ(DialogItem(d, 1011)->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(DialogItem(d, 1011)->palette().color(QPalette::Window), QColor(Qt::black));
        EXPECT_NE(normal, QColor(Qt::white));
    });
}

TEST_F(BackgClrTest, OkAppliesTheChosenSchemeAndSavesEditsOfAnother) {
    RunColors([](QDialog& d) {
        Choose(d, 1);
        Press(d, 1020);
        QTest::mouseClick(DialogItem(d, 1015), Qt::LeftButton);
        Choose(d, 0);
        Press(d, IDOK);
    });
    EXPECT_EQ(g_colors, kDefaultSchemes[0]);
    EXPECT_EQ(BoardBackground(), QColor(0, 192, 192));
    SchemeSet expected = kDefaultSchemes;
    expected[1][SLOT_COMPUTER_PIECE] = PICKED;
    expected[1][SLOT_HUMAN_PIECE] = PICKED;
    EXPECT_EQ(ReadSchemeFile(), expected);
    EXPECT_EQ(CurScheme, 0);
}

TEST_F(BackgClrTest, CancelKeepsTheColoursButReopensOnTheChosenScheme) {
    RunColors([](QDialog& d) {
        Choose(d, 2);
        Press(d, 1017);
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(BoardBackground(), QColor(0, 192, 192));
    EXPECT_EQ(g_colors, kDefaultSchemes[0]);
    EXPECT_FALSE(std::filesystem::exists(SCHEME_FILE_NAME));
    EXPECT_EQ(Ini(), "<none>");
    int reopenedOn = -1;
    COLORREF shown = 0;
    RunColors([&](QDialog& d) {
        reopenedOn = DialogItemAs<QComboBox>(d, IDC_SCHEME_LIST)->currentIndex();
        const QColor c = DialogItem(d, 1011)->palette().color(QPalette::Window);
        shown = MakeColorRef(c.red(), c.green(), c.blue());
    });
    EXPECT_EQ(reopenedOn, 2);
    EXPECT_EQ(shown, kDefaultSchemes[2][SLOT_BACKGROUND]);
}
}  // namespace
