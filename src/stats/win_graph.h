// The curve of the human's winning percentage, as the statistics window draws
// it between its two axes. Pure arithmetic, so the window only joins points.
#pragma once

#include <vector>

#include "stats/stats_record.h"

// The percentages the curve joins, oldest first: it ends before the first
// empty slot after the first one.
std::vector<int> GraphPercentages(const StatsRecord& record);

struct GraphPoint {
    int x, y;
};

// The area between the axes: `left` is the right edge of the vertical axis,
// `width` runs to the right end of the horizontal axis, `bottom` is the 0 %
// level and `height` reaches up to the 100 % level.
struct GraphFrame {
    int left, width, bottom, height;
};

// The polyline to draw, in the frame's coordinates. It starts one pixel right
// of the vertical axis at the first value's height, so the curve grows out of
// the axis; then one point per value, spread over 50 slots.
std::vector<GraphPoint> WinGraphPoints(const StatsRecord& record, const GraphFrame& frame);
