// The board's geometry for a given window size and orientation, without a window.
#pragma once

#include <gtest/gtest.h>

#include "display/geometry.h"

class GeometryTest : public ::testing::Test {
protected:
    // A client area as the 800 x 560 window leaves it below its menu.
    void UseWindow(int width, int height, int clockwise, int clientHeight = 500) {
        geometry = BoardGeometry({width, height});
        geometry.SetClientSize(width, clientHeight);
        geometry.SetClockwise(clockwise == 1);
    }

    BoardGeometry geometry;
};
