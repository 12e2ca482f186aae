// The board's geometry for a given window size and orientation, without a window.
#pragma once

#include <gtest/gtest.h>

#include "display/geometry.h"
#include "game/game.h"
#include "settings/options.h"

class GeometryTest : public ::testing::Test {
protected:
    // A client area as the 800 x 560 window leaves it below its menu.
    static void UseWindow(int width, int height, int clockwise, int clientHeight = 500) {
        SetWindowMetrics({width, height});
        SetClientSize(width, clientHeight);
        g_game.options.clockWise = clockwise;
    }
    void TearDown() override { g_game.options.clockWise = 0; }
};
