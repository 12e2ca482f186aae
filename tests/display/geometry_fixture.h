// The board's geometry for a given window size and orientation, without a window.
#pragma once

#include <gtest/gtest.h>

#include "display/geometry.h"

class GeometryTest : public ::testing::Test {
protected:
    // A client area as the 800 x 560 window leaves it below its menu.
    static void UseWindow(int width, int height, int clockwise, int clientHeight = 500) {
        SetWindowMetrics({width, height});
        SetClientSize(width, clientHeight);
        SetClockwise(clockwise == 1);
    }
    void TearDown() override { SetClockwise(false); }
};
