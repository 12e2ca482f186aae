#include "controller/progress_bar.h"

#include "rules/position.h"
#include "settings/options.h"
#include "shell/game_wnd.h"

ProgressBar SplitProgress(int paneWidth, int paneHeight, int humanToGo, int computerToGo) {
    ProgressBar bar;
    const int total = humanToGo + computerToGo;
    // Both sides home is no game to measure.
    if (total == 0) return bar;
    const Rect pane{0, 1, paneWidth, paneHeight - 1};
    bar.shown = true;
    bar.computer = pane;
    bar.computer.left = pane.right - paneWidth * humanToGo / total;
    bar.human = pane;
    bar.human.right = pane.left + paneWidth * computerToGo / total;
    return bar;
}

void DrawProgressBar() {
    if (!g_gameWnd) return;
    if (ShowProgress == 0) {
        g_gameWnd->SetProgressBar({});
        return;
    }
    const Rect pane = g_gameWnd->PaneRect(1);
    g_gameWnd->SetProgressBar(
        SplitProgress(pane.Width(), pane.Height(), QuadrantCount(SIDE_HUMAN), QuadrantCount(SIDE_COMPUTER)));
}
