#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>

#include "controller/turn_cycle.h"
#include "controller/turn_moves.h"
#include "dialogs/color_scheme_dialog.h"
#include "dialogs/resign_dialog.h"
#include "dialogs/settings_dialog.h"
#include "game/game.h"
#include "resources/command_ids.h"
#include "shell/apply_settings.h"
#include "shell/game_wnd_fixture.h"

namespace {
TEST_F(GameWndTest, HelpOpensAtTheTopicOfTheActiveWindow) {
    ShowActive();
    using Make = std::function<std::unique_ptr<QWidget>(QWidget*)>;
    const Make none = [](QWidget*) { return nullptr; };
    const Make dialog = [](QWidget* w) { return std::make_unique<QDialog>(w); };
    const Make colors = [this](QWidget* w) {
        return std::make_unique<ColorSchemeDialog>(w, game().options.curScheme, "");
    };
    const Make settings = [this](QWidget* w) {
        return std::make_unique<SettingsDialog>(w, CurrentSettings(game()), 0);
    };
    const Make match = [this](QWidget* w) { return std::make_unique<SettingsDialog>(w, CurrentSettings(game()), 2); };
    const Make resign = [](QWidget* w) { return std::make_unique<ResignDialog>(w); };
    const struct {
        const char* how;
        Make make;
        Qt::KeyboardModifiers f1;  // the command when NoModifier is not asked for
        const char* page;          // empty: no help opens
        bool ownedByIt;
    } cases[] = {
        {"Help in the main window", none, {}, "index.html", false},
        {"Help over a dialog", dialog, {}, "index.html", true},
        {"Help over the colour dialog", colors, {}, "colors.html", true},
        {"Help over the Settings sheet", settings, {}, "settings.html", true},
        {"F1 in a dialog", dialog, Qt::NoModifier, "index.html", true},
        {"F1 in the Settings sheet", settings, Qt::NoModifier, "settings.html", true},
        {"Help over the Settings sheet's Match page", match, {}, "settings.html#match", true},
        {"F1 in the colour dialog", colors, Qt::NoModifier, "colors.html", true},
        {"F1 in the Resign dialog", resign, Qt::NoModifier, "doubling.html", true},
        {"Shift+F1", colors, Qt::ShiftModifier, "", true},
        {"Ctrl+F1", colors, Qt::ControlModifier, "", true},
        {"Alt+F1", colors, Qt::AltModifier, "", true},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QWidget> active = c.make(wnd.get());
        QWidget* window = active ? active.get() : wnd.get();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        Drain();
        if (c.f1 == Qt::KeyboardModifiers{})
            wnd->RunCommand(ID_HELP);
        else
            QTest::keyClick(window, Qt::Key_F1, c.f1);
        QTextBrowser* help = HelpWindow();
        ASSERT_EQ(help != nullptr, *c.page != 0) << c.how;
        if (!help) continue;
        EXPECT_EQ(help->source().toString().toStdString(), std::string("qrc:/help/") + c.page) << c.how;
        EXPECT_EQ(help->parentWidget(), c.ownedByIt ? window : wnd.get()) << c.how;
        delete help;
    }
}

TEST_F(GameWndTest, HelpOpensOverTheMainWindowWhollyOnItsScreenAndEscOrCtrlWClosesIt) {
    ShowActive();
    const QRect screen = wnd->screen()->availableGeometry();
    const struct {
        const char* how;
        QPoint main;  // where the main window stands
        QKeyCombination close;
    } cases[] = {
        {"on the screen, Esc", screen.topLeft(), Qt::Key_Escape},
        {"half off the lower right, Ctrl+W", screen.bottomRight() - QPoint(200, 150), Qt::CTRL | Qt::Key_W},
        {"half off the upper left, Esc", screen.topLeft() - QPoint(400, 300), Qt::Key_Escape},
    };
    for (const auto& c : cases) {
        wnd->move(c.main);
        wnd->RunCommand(ID_HELP);
        const QPointer<QTextBrowser> help = HelpWindow();
        ASSERT_TRUE(help) << c.how;
        EXPECT_TRUE(screen.contains(help->frameGeometry())) << c.how;
        if (screen.contains(wnd->frameGeometry())) {
            EXPECT_EQ(help->frameGeometry().center(), wnd->frameGeometry().center()) << c.how;
        }
        ASSERT_TRUE(Activate(help)) << c.how;
        QTest::keyClick(help.get(), c.close.key(), c.close.keyboardModifiers());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(help) << c.how;
        delete help.get();
    }
}

TEST_F(GameWndTest, F1InAMessageBoxOpensTheTopicOfTheCommandThatRaisedIt) {
    ShowActive();
    SettingsDialog sheet(wnd.get(), CurrentSettings(game()), 0);
    sheet.setWindowModality(Qt::ApplicationModal);
    const struct {
        const char* how;
        std::function<void()> raise;
        const char* page;
    } cases[] = {
        {"New game asks first", [this] { wnd->RunCommand(ID_FILE_NEW); }, "commands"},
        {"Pass while both dice must be used",
         [this] {
             game().position.diceLeft = 2;
             game().mustUseBoth = 1;
             OnPass(session());
             game().mustUseBoth = 0;
         },
         "playing"},
        {"a box without a topic over the main window", [] { MessageBox("?", MB_OK, MB_ICONQUESTION); }, "index"},
        {"a box without a topic over the Settings sheet",
         [&sheet] {
             sheet.show();
             MessageBox("?", MB_OK, MB_ICONQUESTION);
             sheet.hide();
         },
         "settings"},
    };
    for (const auto& c : cases) {
        std::string page = "none";
        const int boxes = WithRealBoxes(c.raise, [this, &page](QMessageBox& box) {
            QTest::keyClick(&box, Qt::Key_F1);
            if (HelpWindow()) page = HelpWindow()->source().fileName().toStdString();
        });
        EXPECT_EQ(boxes, 1) << c.how;
        EXPECT_EQ(page, std::string(c.page) + ".html") << c.how;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(HelpWindow()) << c.how << ": the help belongs to the box";
    }
}

TEST_F(GameWndTest, EveryHelpLinkLeadsToAPageAndAnchorThatExist) {
    wnd->Dialogs().Help();
    delete HelpWindow();
    const QDir pages(QStringLiteral(":/help"));
    ASSERT_GE(pages.count(), 6u);
    const QRegularExpression link(QStringLiteral("href=\"([a-z]+\\.html)(#([a-z]+))?\""));
    for (const QString& name : pages.entryList()) {
        QFile file(pages.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const auto& m : link.globalMatch(QString::fromUtf8(file.readAll()))) {
            QFile target(pages.filePath(m.captured(1)));
            ASSERT_TRUE(target.open(QIODevice::ReadOnly))
                << name.toStdString() << " -> " << m.captured(0).toStdString();
            const QByteArray anchor = ("id=\"" + m.captured(3) + "\"").toUtf8();
            EXPECT_TRUE(!m.hasCaptured(3) || target.readAll().contains(anchor))
                << name.toStdString() << " -> " << m.captured(0).toStdString();
        }
    }
}
}  // namespace
