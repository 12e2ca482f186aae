// The game flow on a view that shows nothing, as the window's own fixture
// plays it: options at their test values, the virtual clock, dice from a
// script that the manual-dice hook reads, message boxes answered by the test,
// and the files in a folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "controller/enable_rules.h"
#include "controller/fake_view.h"
#include "controller/game_commands.h"
#include "controller/highlight.h"
#include "controller/live_board.h"
#include "controller/move_entry.h"
#include "controller/new_game.h"
#include "controller/session.h"
#include "controller/turn_moves.h"
#include "controller/turn_setup.h"
#include "dice/mevra32.h"
#include "display/geometry.h"
#include "game/game.h"
#include "platform/clock.h"
#include "platform/profile.h"
#include "platform/virtual_keys.h"
#include "resources/accelerators.h"
#include "resources/command_ids.h"
#include "rules/moves.h"
#include "settings/options.h"
#include "temp_dir.h"

// The window as far as the game flow and its tests see it.
class FakeWindow : public FakeView {
public:
    FakeWindow() : session_(*this) {}

    Session& GameSession() { return session_; }
    // As the window runs a command: only when its enable rule lets it, by
    // the handler a test put in its place if there is one.
    void RunCommand(int id) {
        if (!CommandEnabled(session_, id)) return OnCommandRefused(session_, id);
        if (auto it = handlers.find(id); it != handlers.end()) return it->second();
        RunGameCommand(session_, id);
    }
    std::map<int, std::function<void()>> handlers;
    // The posted commands, in order, as the event loop runs them.
    void Drain() {
        while (!posted.empty()) {
            const int id = posted.front();
            posted.erase(posted.begin());
            RunCommand(id);
        }
    }

    // The end-of-turn wait, answered by the next scripted input. As in the
    // window, a command runs while the wait still runs, Escape is also the
    // Undo key and the right button takes back.
    WaitResult AwaitInput() override {
        WaitResult input = FakeView::AwaitInput();
        if (input.kind == WaitResult::KEY && input.code == VK_ESCAPE && CommandEnabled(session_, ID_UNDO))
            input = {WaitResult::COMMAND, ID_UNDO};
        if (input.kind == WaitResult::COMMAND) RunCommand(input.code);
        if (input.kind == WaitResult::RIGHT_BUTTON) OnRButtonDown(session_, 0, 0);
        return input;
    }

    std::string PaneText(int pane) const { return panes.at(static_cast<std::size_t>(pane)); }
    bool DieWindowShown(DieGroup group, int k) { return Die(group, k) != 0; }
    std::string CubeText() const { return cubeText; }
    bool CubeEnabled() const { return cubeEnabled; }
    Rect CubePlace() const { return cubePlace; }
    bool ListMarkShown() const { return markShown; }
    const ProgressBar& GetProgressBar() const { return bar; }

private:
    Session session_;
};

class GameFlowTest : public ::testing::Test {
protected:
    using Throw = std::pair<int, int>;

    void SetUp() override {
        std::filesystem::current_path(dir_.File(""));
        savedProfile_ = std::exchange(g_profile, Profile(INI_FILE_NAME));
        SetClock(&clock);
        // The board as the 800 x 560 window lays it out below its menu.
        wnd->geometry = BoardGeometry({800, 560});
        wnd->geometry.SetClientSize(800, 500);
        Game& game = session().game;
        game.options.autoChangeTurn = 1;
        game.options.highLight = 0;
        game.options.intelMoves = 0;
        game.options.moveDelay = 0;
        game.options.manualDice = 1;
        SetSeed(20261208);
    }

    void TearDown() override {
        SetClock(nullptr);
        g_profile = savedProfile_;
        std::filesystem::current_path(home_);
    }

    Session& session() const { return window_.GameSession(); }

    // Throws that replace the random ones, first the opening throw's.
    std::deque<Throw>& Script() { return wnd->diceScript; }

    // A new game whose starter is `starter` (0: the opening throw decides).
    void Start(int starter, std::initializer_list<Throw> throws) {
        Script().assign(throws);
        StartGame(session(), starter);
        Drain();
    }

    void Setup(std::initializer_list<std::pair<int, int>> checkers, std::initializer_list<int> dice) {
        SetUpHumanTurn(session(), checkers, dice);
    }
    int Count(int loc) const { return SignedCount(session().game, loc); }

    // A click on a location; -1 beside every location.
    void Click(int loc) {
        OnLocationClicked(session(), loc);
        Drain();
    }
    // A key typed on the board: a command when the accelerator table has
    // it, otherwise a location's key.
    void Key(char key) {
        const AccelKey named = key == ' ' ? AccelKey::Space : key == '\x1b' ? AccelKey::Escape : AccelKey::None;
        for (const Accelerator& a : MainAccelerators())
            if (!a.ctrl && (a.character == key || (named != AccelKey::None && a.key == named))) {
                wnd->RunCommand(a.command);
                return Drain();
            }
        EnterLocation(session(), std::toupper(static_cast<unsigned char>(key)), 1, 1);
        Drain();
    }
    void Drain() { wnd->Drain(); }

    // The pointer over a location, as the window moves it: at a point of the
    // location that highlights it.
    void Hover(int loc) {
        const Rect r = wnd->geometry.GeometryOf(loc).rect;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (wnd->geometry.LocationUnder(x, y) == loc) return OnMouseMove(session(), x, y);
        ADD_FAILURE() << "no point highlights location " << loc;
    }
    // Records every command id that reaches a handler.
    void RecordCommands(const std::vector<int>& ids) {
        for (int id : ids) wnd->handlers[id] = [this, id] { ran.push_back(id); };
    }
    // The letters shown highlighted.
    std::set<int> Lit() const {
        std::set<int> lit;
        for (int point = 0; point < NUM_LOCATIONS; ++point)
            if (wnd->lit[static_cast<std::size_t>(point)]) lit.insert(point);
        return lit;
    }
    std::vector<int> ran;

    std::vector<std::string> Lines() const { return wnd->lines; }
    std::string LastLine() const { return wnd->lines.back(); }

    VirtualClock clock;

private:
    TempDir dir_{"flow"};
    std::filesystem::path home_ = std::filesystem::current_path();
    Profile savedProfile_{""};
    mutable FakeWindow window_;

protected:
    FakeWindow* wnd = &window_;
    std::vector<FakeView::Question>& questions = window_.questions;
    int& answer = window_.answer;
};
