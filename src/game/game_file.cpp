#include "game/game_file.h"

#include <algorithm>
#include <iterator>

namespace {
// Where each int field of the file lives in the game, for a game to read
// (const) or to write.
template <typename G>
auto& Field(G& game, int f) {
    auto& c = game.counters;
    auto& p = game.position;
    decltype(&p.diceLeft) const fields[POS_FIELD_COUNT] = {
        &p.diceLeft,
        &game.moveOrdinal,
        &game.race,
        &c.thinkTime[SIDE_HUMAN],
        &c.thinkTime[SIDE_COMPUTER],
        &p.cubeOwner,
        &p.cubeValue,
        &c.diceTotal[SIDE_HUMAN],
        &c.diceTotal[SIDE_COMPUTER],
        &game.computerMayDouble,
        &c.doublesThrown[SIDE_HUMAN],
        &c.doublesThrown[SIDE_COMPUTER],
        &c.hitsMade[SIDE_HUMAN],
        &c.hitsMade[SIDE_COMPUTER],
    };
    return *fields[f];
}
}  // namespace

PositionFileData CapturePositionFile(const Game& game) {
    PositionFileData data{};
    data.table = game.turnStart;
    std::copy(std::begin(game.position.dice), std::end(game.position.dice), data.dice);
    for (int f = 0; f < POS_FIELD_COUNT; ++f) data.fields[f] = Field(game, f);
    data.present = POS_ALL_PRESENT;
    return data;
}

void ApplyPositionFile(const PositionFileData& data, Game& game) {
    game.openingThrow = 0;
    game.turnStart = data.table;
    game.position.board = WithFixedOwners(data.table);
    // A file without the race flag must not leave the old position's flag behind.
    game.race = NoContact(game.position.board);
    if (data.present >= 1) std::copy(std::begin(data.dice), std::end(data.dice), game.position.dice);
    for (int f = 0; f + 1 < data.present; ++f) Field(game, f) = data.fields[f];
}

FileResult SavePositionFile(const std::string& path, const Game& game) {
    return WriteFileAtomically(path, EncodePositionFile(CapturePositionFile(game)));
}
