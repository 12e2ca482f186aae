#include "computer/suggestion.h"

#include <algorithm>
#include <iterator>

int SuggestHumanMove(Position& p, bool race, const ComputerPlayer& adviser, SuggestedMove (&moves)[MAX_DICE]) {
    Position mirrored = p;
    mirrored.board = Mirrored(p.board);
    mirrored.match = SidesSwapped(p.match);
    const ComputerPlay play = adviser.ChoosePlay(mirrored, race);
    std::copy(std::begin(mirrored.dice), std::end(mirrored.dice), p.dice);
    p.diceLeft = mirrored.diceLeft;

    for (int i = 0; i < play.count; ++i) {
        // The computer's bar, 25, mirrors back to the human's bar, 0.
        moves[i].from = 25 - play.from[i];
        moves[i].to = moves[i].from + play.dice[i];
    }
    return play.count;
}
