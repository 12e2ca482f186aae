#include "dialogs/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_builder.h"
#include "shell/game_wnd_fixture.h"

namespace {
TEST_F(GameWndTest, AboutShowsItsTitleInBoldAndClosesOnEnterEscapeAndOk) {
    const struct {
        const char* how;
        std::function<void(QWidget& ok)> close;
    } cases[] = {
        {"Enter", [](QWidget& ok) { QTest::keyClick(&ok, Qt::Key_Return); }},
        {"keypad Enter", [](QWidget& ok) { QTest::keyClick(&ok, Qt::Key_Enter); }},
        {"Escape", [](QWidget& ok) { QTest::keyClick(&ok, Qt::Key_Escape); }},
        {"OK", [](QWidget& ok) { static_cast<QPushButton&>(ok).click(); }},
    };
    for (const auto& c : cases) {
        AboutDialog about(wnd.get());
        EXPECT_TRUE(DialogItem(about, 204)->font().bold());
        about.show();
        about.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        QWidget* ok = DialogItem(about, 2);
        EXPECT_EQ(QApplication::focusWidget(), ok) << c.how;
        c.close(*ok);
        EXPECT_FALSE(about.isVisible()) << c.how;
    }
}
}  // namespace
