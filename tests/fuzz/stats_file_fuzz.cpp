// The statistics file: a record read from it must take one more game and
// still be a record, and the window's graph must come from it without fault.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "stats/stats_record.h"
#include "stats/win_graph.h"

namespace {
void CheckSound(const StatsRecord& r) {
    FUZZ_CHECK(r.games >= 1 && r.wins >= 0 && r.wins <= r.games);
    FUZZ_CHECK(std::all_of(std::begin(r.pct), std::end(r.pct), [](int32_t p) { return p >= 0 && p <= 100; }));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // The program reads no more than the record's size.
    const Bytes bytes(data, data + std::min(size, STATS_FILE_SIZE));
    const std::optional<StatsRecord> record = DecodeStatsRecord(bytes);
    if (!record) return 0;
    FUZZ_CHECK(EncodeStatsRecord(*record) == bytes);
    CheckSound(*record);
    for (bool humanWon : {false, true}) {
        StatsRecord booked = *record;
        AddGameToRecord(booked, humanWon);
        CheckSound(booked);
        const GraphFrame frame{10, 300, 200, 150};
        for (const GraphPoint& p : WinGraphPoints(booked, frame))
            FUZZ_CHECK(p.x >= frame.left && p.x <= frame.left + frame.width && p.y <= frame.bottom &&
                       p.y >= frame.bottom - frame.height);
    }
    return 0;
}
