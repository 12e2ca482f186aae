// The history behind the statistics window: games and wins counted with a
// decay, and the human's winning percentage after each of the last games.
// The record is the whole content of the statistics file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/atomic_file.h"

constexpr int STATS_HISTORY = 50;
constexpr std::size_t STATS_FILE_SIZE = 8 + 4 * STATS_HISTORY;
inline const char* const STATS_FILE_NAME = "kestro32.scr";

struct StatsRecord {
    int32_t games;
    int32_t wins;
    int32_t pct[STATS_HISTORY];  // oldest first; 0 is an empty slot
};

// An even score over two games, so the first real game does not swing the
// graph to 0 or 100.
StatsRecord FreshStatsRecord();

Bytes EncodeStatsRecord(const StatsRecord& record);
// Nothing when the bytes are too short or hold numbers the program could not
// have written; the caller then starts from the fresh record.
std::optional<StatsRecord> DecodeStatsRecord(const Bytes& bytes);

// Books one finished game into the record.
void AddGameToRecord(StatsRecord& record, bool humanWon);

// Reads the file (a missing or unusable one counts as the fresh record),
// books the game that `winner` won into `record` and writes the file
// whole. A file of another size or refused by its checks is kept aside first
// (see KeepRefusedFile), and is not replaced when that fails. Says why when
// the file could not be written; the record is updated anyway.
FileResult UpdateStatsFile(StatsRecord& record, int winner, const std::string& path = STATS_FILE_NAME);
