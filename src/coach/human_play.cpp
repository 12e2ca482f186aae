#include "coach/human_play.h"

#include "computer/expert_player.h"
#include "rules/moves.h"

namespace {
// The board's letter for a location: A..X for the points, 0 for the bar and tray.
char LetterOf(int loc) { return IsPoint(loc) ? static_cast<char>('A' + loc - 1) : '0'; }
}  // namespace

HumanPlay FromExpertPlay(const Position& p, const expert::Play& play) {
    HumanPlay human;
    for (int i = 0; i < play.count; ++i) {
        const int from = GameLocation(SIDE_HUMAN, play.steps[i].from);
        const int to = from + play.steps[i].die;
        human.steps[i] = {from, IsPoint(to) ? to : LOC_HUMAN_OFF, false};
    }
    human.count = play.count;
    Position board = p;
    PlayOn(board, human);
    return human;
}

bool PlayOn(Position& p, HumanPlay& play) {
    p.sideToMove = SIDE_HUMAN;
    for (int i = 0; i < play.count; ++i) {
        PlayStep& s = play.steps[i];
        const bool forward = s.from >= LOC_HUMAN_BAR && s.from <= 24 && (IsPoint(s.to) || s.to == LOC_HUMAN_OFF) &&
                             (s.to == LOC_HUMAN_OFF || s.to > s.from);
        if (!forward || p[s.from].owner != SIDE_HUMAN || p[s.from].count == 0) return false;
        s.hit = TransferChecker(p, s.from, s.to).hit;
    }
    return true;
}

std::string PlayText(const HumanPlay& play) {
    if (play.count == 0) return "-";
    std::string text;
    for (int i = 0; i < play.count; ++i) {
        if (i > 0) text += ' ';
        text += LetterOf(play.steps[i].from);
        text += '-';
        text += LetterOf(play.steps[i].to);
    }
    return text;
}
