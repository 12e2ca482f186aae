// Position files: a refused file leaves the game as it was; an accepted one
// reads back as itself and gives a board the move rules can play on for
// either side without losing or making a checker.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "fuzz_check.h"
#include "game/game.h"
#include "game/game_file.h"
#include "rules/moves.h"
#include "settings/position_file.h"

namespace {
// The game the harness loads into, as the window's session holds it.
Game game;

// The start of a human turn in a new game, as when the user opens a file.
void StartGame() {
    game.turnStart = WithFixedOwners(StartingBoard());
    game.position.board = game.turnStart;
    game.counters = {};
    game.position.sideToMove = SIDE_HUMAN;
    const uint8_t dice[MAX_DICE + 1] = {6, 4, DICE_END, DICE_END, DICE_END};
    std::copy(dice, dice + MAX_DICE + 1, game.position.dice);
    game.position.diceLeft = 2;
    game.moveOrdinal = 1;
    game.race = 0;
    game.position.cubeValue = 1;
    game.position.cubeOwner = SIDE_NONE;
    game.computerMayDouble = 1;
}

void CheckCheckers() {
    int total[3] = {0, 0, 0};
    for (const Checkers& l : game.position.board) {
        FUZZ_CHECK(l.count >= 0 && l.owner >= SIDE_NONE && l.owner <= SIDE_HUMAN);
        total[l.owner] += l.count;
    }
    FUZZ_CHECK(total[SIDE_COMPUTER] == CHECKERS_PER_SIDE && total[SIDE_HUMAN] == CHECKERS_PER_SIDE);
}

// What the game asks of the rules on the loaded position, then every die
// played from the highest point that takes it.
void PlayDice(int side) {
    game.position.sideToMove = side;
    NoMovePossible(game.position);
    BothDicePossible(game.position);
    PruneUnplayableDice(game.position);
    CheckCheckers();
    while (game.position.diceLeft > 0) {
        const int from = HighestLegalFrom(game.position, 0);
        if (from >= 0) ApplyMove(game.position, from, game.position.dice[0]);
        game.position.RemoveDie(0);
        CheckCheckers();
    }
}

// Byte offsets of each table entry's padding, which is written as zeros.
bool IsPadding(std::size_t offset) {
    return offset >= 4 && offset < 4 + 8 * NUM_LOCATIONS && (offset - 4) % 8 >= 1 && (offset - 4) % 8 < 4;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    StartGame();
    const Bytes before = EncodePositionFile(CapturePositionFile(game));
    // The program reads no more than a whole file.
    const Bytes bytes(data, data + std::min(size, POS_FILE_SIZE));
    const std::optional<PositionFileData> decoded = DecodePositionFile(bytes, CapturePositionFile(game));
    FUZZ_CHECK(EncodePositionFile(CapturePositionFile(game)) == before);
    if (!decoded) return 0;

    const Bytes again = EncodePositionFile(*decoded);
    FUZZ_CHECK(again.size() <= bytes.size());
    for (std::size_t i = 0; i < again.size(); ++i) FUZZ_CHECK(again[i] == (IsPadding(i) ? 0 : bytes[i]));

    ApplyPositionFile(*decoded, game);
    // A bar or tray saved empty without an owner takes its fixed one.
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) {
        const Checkers& e = decoded->table[loc];
        FUZZ_CHECK(game.position[loc].count == e.count);
        FUZZ_CHECK(game.position[loc].owner == (IsPoint(loc) ? e.owner : FixedOwner(loc)));
    }
    CheckCheckers();
    const PositionFileData loaded = CapturePositionFile(game);
    for (int side : {SIDE_HUMAN, SIDE_COMPUTER}) {
        std::copy(std::begin(loaded.dice), std::end(loaded.dice), game.position.dice);
        game.position.diceLeft = loaded.fields[POS_DICE_LEFT];
        PlayDice(side);
    }
    return 0;
}
