#include "controller/progress_bar.h"

#include "controller/game_view.h"
#include "controller/session.h"
#include "game/game.h"
#include "rules/position.h"
#include "settings/options.h"

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

void DrawProgressBar(Session& s) {
    if (s.game.options.showProgress == 0) {
        s.view.SetProgressBar({});
        return;
    }
    const Rect pane = s.view.PaneRect(1);
    s.view.SetProgressBar(SplitProgress(pane.Width(), pane.Height(), QuadrantCount(s.game.position.board, SIDE_HUMAN),
                                        QuadrantCount(s.game.position.board, SIDE_COMPUTER)));
}
