#include "computer/computer_player.h"

#include <algorithm>

#include "computer/expert_player.h"
#include "computer/hand_made_player.h"

namespace {
// Below the Expert the suggestion plays as well as the hand-made levels can.
constexpr int kBestHandMadeLevel = 2;
}  // namespace

const ComputerPlayer& ComputerPlayerFor(int level) {
    static const HandMadePlayer kHandMade[] = {HandMadePlayer(0), HandMadePlayer(1), HandMadePlayer(2)};
    static const ExpertPlayer kExpert;
    if (level == EXPERT_LEVEL) return kExpert;
    // The settings and the tools let no other level through.
    return kHandMade[std::clamp(level, 0, kBestHandMadeLevel)];
}

const ComputerPlayer& AdviserFor(int level) {
    return ComputerPlayerFor(level == EXPERT_LEVEL ? EXPERT_LEVEL : kBestHandMadeLevel);
}
