#include "computer/search.h"

#include <algorithm>
#include <cstring>

#include "computer/evaluate.h"
#include "rules/moves.h"

namespace {
class Search {
public:
    Search(const Position& p, int level, bool race) : p_(p), start_(p.board), level_(level), race_(race) {
        p_.sideToMove = SIDE_COMPUTER;
    }

    HandMadeSearch Run() {
        // Each round that finds nothing gives up at least one die, since the
        // greedy walk of the pruning is one of the sequences the search tries.
        while (p_.diceLeft > 0) {
            BothOrders();
            if (score_ != INT32_MAX) break;
            PruneUnplayableDice(p_);
        }
        best_.count = p_.diceLeft;
        return {best_, score_};
    }

    const Position& Searched() const { return p_; }

private:
    // Scores the position against the start of the sequence and keeps the
    // sequence when it beats the best so far.
    void Leaf() {
        ++best_.leaves;
        const int32_t score = EvaluatePosition({p_, start_, race_}, level_);
        if (score >= score_) return;
        score_ = score;
        std::memcpy(best_.from, from_, MAX_DICE);
        std::memcpy(best_.dice, p_.dice, MAX_DICE);
    }

    // Tries every from-location for the die at entry `depth` and goes on to
    // the next die, scoring each sequence that uses them all.
    void Moves(int depth) {
        const int die = p_.dice[depth];
        for (int from = LOC_COMPUTER_BAR; from >= 1; --from) {
            if (!IsLegalMove(p_, from, die)) continue;
            from_[depth] = static_cast<uint8_t>(from);
            const Board before = p_.board;
            ApplyMove(p_, from, die);
            if (depth + 1 == p_.diceLeft)
                Leaf();
            else
                Moves(depth + 1);
            p_.board = before;
        }
    }

    void BothOrders() {
        Moves(0);
        if (p_.diceLeft == 2) {
            std::swap(p_.dice[0], p_.dice[1]);
            p_.dice[2] = DICE_END;
            Moves(0);
        }
    }

    Position p_;
    const Board start_;
    const int level_;
    const bool race_;
    uint8_t from_[MAX_DICE] = {DICE_END, DICE_END, DICE_END, DICE_END};
    ComputerPlay best_;
    int32_t score_ = INT32_MAX;
};
}  // namespace

HandMadeSearch SearchHandMadePlay(Position& p, int level, bool race) {
    Search search(p, level, race);
    const HandMadeSearch result = search.Run();
    std::copy(std::begin(search.Searched().dice), std::end(search.Searched().dice), p.dice);
    p.diceLeft = search.Searched().diceLeft;
    return result;
}
