#include "match_game.h"

#include "rules/dice_throw.h"
#include "rules/game_end.h"
#include "rules/moves.h"
#include "rules/position.h"

namespace {

constexpr int kMaxTurns = 5000;

// The position as the seat's player sees it: itself the computer.
Position ViewOf(const Position& real, int seat) { return seat == 1 ? TurnedRound(real) : real; }

struct GameEnd {
    int winner = SIDE_NONE;
    int points = 0;
};

class MatchGame {
public:
    MatchGame(const ComputerPlayer* const seats[2], std::mt19937& random, RunRecord& record)
        : seats_(seats), random_(random), record_(record) {}

    GameEnd Play(const MatchScore& score, std::string& fault) {
        p_ = Position{};
        p_.board = WithFixedOwners(StartingBoard());
        p_.match = score;
        record_.NewGame(true, score);
        int d1, d2;
        do {
            d1 = Die();
            d2 = Die();
        } while (d1 == d2);
        p_.sideToMove = d1 > d2 ? SIDE_COMPUTER : SIDE_HUMAN;
        for (int turn = 1; turn <= kMaxTurns; ++turn) {
            if (turn > 1) {
                p_.sideToMove = p_.Opponent();
                if (const GameEnd end = CubeBeforeThrow(); end.winner != SIDE_NONE) return end;
                d1 = Die();
                d2 = Die();
            }
            SetThrownDice(p_, d1, d2);
            record_.TurnThrow(p_);
            if (!PlayTurn(fault)) return {};
            if (const int winner = TrayWinner(p_.board); winner != SIDE_NONE) {
                const int points = static_cast<int>(ClassifyWin(p_.board)) * p_.cubeValue;
                record_.Win(winner, points);
                return {winner, points};
            }
        }
        fault = "no winner after " + std::to_string(kMaxTurns) + " turns";
        return {};
    }

private:
    int Die() { return std::uniform_int_distribution<int>(1, 6)(random_); }
    int SeatToMove() const { return p_.sideToMove == SIDE_COMPUTER ? 0 : 1; }
    bool Race() const { return NoContact(p_.board); }

    // The side on roll may double before it throws; a pass ends the game.
    GameEnd CubeBeforeThrow() {
        const int side = p_.sideToMove, seat = SeatToMove();
        if (!ScoreAllowsDoubling(p_.match) || p_.cubeValue >= MAX_CUBE_VALUE ||
            (p_.cubeOwner != SIDE_NONE && p_.cubeOwner != side))
            return {};
        p_.diceLeft = 0;
        if (!seats_[seat]->WantsToDouble(ViewOf(p_, seat), Race())) return {};
        // The taker answers with the doubler on roll, seen as the human.
        const bool taken = seats_[1 - seat]->AcceptsDouble(ViewOf(p_, 1 - seat), Race());
        record_.Double(side, 2 * p_.cubeValue, taken);
        if (!taken) {
            record_.Win(side, p_.cubeValue);
            return {side, p_.cubeValue};
        }
        p_.cubeValue *= 2;
        p_.cubeOwner = MirrorSide(side);
        return {};
    }

    bool PlayTurn(std::string& fault) {
        const int seat = SeatToMove();
        Position view = ViewOf(p_, seat);
        const ComputerPlay play = seats_[seat]->ChoosePlay(view, Race());
        view = ViewOf(p_, seat);
        for (int i = 0; i < play.count; ++i) {
            if (!IsLegalMove(view, play.from[i], play.dice[i])) {
                fault = "an illegal move " + std::to_string(play.from[i]) + "/" + std::to_string(play.dice[i]);
                return false;
            }
            ApplyMove(view, play.from[i], play.dice[i]);
            const int from = seat == 0 ? play.from[i] : MirrorLocation(play.from[i]);
            const int to = seat == 0 ? from - play.dice[i] : from + play.dice[i];
            record_.StepBefore(p_, from, to);
            ApplyMove(p_, from, play.dice[i]);
        }
        return true;
    }

    const ComputerPlayer* const* seats_;
    std::mt19937& random_;
    RunRecord& record_;
    Position p_;
};

}  // namespace

MatchResult PlayMatch(const ComputerPlayer* const seats[2], int length, std::mt19937& random, RunRecord& record) {
    MatchResult result;
    MatchGame game(seats, random, record);
    MatchScore score{length};
    while (MatchWinner(score) == SIDE_NONE) {
        const GameEnd end = game.Play(score, result.fault);
        if (!result.fault.empty()) return result;
        ++result.games;
        score = AfterGame(score, end.winner, end.points);
    }
    result.winnerSeat = MatchWinner(score) == SIDE_COMPUTER ? 0 : 1;
    result.points[0] = score.points[SIDE_COMPUTER];
    result.points[1] = score.points[SIDE_HUMAN];
    return result;
}
