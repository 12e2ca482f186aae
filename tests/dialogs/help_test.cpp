#include <QDialog>
#include <QTextBrowser>

#include "dialogs/show_help.h"
#include "resources/command_ids.h"
#include "shell/game_wnd_fixture.h"

namespace {
std::string OpenPage() { return HelpWindow() ? HelpWindow()->source().toString().toStdString() : "<none>"; }

void CloseHelp() { delete HelpWindow(); }

TEST_F(GameWndTest, HelpCommandOpensTheContentsOverTheMainWindow) {
    ShowActive();
    wnd->RunCommand(ID_HELP);
    EXPECT_EQ(OpenPage(), "qrc:/help/index.html");
    EXPECT_EQ(HelpWindow()->parentWidget(), wnd.get());
    EXPECT_NE(HelpWindow()->toPlainText().toStdString(), "");
    CloseHelp();
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
}  // namespace
