// A real main window, offscreen, with message boxes and beeps answered and
// counted by the test instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/command_queue.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "rules/position.h"
#include "settings/options.h"
#include "shell/game_wnd.h"
#include "shell/window_dialogs.h"
#include "shell/window_handlers.h"

class GameWndTest : public ::testing::Test {
protected:
    struct Question {
        std::string text;
        int buttons;
        int icon;
    };

    void SetUp() override {
        ScriptBoxes();
        SetBeepHook([this] { ++beeps; });
        // Every game's end asks whether to play again; the tests play on.
        SetModalHook([](QDialog&) { return int{QDialog::Accepted}; });
        SetClock(&clock);
        wnd = std::make_unique<GameWnd>(1024);
        // The window's own tests start from an idle window: the first game's
        // turn, its dice and its banner are set aside.
        FlushInput();
        wnd->ListClear();
        game().position.dice[0] = DICE_END;
        game().position.diceLeft = 0;
    }

    void TearDown() override {
        wnd.reset();
        SetMessageBoxHook({});
        SetBeepHook({});
        SetModalHook({});
        SetClock(nullptr);
        // A key a test left down would be held over into the next test's dialogs.
        QEvent away(QEvent::ApplicationDeactivate);
        QCoreApplication::sendEvent(qApp, &away);
    }

    // Message boxes are answered with `answer` and noted in `questions`.
    void ScriptBoxes() {
        SetMessageBoxHook([this](const std::string& text, int buttons, int icon) {
            questions.push_back({text, buttons, icon});
            return answer;
        });
    }

    // Puts `handler` in the place of a command's own until the test ends.
    void Override(int id, std::function<void()> handler) { wnd->SetCommandHandler(id, std::move(handler)); }
    // Records every command id that reaches a handler.
    void RecordCommands(const std::vector<int>& ids) {
        for (int id : ids) Override(id, [this, id] { ran.push_back(id); });
    }

    void ShowActive() {
        wnd->show();
        wnd->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(wnd.get()));
    }

    // Makes the window the active one. Qt's own wait is not enough here: it
    // counts a window as active while the window that owns it is.
    static bool Activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }

    // Shows real message boxes while `raise` runs: each is handed to `look`
    // once it is up and active, then answered with Escape. Returns how many.
    int WithRealBoxes(const std::function<void()>& raise, const std::function<void(QMessageBox&)>& look) {
        SetMessageBoxHook({});
        int boxes = 0;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || !Activate(box)) return;
            ++boxes;
            look(*box);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        poll.start(5);
        raise();
        ScriptBoxes();
        return boxes;
    }

    Session& session() const { return wnd->GameSession(); }
    Game& game() const { return wnd->GameSession().game; }

    // The open help window, or nullptr.
    QTextBrowser* HelpWindow() const { return wnd->Dialogs().HelpWindow(); }

    static void Drain() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

    VirtualClock clock;
    std::unique_ptr<GameWnd> wnd;
    std::vector<Question> questions;
    int answer = IDYES;
    int beeps = 0;
    std::vector<int> ran;
};
