#include "computer/expert_player.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "computer/expert_weights.h"
#include "computer/search.h"
#include "expert/weights_file.h"
#include "rules/position.h"

namespace {

struct Loaded {
    expert::Brain brain;
    std::string problem;
};

const Loaded& Load() {
    static const Loaded loaded = [] {
        Loaded l;
        l.problem = expert::LoadBrain(kExpertWeights, kExpertWeightsSize, l.brain);
        return l;
    }();
    return loaded;
}

// Location of a side's own point index (0 its ace point) or bar.
int LocationOf(int side, int index) {
    if (side == SIDE_COMPUTER) return index == expert::kBar ? LOC_COMPUTER_BAR : index + 1;
    return index == expert::kBar ? LOC_HUMAN_BAR : 24 - index;
}

}  // namespace

const expert::Brain& EmbeddedBrain() {
    const Loaded& l = Load();
    if (!l.problem.empty()) {
        std::fprintf(stderr, "kestro: the Expert's built-in weights are damaged: %s\n", l.problem.c_str());
        std::abort();
    }
    return l.brain;
}

std::string EmbeddedBrainProblem() { return Load().problem; }

expert::Position LivePosition(int side) {
    expert::Position p;
    const int sides[2] = {side, MirrorSide(side)};
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i <= expert::kBar; ++i) {
            const CLocation& loc = *g_board[LocationOf(sides[s], i)];
            if (loc.owner == sides[s]) p.checkers[s][i] = static_cast<uint8_t>(loc.count);
        }
    return p;
}

void ChooseExpertMove() { ChooseExpertMoveWith(EmbeddedBrain(), {}); }

std::vector<expert::Play> LivePlays(int side) {
    int dice[MAX_DICE];
    for (int i = 0; i < g_diceLeft; ++i) dice[i] = g_dice[i];
    std::vector<expert::Play> plays;
    expert::GeneratePlays(LivePosition(side), dice, g_diceLeft, plays);
    return plays;
}

void ChooseExpertMoveWith(const expert::Brain& brain, const expert::SearchLimits& limits) {
    const std::vector<expert::Play> plays = LivePlays(SIDE_COMPUTER);
    const expert::Play& play = expert::ChoosePlay(brain, plays, limits).play;
    std::memset(g_bestFrom, DICE_END, MAX_DICE);
    std::memset(g_bestDice, DICE_END, MAX_DICE);
    for (int i = 0; i < play.count; ++i) {
        g_bestFrom[i] = static_cast<uint8_t>(LocationOf(SIDE_COMPUTER, play.steps[i].from));
        g_bestDice[i] = g_dice[i] = static_cast<uint8_t>(play.steps[i].die);
    }
    for (int i = play.count; i <= MAX_DICE; ++i) g_dice[i] = DICE_END;
    g_diceLeft = play.count;
    g_bestScore = 0;
    g_searchLeaves = static_cast<uint32_t>(plays.size());
}
