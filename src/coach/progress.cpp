#include "coach/progress.h"

#include <algorithm>

std::vector<ProgressPoint> ErrorRateProgress(const std::vector<RecordedGame>& kept,
                                             const std::vector<KeptReview>& reviews) {
    std::vector<ProgressPoint> points;
    std::vector<ReviewSummary> summaries;
    const size_t first = kept.size() - std::min(kept.size(), static_cast<size_t>(PROGRESS_GAMES));
    for (size_t i = first; i < kept.size(); ++i) {
        const ReviewFigures* figures = FindReview(reviews, kept[i]);
        if (!figures) continue;
        const ReviewSummary summary = Summarize(*figures);
        if (summary.decisions == 0) continue;
        summaries.push_back(summary);
        float lost = 0;
        int decisions = 0;
        const size_t from = summaries.size() - std::min(summaries.size(), static_cast<size_t>(RUNNING_GAMES));
        for (size_t k = from; k < summaries.size(); ++k) {
            lost += summaries[k].lost;
            decisions += summaries[k].decisions;
        }
        points.push_back({static_cast<int>(i), summary.errorRate, 1000 * lost / static_cast<float>(decisions)});
    }
    return points;
}
