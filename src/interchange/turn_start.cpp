#include "interchange/turn_start.h"

#include <vector>

#include "interchange/game_record.h"

namespace {
void Move(TextPosition& p, int from, int to, int side) {
    Checkers& source = p.table[from];
    if (--source.count == 0 && IsPoint(from)) source.owner = SIDE_NONE;
    Checkers& target = p.table[to];
    ++target.count;
    if (IsPoint(to)) target.owner = side;
}
}  // namespace

TextPosition TurnStartPosition(const Position& live, const RunRecord& record) {
    TextPosition p = TextPositionOf(live);
    std::vector<GameEvent> steps;
    const GameEvent* thrown = record.LastThrow(&steps);
    if (!thrown || thrown->side != p.side) return p;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        const int side = step->side;
        Move(p, step->b, step->a, side);
        const int otherBar = side == SIDE_HUMAN ? LOC_COMPUTER_BAR : LOC_HUMAN_BAR;
        if (step->hit) Move(p, otherBar, step->b, MirrorSide(side));
    }
    p.dice[0] = thrown->a;
    p.dice[1] = thrown->b;
    return p;
}
