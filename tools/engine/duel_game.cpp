#include "duel_game.h"

#include <chrono>
#include <cmath>
#include <random>

#include "board_check.h"
#include "computer/computer_player.h"
#include "game/game.h"
#include "rules/dice_throw.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "self_play.h"

namespace {

constexpr int kMaxTurns = 5000;

void TurnBoard(Position& p) { p.board = Mirrored(p.board); }

struct GameResult {
    int winnerSeat = -1;
    WinKind kind = WinKind::Normal;
};

// One game; seat s moves on turns of its parity after the opening throw. The
// board is always kept the right way round for the seat to move.
GameResult PlayGame(const Chooser* seats[2], int64_t* moves, int64_t* nanos, std::mt19937& random, std::string& fault) {
    Game game;
    SetUpCubelessGame(game);
    Position& p = game.position;
    p.sideToMove = SIDE_COMPUTER;
    std::uniform_int_distribution<int> die(1, 6);
    int d1, d2;
    do {
        d1 = die(random);
        d2 = die(random);
    } while (d1 == d2);
    int seat = d1 > d2 ? 0 : 1;
    if (seat == 1) TurnBoard(p);
    for (int turn = 1; turn <= kMaxTurns; ++turn) {
        if (turn > 1) {
            d1 = die(random);
            d2 = die(random);
        }
        SetThrownDice(p, d1, d2);
        const auto start = std::chrono::steady_clock::now();
        const ComputerPlay play = (*seats[seat])(p);
        nanos[seat] +=
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start).count();
        ++moves[seat];
        for (int i = 0; i < play.count; ++i) {
            if (!IsLegalMove(p, play.from[i], play.dice[i])) {
                fault = "an illegal move " + std::to_string(play.from[i]) + "/" + std::to_string(play.dice[i]);
                return {};
            }
            ApplyMove(p, play.from[i], play.dice[i]);
        }
        fault = BrokenInvariant(p);
        if (!fault.empty()) return {};
        if (TrayWinner(p.board) == SIDE_COMPUTER) return {seat, ClassifyWin(p.board)};
        TurnBoard(p);
        seat = 1 - seat;
    }
    fault = "no winner after " + std::to_string(kMaxTurns) + " turns";
    return {};
}

}  // namespace

double DuelSummary::PointsPerGame() const { return pairs ? points / (2.0 * pairs) : 0; }

double DuelSummary::Interval() const {
    if (pairs < 2) return 0;
    const double mean = points / pairs;
    const double variance = (sumSquares - pairs * mean * mean) / (pairs - 1);
    return 1.96 * std::sqrt(variance / pairs) / 2.0;
}

DuelSummary PlayDuel(const Chooser& a, const Chooser& b, int64_t pairs, uint64_t seed) {
    DuelSummary sum;
    for (int64_t pair = 0; pair < pairs; ++pair) {
        double pairPoints = 0;
        for (int swap = 0; swap < 2; ++swap) {
            const Chooser* seats[2] = {swap ? &b : &a, swap ? &a : &b};
            int64_t moves[2] = {}, nanos[2] = {};
            std::mt19937 random(static_cast<uint32_t>(seed + pair));
            const GameResult r = PlayGame(seats, moves, nanos, random, sum.fault);
            if (!sum.fault.empty()) return sum;
            const int winner = r.winnerSeat ^ swap;  // 0 A, 1 B
            ++sum.wins[winner][static_cast<int>(r.kind) - 1];
            pairPoints += (winner == 0 ? 1 : -1) * static_cast<int>(r.kind);
            for (int s = 0; s < 2; ++s) {
                sum.moves[s ^ swap] += moves[s];
                sum.nanos[s ^ swap] += nanos[s];
            }
        }
        ++sum.pairs;
        sum.points += pairPoints;
        sum.sumSquares += pairPoints * pairPoints;
    }
    return sum;
}

Chooser LevelChooser(int level) {
    const ComputerPlayer& player = ComputerPlayerFor(level);
    return [&player](Position& p) { return player.ChoosePlay(p, NoContact(p.board)); };
}
