// A play of the human as the board numbers it, and its text in the letters
// the board shows: what the hint, the tutor and the review name a play by.
#pragma once

#include <array>
#include <string>

#include "expert/move_generator.h"
#include "rules/position.h"

// One checker carried: `from` a location 0..24 (0 the human's bar), `to` a
// point or LOC_HUMAN_OFF for a checker borne off.
struct PlayStep {
    int from = 0, to = 0;
    bool hit = false;  // a lone computer checker on `to` went to the bar
    bool operator==(const PlayStep&) const = default;
};

struct HumanPlay {
    std::array<PlayStep, MAX_DICE> steps{};
    int count = 0;  // none when no die could be played
    bool operator==(const HumanPlay&) const = default;
};

// The Expert's play of the human's dice from `p` (the human on roll), as the
// board numbers it, hits included.
HumanPlay FromExpertPlay(const Position& p, const expert::Play& play);
// Carries out the steps on the board, setting each step's hit as it goes.
// False, with `p` left part-way, when a step does not start from a human
// checker or does not move forward.
bool PlayOn(Position& p, HumanPlay& play);

// The steps as the board's letters, one "from-to" a step in play order, the
// bar and the tray "0" as the keyboard types them: "L-P P-Q", "0-C T-0";
// "-" when no die could be played.
std::string PlayText(const HumanPlay& play);
