#include "rules/dice_throw.h"

#include "dice/mevra32.h"

void ThrowDice(Position& p) {
    const int die1 = GetRandom(6) + 1;
    const int die2 = GetRandom(6) + 1;
    SetThrownDice(p, die1, die2);
}

void ClearDice(Position& p) {
    for (uint8_t& die : p.dice) die = DICE_END;
    p.diceLeft = 0;
}

void SetThrownDice(Position& p, int die1, int die2) {
    ClearDice(p);
    p.dice[0] = static_cast<uint8_t>(die1);
    p.dice[1] = static_cast<uint8_t>(die2);
    p.diceLeft = 2;
    if (die1 == die2) {
        p.dice[2] = p.dice[3] = p.dice[0];
        p.diceLeft = MAX_DICE;
    }
}
