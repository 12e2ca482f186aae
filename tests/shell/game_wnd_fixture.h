// A real main window, offscreen, with message boxes and beeps answered and
// counted by the test instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "options_snapshot.h"
#include "platform/clock.h"
#include "platform/command_queue.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "rules/position.h"
#include "rules/turn_state.h"
#include "settings/options.h"
#include "shell/command_handlers.h"
#include "shell/game_wnd.h"
#include "shell/window_handlers.h"

class GameWndTest : public ::testing::Test {
protected:
    struct Question {
        std::string text;
        int buttons;
        int icon;
    };

    void SetUp() override {
        SetMessageBoxHook([this](const std::string& text, int buttons, int icon) {
            questions.push_back({text, buttons, icon});
            return answer;
        });
        SetBeepHook([this] { ++beeps; });
        // Every game's end asks whether to play again; the tests play on.
        SetModalHook([](QDialog&) { return int{QDialog::Accepted}; });
        SetClock(&clock);
        wnd = std::make_unique<GameWnd>(1024);
        // The window's own tests start from an idle window: the first game's
        // turn, its dice and its banner are set aside.
        FlushInput();
        wnd->ListClear();
        g_dice[0] = DICE_END;
        g_diceLeft = 0;
    }

    void TearDown() override {
        for (int id : overridden) SetCommandHandler(id, {});
        wnd.reset();
        ResetWindowHandlers();
        SetMessageBoxHook({});
        SetBeepHook({});
        SetModalHook({});
        SetClock(nullptr);
        g_awaitingConfirm = 0;
        g_moveOrdinal = 0;
    }

    // Puts `handler` in the place of a command's own until the test ends.
    void Override(int id, std::function<void()> handler) {
        SetCommandHandler(id, std::move(handler));
        overridden.push_back(id);
    }
    // Records every command id that reaches a handler.
    void RecordCommands(const std::vector<int>& ids) {
        for (int id : ids) Override(id, [this, id] { ran.push_back(id); });
    }

    void ShowActive() {
        wnd->show();
        wnd->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(wnd.get()));
    }

    static void Drain() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

    OptionsSnapshot options;
    VirtualClock clock;
    std::unique_ptr<GameWnd> wnd;
    std::vector<Question> questions;
    int answer = IDYES;
    int beeps = 0;
    std::vector<int> ran;
    std::vector<int> overridden;
};
