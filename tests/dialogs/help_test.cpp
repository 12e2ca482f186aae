#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include "dialogs/show_help.h"
#include "resources/command_ids.h"
#include "settings/backg_clr.h"
#include "shell/game_wnd_fixture.h"

namespace {
std::string OpenPage() { return HelpWindow() ? HelpWindow()->source().toString().toStdString() : "<none>"; }

void CloseHelp() { delete HelpWindow(); }

TEST_F(GameWndTest, HelpOpensAtTheTopicOfTheActiveWindow) {
    ShowActive();
    const struct {
        const char* window;
        std::function<std::unique_ptr<QWidget>(QWidget*)> make;
        std::string page;
        bool ownedByIt;
    } cases[] = {
        {"main window", [](QWidget*) { return nullptr; }, "qrc:/help/index.html", false},
        {"other dialog", [](QWidget* w) { return std::make_unique<QDialog>(w); }, "qrc:/help/index.html", true},
        {"colour dialog", [](QWidget* w) { return std::make_unique<BackgClr>(w, ""); }, "qrc:/help/colors.html", true},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QWidget> active = c.make(wnd.get());
        QWidget* window = active ? active.get() : wnd.get();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        Drain();
        ShowHelp();
        EXPECT_EQ(OpenPage(), c.page) << c.window;
        EXPECT_EQ(HelpWindow()->parentWidget(), c.ownedByIt ? window : wnd.get()) << c.window;
        EXPECT_NE(HelpWindow()->toPlainText().toStdString(), "") << c.window;
        CloseHelp();
    }
}

TEST_F(GameWndTest, F1InADialogOpensTheHelpUnlessAModifierIsDown) {
    ShowActive();
    const struct {
        Qt::KeyboardModifiers modifiers;
        std::string page;
    } cases[] = {
        {Qt::NoModifier, "qrc:/help/index.html"},
        {Qt::ShiftModifier, "<none>"},
        {Qt::ControlModifier, "<none>"},
        {Qt::AltModifier, "<none>"},
    };
    for (const auto& c : cases) {
        QDialog dialog(wnd.get());
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F1, c.modifiers);
        EXPECT_EQ(OpenPage(), c.page) << c.modifiers;
        CloseHelp();
    }
}
TEST_F(GameWndTest, EveryHelpLinkLeadsToAPageAndAnchorThatExist) {
    ShowHelp();
    CloseHelp();
    const QDir pages(QStringLiteral(":/help"));
    ASSERT_GE(pages.count(), 6u);
    const QRegularExpression link(QStringLiteral("href=\"([a-z]+\\.html)(#([a-z]+))?\""));
    for (const QString& name : pages.entryList()) {
        QFile file(pages.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto& m : link.globalMatch(text)) {
            QFile target(pages.filePath(m.captured(1)));
            ASSERT_TRUE(target.open(QIODevice::ReadOnly))
                << name.toStdString() << " -> " << m.captured(1).toStdString();
            if (m.hasCaptured(3)) {
                EXPECT_TRUE(target.readAll().contains(("id=\"" + m.captured(3) + "\"").toUtf8()))
                    << name.toStdString() << " -> " << m.captured(0).toStdString();
            }
        }
    }
}
}  // namespace
