// Every option, the all-time scores and the live colours as they were when
// the snapshot was taken, put back when it goes. A test that changes any of
// them holds one, so that the tests after it, in whatever order, start from
// the same settings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rules/location.h"
#include "settings/color_scheme.h"
#include "settings/options.h"

class OptionsSnapshot {
public:
    OptionsSnapshot() {
        for (int32_t* v : Values()) saved_.push_back(*v);
    }
    ~OptionsSnapshot() { Restore(); }
    OptionsSnapshot(const OptionsSnapshot&) = delete;
    OptionsSnapshot& operator=(const OptionsSnapshot&) = delete;

    void Restore() const {
        const std::vector<int32_t*> values = Values();
        for (std::size_t i = 0; i < values.size(); ++i) *values[i] = saved_[i];
        g_colors = colors_;
    }

    // The values in a fixed order, colours aside.
    const std::vector<int32_t>& Saved() const { return saved_; }

private:
    static std::vector<int32_t*> Values() {
        return {&UseCube,
                &AutoFinish,
                &DiceAsIcons,
                &g_moveDelay,
                &AutoChangeTurn,
                &LevelOfPlay,
                &FirstMoveBy,
                &ShowProgress,
                &AutoForcedMoves,
                &HitShake,
                &HighLight,
                &IntelMoves,
                &ManualDice,
                &ClockWise,
                &CurScheme,
                &ShowPips,
                &Zoom,
                &g_totalScore[SIDE_HUMAN],
                &g_totalScore[SIDE_COMPUTER],
                &g_firstStarterFixed};
    }
    std::vector<int32_t> saved_;
    ColorScheme colors_ = g_colors;
};
