#include "display/control_layout.h"

#include <gtest/gtest.h>

#include "display/geometry_fixture.h"
#include "rules/location.h"

namespace {
TEST_F(GeometryTest, StatusPanesFollowTheBottomRow) {
    UseWindow(800, 560, 0);
    EXPECT_EQ(StatusPanes(geometry).pane0, 374);
    EXPECT_EQ(StatusPanes(geometry).pane1, 176);
    UseWindow(800, 560, 1);
    EXPECT_EQ(StatusPanes(geometry).pane0, 330);
    EXPECT_EQ(StatusPanes(geometry).pane1, 220);
}

TEST_F(GeometryTest, DieWindowsStandInTwoGroupsAtTheTrayHeight) {
    struct Case {
        int clockwise;
        DieGroup group;
        int firstX;
    };
    const Case cases[] = {
        {0, DIE_GROUP_COMPUTER, 88},
        {0, DIE_GROUP_HUMAN, 374},
        {1, DIE_GROUP_COMPUTER, 88},
        {1, DIE_GROUP_HUMAN, 418},
    };
    for (const Case& c : cases) {
        UseWindow(800, 560, c.clockwise, 500);
        for (int k = 0; k < DIE_WINDOWS_PER_GROUP; ++k) {
            const int x = c.firstX + 40 * k;
            EXPECT_EQ(DieWindowRect(geometry, c.group, k), (Rect{x, 217, x + 32, 249})) << c.clockwise << " " << k;
        }
    }
}

TEST_F(GeometryTest, MessageListBesideTheBoard) {
    UseWindow(800, 560, 0, 500);
    EXPECT_EQ(MessageListRect(geometry), (Rect{627, 44, 789, 439}));
    UseWindow(800, 560, 1, 500);
    EXPECT_EQ(MessageListRect(geometry), (Rect{627, 44, 789, 439}));
}

TEST_F(GeometryTest, CubeMovesToItsHolder) {
    UseWindow(800, 560, 0, 500);
    EXPECT_EQ(CubeRect(geometry, SIDE_NONE), (Rect{280, 217, 313, 250}));
    EXPECT_EQ(CubeRect(geometry, SIDE_HUMAN), (Rect{280, 261, 313, 294}));
    EXPECT_EQ(CubeRect(geometry, SIDE_COMPUTER), (Rect{280, 173, 313, 206}));
}
}  // namespace
