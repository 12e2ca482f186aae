#include "coach/game_replay.h"

#include <algorithm>

#include "computer/expert_player.h"
#include "rules/dice_throw.h"
#include "rules/game_end.h"
#include "rules/moves.h"

namespace {

bool ForwardFor(int side, int from, int to) {
    if (side == SIDE_HUMAN) return from <= 24 && (to == LOC_HUMAN_OFF || (IsPoint(to) && to > from));
    return from >= 1 && from <= LOC_COMPUTER_BAR && (to == LOC_COMPUTER_OFF || (IsPoint(to) && to < from));
}

class Replay {
public:
    explicit Replay(const RecordedGame& game) {
        p_.board = WithFixedOwners(StartingBoard());
        p_.match = game.scoreBefore;
        ClearDice(p_);
    }

    bool Play(const GameEvent& e) {
        switch (e.action) {
            case GameAction::Throw:
                return CloseTurn() && Throw(e);
            case GameAction::Step:
                return Step(e);
            case GameAction::Double:
            case GameAction::DoublePlayedOn:
                return Double(e);
            case GameAction::Take:
            case GameAction::Drop:
                return Answer(e);
            case GameAction::Resign:
                inTurn_ = false;
                return true;
            case GameAction::Win:
                // A game given up, or a double passed, ends with the turn
                // unfinished; a game won ends with the winning play.
                if (TrayWinner(p_.board) == SIDE_NONE) inTurn_ = false;
                return CloseTurn();
        }
        return false;
    }

    ReplayedGame& Result() { return result_; }

private:
    bool Throw(const GameEvent& e) {
        // The opening throw is thrown again on a double.
        const bool opening = result_.throws.empty() && e.a != e.b;
        p_.sideToMove = e.side;
        ClearDice(p_);
        result_.throws.push_back({p_, e.a, e.b, opening});
        SetThrownDice(p_, e.a, e.b);
        turnStart_ = p_;
        inTurn_ = true;
        steps_ = {};
        return true;
    }

    bool Step(const GameEvent& e) {
        if (!inTurn_ || e.side != p_.sideToMove || !ForwardFor(e.side, e.a, e.b)) return false;
        if (p_[e.a].owner != e.side || p_[e.a].count == 0 || steps_.count == MAX_DICE) return false;
        const CheckerTransfer moved = TransferChecker(p_, e.a, e.b);
        steps_.steps[steps_.count++] = {e.a, e.b, moved.hit};
        return true;
    }

    // Before its throw a side doubles with the other's turn behind it; with
    // the cube after the roll, with its own dice thrown and not yet played.
    bool Double(const GameEvent& e) {
        const bool afterThrow = inTurn_ && p_.sideToMove == e.side && steps_.count == 0;
        if (!afterThrow) {
            if (!CloseTurn()) return false;
            p_.sideToMove = e.side;
            ClearDice(p_);
        }
        doubledAt_ = afterThrow ? turnStart_ : p_;
        if (e.side == SIDE_HUMAN) result_.decisions.push_back({DecisionKind::Double, doubledAt_, {}});
        return true;
    }

    bool Answer(const GameEvent& e) {
        if (e.side == SIDE_HUMAN)
            result_.decisions.push_back(
                {e.action == GameAction::Take ? DecisionKind::Take : DecisionKind::Pass, doubledAt_, {}});
        if (e.action == GameAction::Drop) inTurn_ = false;
        if (e.action == GameAction::Take) {
            p_.cubeValue = std::min(2 * p_.cubeValue, MAX_CUBE_VALUE);
            p_.cubeOwner = e.side;
        }
        return true;
    }

    // The turn's steps must make one of the throw's legal plays.
    bool CloseTurn() {
        if (!inTurn_) return true;
        inTurn_ = false;
        const int side = turnStart_.sideToMove;
        const expert::Position reached = ExpertView(p_.board, side);
        const std::vector<expert::Play> plays = ExpertPlays(turnStart_, side);
        const bool legal =
            std::any_of(plays.begin(), plays.end(), [&](const expert::Play& play) { return play.after == reached; });
        if (legal && side == SIDE_HUMAN) result_.decisions.push_back({DecisionKind::Play, turnStart_, steps_});
        return legal;
    }

    Position p_;
    Position turnStart_;
    Position doubledAt_;
    HumanPlay steps_;  // the turn's steps so far, of either side
    bool inTurn_ = false;
    ReplayedGame result_;
};

}  // namespace

ReplayedGame ReplayGame(const RecordedGame& game) {
    if (!game.fromStart || !game.over) return {};
    Replay replay(game);
    for (const GameEvent& e : game.events)
        if (!replay.Play(e)) return {};
    ReplayedGame& result = replay.Result();
    if (result.decisions.size() > MOST_DECISIONS) return {};
    result.replayed = true;
    return std::move(result);
}
