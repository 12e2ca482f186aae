// One step of a checker's travel on the real window, offscreen: hide the
// checker, move it one unit, show it again and make the change visible.
// The pace of the animation is meant to be set by the pause alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <cstdlib>

#include "controller/new_game.h"
#include "display/checker_sprite.h"
#include "display/geometry.h"
#include "game/game.h"
#include "platform/modal.h"
#include "resources/command_ids.h"
#include "rules/location.h"
#include "settings/options.h"
#include "shell/game_wnd.h"

namespace {
void BM_AnimationStep(benchmark::State& state) {
    GameWnd wnd(1024);
    wnd.show();
    QApplication::processEvents();
    // Across the empty middle of the board and back, over the bar strip.
    const BoardGeometry& geometry = wnd.Geometry();
    CheckerSprite sprite(wnd.Display(), geometry.CheckerLeft(7), 11 * geometry.Unit(), SIDE_COMPUTER, 1);
    int dx = geometry.Unit();
    for (auto _ : state) {
        if (sprite.X() + dx < geometry.CheckerLeft(7) || sprite.X() + dx > geometry.CheckerLeft(6)) dx = -dx;
        sprite.MoveTo(sprite.X() + dx, sprite.Y(), true);
    }
}
BENCHMARK(BM_AnimationStep)->Unit(benchmark::kMicrosecond);

// A whole game from the starting position played by a quick "Finish game"
// at speed 100, every animation step drawn, and its statistics window
// answered with "Again" (it books into the statistics file of the current folder).
void BM_QuickFinish(benchmark::State& state) {
    SetModalHook([](QDialog&) { return int{QDialog::Accepted}; });
    GameWnd wnd(1024);
    wnd.show();
    QApplication::processEvents();
    Game& game = wnd.GameSession().game;
    game.options.moveDelay = 0;
    game.options.autoFinish = 0;
    game.options.manualDice = 0;
    for (auto _ : state) {
        NewGame(wnd.GameSession());
        QApplication::processEvents();
        const int scored = game.runScore[SIDE_HUMAN] + game.runScore[SIDE_COMPUTER];
        wnd.RunCommand(ID_FINISH_GAME);
        if (game.runScore[SIDE_HUMAN] + game.runScore[SIDE_COMPUTER] == scored)
            state.SkipWithError("the game did not end");
    }
}
BENCHMARK(BM_QuickFinish)->Unit(benchmark::kMillisecond)->Iterations(5);
}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
