#include "position_file.h"

#include <algorithm>
#include <bit>

#include "platform/le_bytes.h"

namespace {
constexpr std::size_t kEntryPadding = 3;
constexpr std::size_t kTableEnd = 4 + NUM_LOCATIONS * (1 + kEntryPadding + 4);
// The game goes on adding to the counters, so one near the int limit would
// overflow; no game comes near this one.
constexpr int32_t kCounterLimit = 1'000'000'000;

// The values a game can hold in each int field. The move ordinal must be 1:
// files are saved before the first move of a turn, and any other value would
// let Undo take back moves never made.
struct FieldRange {
    int32_t min, max;
};
const FieldRange kFieldRanges[POS_FIELD_COUNT] = {
    {0, MAX_DICE},            // dice left
    {1, 1},                   // move ordinal
    {0, 1},                   // race
    {0, kCounterLimit},       // human's thinking time
    {0, kCounterLimit},       // computer's thinking time
    {SIDE_NONE, SIDE_HUMAN},  // cube owner
    {1, MAX_CUBE_VALUE},      // cube value
    {0, kCounterLimit},       // human's dice total
    {0, kCounterLimit},       // computer's dice total
    {0, 1},                   // computer may double
    {0, kCounterLimit},       // human's doubles
    {0, kCounterLimit},       // computer's doubles
    {0, kCounterLimit},       // human's hits
    {0, kCounterLimit},       // computer's hits
};

bool TableIsValid(const Board& table) {
    int total[3] = {0, 0, 0};
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) {
        const Checkers& e = table[loc];
        if (e.count < 0 || e.count > CHECKERS_PER_SIDE || e.owner < SIDE_NONE || e.owner > SIDE_HUMAN) return false;
        // A point is owned exactly while checkers stand on it.
        // A new game's saved position leaves empty bars and trays without an
        // owner, so files saved in its first turn hold none for them.
        const bool ownerOk = IsPoint(loc) ? (e.owner != SIDE_NONE) == (e.count != 0)
                                          : e.owner == FixedOwner(loc) || (e.owner == SIDE_NONE && e.count == 0);
        if (!ownerOk) return false;
        total[e.owner] += e.count;
    }
    // A tray holding a whole side is a game already over: playing on would book it a second time.
    const bool overAlready =
        table[LOC_HUMAN_OFF].count == CHECKERS_PER_SIDE || table[LOC_COMPUTER_OFF].count == CHECKERS_PER_SIDE;
    return !overAlready && total[SIDE_COMPUTER] == CHECKERS_PER_SIDE && total[SIDE_HUMAN] == CHECKERS_PER_SIDE;
}

bool DiceAreValid(const uint8_t* dice, int32_t left) {
    if (left < 0 || left > MAX_DICE || dice[left] != DICE_END) return false;
    return std::all_of(dice, dice + left, [](uint8_t d) { return d >= 1 && d <= 6; });
}

bool FieldsAreValid(const PositionFileData& data) {
    for (int f = 0; f + 1 < data.present; ++f) {
        const int32_t v = data.fields[f];
        if (v < kFieldRanges[f].min || v > kFieldRanges[f].max) return false;
    }
    if (data.present > 1 + POS_CUBE_VALUE && !std::has_single_bit(static_cast<uint32_t>(data.fields[POS_CUBE_VALUE])))
        return false;
    // The cube stands at 1 in the middle and is held once doubled, also when
    // the file ends between the holder and the value, which the game keeps.
    if ((data.fields[POS_CUBE_OWNER] == SIDE_NONE) != (data.fields[POS_CUBE_VALUE] == 1)) return false;
    // Dice without their count are checked against the count the game keeps.
    return data.present == 0 || DiceAreValid(data.dice, data.fields[POS_DICE_LEFT]);
}
}  // namespace

Bytes EncodePositionFile(const PositionFileData& data) {
    Bytes bytes;
    bytes.reserve(POS_FILE_SIZE);
    ByteWriter out(bytes);
    out.I32(POS_FILE_MAGIC);
    for (const Checkers& e : data.table) {
        out.U8(static_cast<uint8_t>(e.count));
        out.Zeros(kEntryPadding);
        out.I32(e.owner);
    }
    if (data.present >= 1)
        for (uint8_t d : data.dice) out.U8(d);
    for (int f = 0; f + 1 < data.present; ++f) out.I32(data.fields[f]);
    return bytes;
}

std::optional<PositionFileData> DecodePositionFile(const Bytes& bytes, const PositionFileData& current) {
    ByteReader in(bytes);
    if (!in.Has(4) || in.I32() != POS_FILE_MAGIC) return std::nullopt;
    // A table cut short would mix the old position with the new one.
    if (bytes.size() < kTableEnd) return std::nullopt;
    PositionFileData data = current;
    for (Checkers& e : data.table) {
        e.count = static_cast<int8_t>(in.U8());
        in.Skip(kEntryPadding);
        e.owner = in.I32();
    }
    data.present = 0;
    if (in.Has(MAX_DICE + 1)) {
        for (uint8_t& d : data.dice) d = in.U8();
        data.present = 1;
        for (int32_t& field : data.fields) {
            if (!in.Has(4)) break;
            field = in.I32();
            ++data.present;
        }
    }
    if (!TableIsValid(data.table) || !FieldsAreValid(data)) return std::nullopt;
    return data;
}

PosFileRead ReadPositionFile(const std::string& path, const PositionFileData& current) {
    const FileRead file = ReadFileWithReason(path, POS_FILE_SIZE);
    if (!file.bytes) return {PosFileStatus::Unreadable, std::nullopt, file.result};
    std::optional<PositionFileData> data = DecodePositionFile(*file.bytes, current);
    return {data ? PosFileStatus::Ok : PosFileStatus::Invalid, std::move(data), {}};
}
