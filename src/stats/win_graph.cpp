#include "win_graph.h"

std::vector<int> GraphPercentages(const StatsRecord& record) {
    std::vector<int> values{record.pct[0]};
    for (int i = 1; i < STATS_HISTORY && record.pct[i] != 0; ++i) values.push_back(record.pct[i]);
    return values;
}

std::vector<GraphPoint> WinGraphPoints(const StatsRecord& record, const GraphFrame& frame) {
    const std::vector<int> values = GraphPercentages(record);
    std::vector<GraphPoint> points;
    points.reserve(values.size() + 1);
    for (int i = 0; i < static_cast<int>(values.size()); ++i) {
        const int y = frame.bottom - frame.height * values[i] / 100;
        if (i == 0) points.push_back({frame.left + 1, y});
        points.push_back({frame.left + i * frame.width / (STATS_HISTORY - 1), y});
    }
    return points;
}
