// The real window offscreen with its drawn board, a virtual clock, and the
// canvas read back pixel by pixel.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <initializer_list>
#include <memory>
#include <utility>

#include "controller/live_board.h"
#include "display/board_display.h"
#include "display/geometry.h"
#include "game/game.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "rules/game_stats.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "settings/options.h"
#include "shell/game_wnd.h"

// Bounding box of the black pixels in `area`; empty when there are none.
inline QRect Ink(const QImage& image, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == Qt::black) box |= QRect(x, y, 1, 1);
    return box;
}

class BoardCanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetClock(&clock);
        wnd = std::make_unique<GameWnd>(1024);
        game().position.dice[0] = DICE_END;
        game().position.diceLeft = 0;
    }

    void TearDown() override {
        wnd.reset();
        SetClock(nullptr);
    }

    // Rebuilds the board with only these checkers: negative counts are the
    // computer's. The bars and trays keep their fixed owners.
    void SetUpBoard(std::initializer_list<std::pair<int, int>> checkers) {
        for (int i = 0; i < NUM_LOCATIONS; ++i) game().turnStart[i] = {0, SIDE_NONE};
        for (auto [loc, n] : checkers)
            game().turnStart[loc] = {static_cast<int8_t>(n < 0 ? -n : n), n < 0 ? SIDE_COMPUTER : SIDE_HUMAN};
        DestroyBoard(session());
        BuildBoard(session(), false);
        game().counters = {};
    }

    Session& session() const { return wnd->GameSession(); }
    Game& game() const { return wnd->GameSession().game; }
    const BoardGeometry& geometry() const { return wnd->Geometry(); }
    BoardDisplay& display() const { return wnd->Display(); }
    QImage Image() { return wnd->GetCanvas().Image(); }
    QColor At(int x, int y) { return Image().pixelColor(x, y); }

    // Centre of the n-th checker place of a location.
    QPoint CheckerCentre(int loc, int n) const {
        const int u = geometry().Unit();
        return {geometry().CheckerLeft(loc) + u / 2, geometry().CheckerTop(loc, n) + u / 2};
    }

    VirtualClock clock;
    std::unique_ptr<GameWnd> wnd;
};
