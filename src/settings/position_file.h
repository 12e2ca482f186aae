// Position files: the saved position, the dice still to play, the cube and
// the game's counters, as 289 packed little-endian bytes.
//
// Opening a file is split in two so that a bad file changes nothing: the
// decoder checks everything the file holds and yields a value; only then
// does ApplyPositionFile write it into the game.
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
    SavedLocation table[NUM_LOCATIONS];
    uint8_t dice[MAX_DICE + 1];
    int32_t fields[POS_FIELD_COUNT];
    // How many fields after the table the file holds: the dice bytes count as
    // one, then the int fields in order. A file may end after any of them; the
    // fields it lacks keep the game's values.
    int present;
};

constexpr int POS_ALL_PRESENT = 1 + POS_FIELD_COUNT;

// The game as a position file would hold it, every field present.
PositionFileData CapturePositionFile();
Bytes EncodePositionFile(const PositionFileData& data);
// Nothing when the bytes are not a position file the game could continue from.
std::optional<PositionFileData> DecodePositionFile(const Bytes& bytes);

// Writes the decoded fields into the game: the opening throw is over, the
// saved position and the live board (through the location objects' own
// operations, so drawn locations keep their drawing in step) take the table,
// and each field the file held replaces its variable. The window then shows
// the loaded state: cube caption and place, banner, dice line, move prompt,
// dice, title.
void ApplyPositionFile(const PositionFileData& data);

// Writes the game to `path` through a temporary file; says why when it could not.
FileResult SavePositionFile(const std::string& path);

enum class PosFileStatus { Unreadable, Invalid, Ok };
struct PosFileRead {
    PosFileStatus status;
    std::optional<PositionFileData> data;
    FileResult why;  // of an unreadable file
};
// Reads and checks a file without touching the game.
PosFileRead ReadPositionFile(const std::string& path);
