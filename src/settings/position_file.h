// Position files: the saved position, the dice still to play, the cube and
// the game's counters, as 289 packed little-endian bytes.
//
// Opening a file is split in two so that a bad file changes nothing: the
// decoder checks everything the file holds and yields a value; only then
// is it written into the game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/atomic_file.h"
#include "rules/position.h"

constexpr int32_t POS_FILE_MAGIC = 32;
constexpr std::size_t POS_FILE_SIZE = 289;

// The int fields after the dice bytes, in file order.
enum PosField {
    POS_DICE_LEFT,
    POS_MOVE_ORDINAL,
    POS_RACE,
    POS_THINK_HUMAN,
    POS_THINK_COMPUTER,
    POS_CUBE_OWNER,
    POS_CUBE_VALUE,
    POS_DICE_TOTAL_HUMAN,
    POS_DICE_TOTAL_COMPUTER,
    POS_COMPUTER_MAY_DOUBLE,
    POS_DOUBLES_HUMAN,
    POS_DOUBLES_COMPUTER,
    POS_HITS_HUMAN,
    POS_HITS_COMPUTER,
    POS_FIELD_COUNT
};

struct PositionFileData {
    Board table{};
    uint8_t dice[MAX_DICE + 1];
    int32_t fields[POS_FIELD_COUNT];
    // How many fields after the table the file holds: the dice bytes count as
    // one, then the int fields in order. A file may end after any of them; the
    // fields it lacks keep the game's values.
    int present;
};

constexpr int POS_ALL_PRESENT = 1 + POS_FIELD_COUNT;

Bytes EncodePositionFile(const PositionFileData& data);
// Nothing when the bytes are not a position file the game could continue
// from. A file may end early: the fields it lacks are taken from `current`,
// the game as a file would hold it, and checked with the rest.
std::optional<PositionFileData> DecodePositionFile(const Bytes& bytes, const PositionFileData& current);

enum class PosFileStatus { Unreadable, Invalid, Ok };
struct PosFileRead {
    PosFileStatus status;
    std::optional<PositionFileData> data;
    FileResult why;  // of an unreadable file
};
// Reads and checks a file without touching the game.
PosFileRead ReadPositionFile(const std::string& path, const PositionFileData& current);
