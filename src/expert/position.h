// The Expert's own picture of a position: always seen from the side on roll,
// so the network, the move generator and the search never ask whose turn it
// is. Swapping the two halves hands the roll to the other side.
#pragma once

#include <array>
#include <cstdint>

namespace expert {

constexpr int kPoints = 24;
// Index of the bar in a side's row; points are 0 (the side's ace point,
// next to its tray) to 23 (the far end, where it enters from the bar).
constexpr int kBar = 24;
constexpr int kCheckers = 15;

struct Position {
    // checkers[0] belongs to the side on roll, checkers[1] to the other side,
    // each counted in its own numbering.
    std::array<std::array<uint8_t, kBar + 1>, 2> checkers{};

    bool operator==(const Position&) const = default;
};

// Checkers of `side` (0 on roll, 1 not) borne off.
int Off(const Position& p, int side);
// The same position with the other side on roll.
Position Swapped(const Position& p);
Position StartingPosition();
// Pips `side` still has to travel.
int PipCount(const Position& p, int side);
// Whether the two sides' checkers can no longer meet.
bool IsRace(const Position& p);
// A 64-bit fingerprint for telling apart the end positions of plays.
uint64_t Fingerprint(const Position& p);

}  // namespace expert
