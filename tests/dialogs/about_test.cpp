#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/about_dlg.h"
#include "platform/dialog_builder.h"
#include "resources/stored_texts.h"
#include "shell/game_app.h"
#include "shell/game_wnd_fixture.h"

namespace {
std::string Plain(StoredText which) { return Unscramble(ScrambledText(which)); }

TEST_F(GameWndTest, AboutShowsTheBoldTitleOverTheIconAndTheThreeTexts) {
    AboutDlg about(wnd.get());
    auto* title = DialogItemAs<QLabel>(about, 204);
    EXPECT_EQ(title->text().toStdString(), ProgramTitle());
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(DialogItemAs<QLabel>(about, 233)->text().toStdString(), Plain(StoredText::AboutLine1));
    EXPECT_EQ(DialogItemAs<QPlainTextEdit>(about, 212)->toPlainText().toStdString(), Plain(StoredText::AboutLine2));
    EXPECT_EQ(DialogItemAs<QPlainTextEdit>(about, 214)->toPlainText().toStdString(), Plain(StoredText::AboutLine3));
    const QList<QLabel*> labels = about.findChildren<QLabel*>();
    const auto icon = std::find_if(labels.begin(), labels.end(), [](QLabel* l) { return !l->pixmap().isNull(); });
    ASSERT_NE(icon, labels.end());
    EXPECT_LT(title->geometry().bottom(), (*icon)->geometry().top());
}

TEST_F(GameWndTest, AboutClosesOnEnterEscapeAndOk) {
    const struct {
        const char* how;
        std::function<void(AboutDlg&)> close;
    } cases[] = {
        {"Enter", [](AboutDlg&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
        {"keypad Enter", [](AboutDlg&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter); }},
        {"Escape", [](AboutDlg&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        {"OK", [](AboutDlg& d) { DialogItemAs<QPushButton>(d, 2)->click(); }},
    };
    for (const auto& c : cases) {
        AboutDlg about(wnd.get());
        about.show();
        about.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        EXPECT_EQ(QApplication::focusWidget(), DialogItem(about, 2)) << c.how;
        c.close(about);
        EXPECT_FALSE(about.isVisible()) << c.how;
    }
}
}  // namespace
