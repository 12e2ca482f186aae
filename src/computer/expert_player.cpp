#include "computer/expert_player.h"

#include <cstdio>
#include <cstdlib>

#include "computer/expert_weights.h"
#include "expert/cube.h"
#include "expert/match_equity.h"
#include "expert/weights_file.h"

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

// The side to move plays its best with the dice left, or, with none thrown,
// is about to throw.
expert::Outcome ChancesOfSideToMove(const Position& p) {
    if (p.diceLeft == 0) return expert::EvaluateBeforeRoll(EmbeddedBrain(), ExpertView(p.board, p.sideToMove));
    return expert::ChoosePlay(EmbeddedBrain(), ExpertPlays(p, p.sideToMove)).outcome;
}

expert::Outcome ComputerChances(const Position& p) {
    const expert::Outcome o = ChancesOfSideToMove(p);
    return p.sideToMove == SIDE_COMPUTER ? o : expert::Flipped(o);
}

expert::CubeAccess ComputerAccess(const Position& p) {
    return p.cubeOwner == SIDE_NONE       ? expert::CubeAccess::Centred
           : p.cubeOwner == SIDE_COMPUTER ? expert::CubeAccess::Mine
                                          : expert::CubeAccess::Theirs;
}

expert::CubeAccess Reversed(expert::CubeAccess a) {
    return a == expert::CubeAccess::Mine     ? expert::CubeAccess::Theirs
           : a == expert::CubeAccess::Theirs ? expert::CubeAccess::Mine
                                             : a;
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

int GameLocation(int side, int expertIndex) {
    if (side == SIDE_COMPUTER) return expertIndex == expert::kBar ? LOC_COMPUTER_BAR : expertIndex + 1;
    return expertIndex == expert::kBar ? LOC_HUMAN_BAR : 24 - expertIndex;
}

expert::MatchScoreView MatchView(const MatchScore& m, int side) {
    const expert::MatchStage stage = IsCrawfordGame(m)   ? expert::MatchStage::Crawford
                                     : IsPostCrawford(m) ? expert::MatchStage::PostCrawford
                                                         : expert::MatchStage::Normal;
    return {Away(m, side), Away(m, MirrorSide(side)), stage};
}

expert::Stakes StakesOf(const Position& p, int side) {
    return IsMatch(p.match) ? expert::MatchStakes(MatchView(p.match, side), p.cubeValue) : expert::Stakes{};
}

bool DoublingCounts(const Position& p, int side) {
    return !IsMatch(p.match) || (ScoreAllowsDoubling(p.match) && Away(p.match, side) > p.cubeValue);
}

expert::Position ExpertView(const Board& board, int side) {
    expert::Position p;
    const int sides[2] = {side, MirrorSide(side)};
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i <= expert::kBar; ++i) {
            const Checkers& loc = board[GameLocation(sides[s], i)];
            if (loc.owner == sides[s]) p.checkers[s][i] = static_cast<uint8_t>(loc.count);
        }
    return p;
}

std::vector<expert::Play> ExpertPlays(const Position& p, int side) {
    int dice[MAX_DICE];
    for (int i = 0; i < p.diceLeft; ++i) dice[i] = p.dice[i];
    std::vector<expert::Play> plays;
    expert::GeneratePlays(ExpertView(p.board, side), dice, p.diceLeft, plays);
    return plays;
}

ComputerPlay ChooseExpertPlay(Position& p, const expert::Brain& brain, const expert::SearchLimits& limits) {
    const std::vector<expert::Play> plays = ExpertPlays(p, SIDE_COMPUTER);
    expert::SearchLimits atScore = limits;
    if (IsMatch(p.match)) atScore.stakes = StakesOf(p, SIDE_COMPUTER);
    const expert::Play& play = expert::ChoosePlay(brain, plays, atScore).play;
    ComputerPlay chosen;
    chosen.count = play.count;
    chosen.leaves = static_cast<uint32_t>(plays.size());
    for (int i = 0; i < play.count; ++i) {
        chosen.from[i] = static_cast<uint8_t>(GameLocation(SIDE_COMPUTER, play.steps[i].from));
        chosen.dice[i] = p.dice[i] = static_cast<uint8_t>(play.steps[i].die);
    }
    for (int i = play.count; i <= MAX_DICE; ++i) p.dice[i] = DICE_END;
    p.diceLeft = play.count;
    return chosen;
}

expert::DoubleValues ExpertDoubleValues(const Position& p) {
    if (!IsMatch(p.match)) return expert::JudgeDouble(ComputerChances(p), ComputerAccess(p));
    return expert::JudgeMatchDouble(ComputerChances(p), MatchView(p.match, SIDE_COMPUTER), p.cubeValue,
                                    ComputerAccess(p));
}

ComputerPlay ExpertPlayer::ChoosePlay(Position& p, bool) const { return ChooseExpertPlay(p, EmbeddedBrain(), {}); }

bool ExpertPlayer::WantsToDouble(const Position& p, bool) const {
    return DoublingCounts(p, SIDE_COMPUTER) && ExpertDoubleValues(p).ShouldDouble();
}

bool ExpertPlayer::WantsToResign(const Position& p, bool) const {
    if (IsMatch(p.match)) {
        // Nothing left to play for: the match stands no better played on.
        const expert::MatchScoreView view = MatchView(p.match, SIDE_COMPUTER);
        const double playedOn = expert::CubefulChance(ComputerChances(p), view, p.cubeValue, ComputerAccess(p));
        return playedOn <= expert::MatchWinningChance(expert::AfterGame(view, false, p.cubeValue)) + 0.001;
    }
    // Giving up a single game when playing on is worth no more, and nothing
    // bigger than a single game is at stake.
    const expert::Outcome o = ComputerChances(p);
    return expert::CubefulEquity(o, ComputerAccess(p)) <= -0.99f && o[expert::kLoseGammon] < 0.01f;
}

bool ExpertPlayer::AcceptsDouble(const Position& p, bool) const {
    const expert::Outcome human = expert::Flipped(ComputerChances(p));
    if (IsMatch(p.match))
        return expert::JudgeMatchDouble(human, MatchView(p.match, SIDE_HUMAN), p.cubeValue, Reversed(ComputerAccess(p)))
            .ShouldTake();
    return expert::JudgeDouble(human, Reversed(ComputerAccess(p))).ShouldTake();
}

bool ExpertPlayer::AcceptsResign(const Position& p, bool, WinKind kind) const {
    if (IsMatch(p.match)) {
        const expert::MatchScoreView view = MatchView(p.match, SIDE_COMPUTER);
        const int points = static_cast<int>(kind) * p.cubeValue;
        return expert::MatchWinningChance(expert::AfterGame(view, true, points)) >=
               expert::CubefulChance(ComputerChances(p), view, p.cubeValue, ComputerAccess(p));
    }
    return static_cast<float>(kind) >= expert::CubefulEquity(ComputerChances(p), ComputerAccess(p));
}
