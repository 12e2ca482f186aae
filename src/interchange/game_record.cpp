#include "interchange/game_record.h"

#include <algorithm>

#include "rules/moves.h"
#include "rules/position.h"

RecordedGame& RunRecord::Current() {
    if (games_.empty()) games_.push_back({false, false, {}, {}});
    return games_.back();
}

void RunRecord::Add(const GameEvent& event) {
    RecordedGame& game = Current();
    // A game over takes nothing more; the next one begins with NewGame.
    if (!game.over) game.events.push_back(event);
}

void RunRecord::NewGame(bool fromStart, const MatchScore& score) { games_.push_back({fromStart, false, {}, score}); }

void RunRecord::SetUpGame(const Position& p) {
    NewGame(false, p.match);
    if (p.diceLeft == 2 || p.diceLeft == MAX_DICE) TurnThrow(p);
}

void RunRecord::SidesSwitched() { Current().fromStart = false; }

void RunRecord::Throw(int side, int die1, int die2) { Add({GameAction::Throw, side, die1, die2}); }

void RunRecord::Step(int side, int from, int to, bool hit) { Add({GameAction::Step, side, from, to, hit}); }

void RunRecord::TurnThrow(const Position& p) { Throw(p.sideToMove, p.dice[0], p.dice[1]); }

void RunRecord::StepBefore(const Position& p, int from, int to) {
    const bool hit = IsPoint(to) && p[to].count == 1 && p[to].owner != p.sideToMove;
    Step(p.sideToMove, from, IsPoint(to) ? to : TrayOf(p), hit);
}

void RunRecord::StepTakenBack() {
    std::vector<GameEvent>& events = Current().events;
    if (!events.empty() && events.back().action == GameAction::Step) events.pop_back();
}

void RunRecord::Double(int doubler, int newStake, bool taken) {
    Add({GameAction::Double, doubler, newStake});
    Add({taken ? GameAction::Take : GameAction::Drop, MirrorSide(doubler)});
}

void RunRecord::DoublePlayedOn(int doubler) { Add({GameAction::DoublePlayedOn, doubler}); }

void RunRecord::Resign(int side, WinKind kind) { Add({GameAction::Resign, side, static_cast<int>(kind)}); }

void RunRecord::Win(int winner, int points) {
    Add({GameAction::Win, winner, points});
    Current().over = true;
}

const GameEvent* RunRecord::LastThrow(std::vector<GameEvent>* stepsSince) const {
    if (games_.empty()) return nullptr;
    const std::vector<GameEvent>& events = games_.back().events;
    const auto it =
        std::find_if(events.rbegin(), events.rend(), [](const GameEvent& e) { return e.action == GameAction::Throw; });
    if (it == events.rend()) return nullptr;
    if (stepsSince) {
        stepsSince->clear();
        for (auto step = it.base(); step != events.end(); ++step)
            if (step->action == GameAction::Step) stepsSince->push_back(*step);
    }
    return &*it;
}
