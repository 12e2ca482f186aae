#include "stats_record.h"

#include <algorithm>
#include <limits>

#include "platform/le_bytes.h"
#include "rules/location.h"
#include "rules/position.h"

StatsRecord FreshStatsRecord() {
    StatsRecord record{};
    record.games = 2;
    record.wins = 1;
    record.pct[0] = 50;
    return record;
}

Bytes EncodeStatsRecord(const StatsRecord& record) {
    Bytes bytes;
    ByteWriter out(bytes);
    out.I32(record.games);
    out.I32(record.wins);
    for (int32_t p : record.pct) out.I32(p);
    return bytes;
}

std::optional<StatsRecord> DecodeStatsRecord(const Bytes& bytes) {
    if (bytes.size() < STATS_FILE_SIZE) return std::nullopt;
    ByteReader in(bytes);
    StatsRecord record{};
    record.games = in.I32();
    record.wins = in.I32();
    for (int32_t& p : record.pct) p = in.I32();
    // A record at the largest count could not take one more game.
    const bool countsOk = record.games >= 1 && record.games < std::numeric_limits<int32_t>::max() && record.wins >= 0 &&
                          record.wins <= record.games;
    const bool pctOk =
        std::all_of(std::begin(record.pct), std::end(record.pct), [](int32_t p) { return p >= 0 && p <= 100; });
    if (!countsOk || !pctOk) return std::nullopt;
    return record;
}

void AddGameToRecord(StatsRecord& record, bool humanWon) {
    int last = STATS_HISTORY - 1;
    while (last >= 0 && record.pct[last] == 0) --last;
    if (last == STATS_HISTORY - 1) {
        std::copy(record.pct + 1, record.pct + STATS_HISTORY, record.pct);
        last = STATS_HISTORY - 2;
    }
    ++record.games;
    if (humanWon) ++record.wins;
    if (record.games >= 16 && record.games % 2 == 0 && record.wins % 2 == 0) {
        record.games /= 2;
        record.wins /= 2;
    }
    // wins never exceeds games, so the quotient is 0..100; the product needs 64 bits.
    record.pct[last + 1] = static_cast<int32_t>(int64_t{record.wins} * 100 / record.games);
}

FileResult UpdateStatsFile(StatsRecord& record, int winner, const std::string& path) {
    const std::optional<Bytes> bytes = ReadFileBytes(path, STATS_FILE_SIZE + 1);
    const std::optional<StatsRecord> stored = bytes ? DecodeStatsRecord(*bytes) : std::nullopt;
    record = stored.value_or(FreshStatsRecord());
    AddGameToRecord(record, winner == SIDE_HUMAN);
    // The history of a damaged file must not vanish under a fresh record, nor
    // what a longer one holds beyond the record.
    if (!stored || bytes->size() != STATS_FILE_SIZE)
        if (const FileResult kept = KeepRefusedFile(path); !kept) return kept;
    return WriteFileAtomically(path, EncodeStatsRecord(record));
}
