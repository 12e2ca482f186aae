#include "interchange/game_record.h"

#include <algorithm>

#include "rules/moves.h"
#include "rules/position.h"

namespace {
std::vector<RecordedGame> g_games;

// Events before the first game of a run (a position opened at once) start a game of their own.
RecordedGame& Current() {
    if (g_games.empty()) g_games.push_back({false, false, {}});
    return g_games.back();
}

void Add(const GameEvent& event) {
    RecordedGame& game = Current();
    // A game over takes nothing more; the next one begins with RecordNewGame.
    if (!game.over) game.events.push_back(event);
}
}  // namespace

void RecordNewGame(bool fromStart) { g_games.push_back({fromStart, false, {}}); }

void RecordSetUpGame(const Position& p) {
    RecordNewGame(false);
    if (p.diceLeft == 2 || p.diceLeft == MAX_DICE) RecordTurnThrow(p);
}

void RecordSidesSwitched() { Current().fromStart = false; }

void RecordThrow(int side, int die1, int die2) { Add({GameAction::Throw, side, die1, die2}); }

void RecordStep(int side, int from, int to, bool hit) { Add({GameAction::Step, side, from, to, hit}); }

void RecordTurnThrow(const Position& p) { RecordThrow(p.sideToMove, p.dice[0], p.dice[1]); }

void RecordStepBefore(const Position& p, int from, int to) {
    const bool hit = IsPoint(to) && p[to].count == 1 && p[to].owner != p.sideToMove;
    RecordStep(p.sideToMove, from, IsPoint(to) ? to : TrayOf(p), hit);
}

void RecordStepTakenBack() {
    std::vector<GameEvent>& events = Current().events;
    if (!events.empty() && events.back().action == GameAction::Step) events.pop_back();
}

void RecordDouble(int doubler, int newStake, bool taken) {
    Add({GameAction::Double, doubler, newStake});
    Add({taken ? GameAction::Take : GameAction::Drop, MirrorSide(doubler)});
}

void RecordDoublePlayedOn(int doubler) { Add({GameAction::DoublePlayedOn, doubler}); }

void RecordResign(int side, WinKind kind) { Add({GameAction::Resign, side, static_cast<int>(kind)}); }

void RecordWin(int winner, int points) {
    Add({GameAction::Win, winner, points});
    Current().over = true;
}

const std::vector<RecordedGame>& RecordedGames() { return g_games; }

void ClearGameRecord() { g_games.clear(); }

const GameEvent* LastThrow(std::vector<GameEvent>* stepsSince) {
    if (g_games.empty()) return nullptr;
    const std::vector<GameEvent>& events = g_games.back().events;
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
