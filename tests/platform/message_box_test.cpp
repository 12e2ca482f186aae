#include "platform/message_box.h"

#include <QFontMetrics>
#include <QTextBrowser>

#include "dialogs/settings_dialog.h"
#include "resources/stored_texts.h"
#include "shell/apply_settings.h"
#include "shell/game_wnd_fixture.h"

namespace {
// A real box belongs to the modal dialog in front, or else to the main window
// even when another window is active, so that it never lands where the window
// manager finds room; and its caption is not cut short.
TEST_F(GameWndTest, ARealBoxIsCentredOverTheDialogInFrontOrTheMainWindowAndShowsItsCaption) {
    ShowActive();
    SetMessageBoxCaption(ProgramTitle());
    SettingsDialog sheet(wnd.get(), CurrentSettings(game()), 0);
    sheet.setWindowModality(Qt::ApplicationModal);
    const struct {
        const char* how;
        std::function<void()> before, after;
        QWidget* owner;
    } cases[] = {
        {"the main window active", [] {}, [] {}, wnd.get()},
        {"the help active",
         [this] {
             wnd->Dialogs().Help();
             ASSERT_TRUE(Activate(HelpWindow()));
         },
         [this] { delete HelpWindow(); }, wnd.get()},
        {"the Settings sheet in front", [&sheet] { sheet.show(); }, [&sheet] { sheet.hide(); }, &sheet},
    };
    for (const auto& c : cases) {
        c.before();
        QWidget* owner = nullptr;
        QRect box;
        int captionWidth = 0, lineHeight = 0;
        WithRealBoxes([] { MessageBox("Invalid position file !", MB_OK, MB_ICONEXCLAMATION); },
                      [&](QMessageBox& b) {
                          owner = b.parentWidget();
                          box = b.frameGeometry();
                          QFont bold = b.font();
                          bold.setBold(true);
                          captionWidth = QFontMetrics(bold).horizontalAdvance(b.windowTitle());
                          lineHeight = QFontMetrics(bold).height();
                      });
        c.after();
        EXPECT_EQ(owner, c.owner) << c.how;
        const QRect over = c.owner->frameGeometry();
        const QRect middle = over.adjusted(over.width() / 3, over.height() / 3, -over.width() / 3, -over.height() / 3);
        EXPECT_TRUE(middle.contains(box.center())) << c.how;
        // Beside the caption the title bar holds an icon and three buttons, each about a line wide.
        EXPECT_GE(box.width(), captionWidth + 4 * lineHeight) << c.how;
    }
    SetMessageBoxCaption("");
}
}  // namespace
