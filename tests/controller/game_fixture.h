// The real window playing real games: options at their test values, the
// virtual clock, speed 100, and dice either from a seeded generator or from a
// script that the manual-dice hook reads.
#pragma once

#include <QTest>
#include <QTimer>
#include <deque>
#include <utility>

#include "controller/live_board.h"
#include "controller/move_entry.h"
#include "controller/new_game.h"
#include "controller/turn_moves.h"
#include "controller/turn_setup.h"
#include "dice/mevra32.h"
#include "display/geometry.h"
#include "game/game.h"
#include "game/turn_dice.h"
#include "rules/dice_throw.h"
#include "rules/moves.h"
#include "settings/options.h"
#include "shell/game_wnd_fixture.h"

class GameTest : public GameWndTest {
protected:
    using Throw = std::pair<int, int>;

    void SetUp() override {
        GameWndTest::SetUp();
        session().game.options.autoChangeTurn = 1;
        session().game.options.highLight = 0;
        session().game.options.intelMoves = 0;
        session().game.options.moveDelay = 0;
        session().game.options.manualDice = 1;
        wnd->SetDiceChooser([](TwoDice thrown, bool) {
            if (Script().empty()) return thrown;
            const auto [first, second] = Script().front();
            Script().pop_front();
            return TwoDice{first, second};
        });
        SetSeed(20261208);
    }

    void TearDown() override {
        Script().clear();
        GameWndTest::TearDown();
    }

    // Throws that replace the random ones, first the opening throw's.
    static std::deque<Throw>& Script() {
        static std::deque<Throw> script;
        return script;
    }

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

    // A point of the board that chooses `loc` (-1: a point beside every location).
    QPoint PointOf(int loc) const {
        const BoardGeometry& geometry = wnd->Geometry();
        const Rect r =
            loc >= 0 ? geometry.GeometryOf(loc).rect : Rect{0, 0, geometry.ClientWidth(), geometry.ClientHeight()};
        QWidget* board = wnd->centralWidget();
        for (int y = r.top + 1; y < r.bottom; y += 2)
            for (int x = r.left + 1; x < r.right; x += 2)
                if (geometry.LocationAt(x, y) == loc && !board->childAt(x, y)) return {x, y};
        ADD_FAILURE() << "no point for location " << loc;
        return {};
    }

    void Click(int loc) {
        QTest::mouseClick(wnd->centralWidget(), Qt::LeftButton, {}, PointOf(loc));
        Drain();
    }

    void Key(char key) {
        QTest::keyClick(wnd->centralWidget(), key);
        Drain();
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (int i = 0; i < wnd->ListCount(); ++i) lines.push_back(wnd->ListLine(i));
        return lines;
    }
    std::string LastLine() const { return wnd->ListLine(wnd->ListCount() - 1); }

private:
};
