// One step of a checker's travel on the real window, offscreen: hide the
// checker, move it one unit, show it again and make the change visible.
// The pace of the animation is meant to be set by the pause alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "display/checker_sprite.h"
#include "display/geometry.h"
#include "rules/location.h"
#include "shell/game_wnd.h"

namespace {
void BM_AnimationStep(benchmark::State& state) {
    GameWnd wnd(1024);
    wnd.show();
    QApplication::processEvents();
    // Across the empty middle of the board and back, over the bar strip.
    CCheckerSprite sprite(CheckerLeft(7), 11 * g_unit, SIDE_COMPUTER, 1);
    int dx = g_unit;
    for (auto _ : state) {
        if (sprite.X() + dx < CheckerLeft(7) || sprite.X() + dx > CheckerLeft(6)) dx = -dx;
        sprite.MoveTo(sprite.X() + dx, sprite.Y(), true);
    }
}
BENCHMARK(BM_AnimationStep)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
