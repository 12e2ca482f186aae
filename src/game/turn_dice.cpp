#include "game/turn_dice.h"

#include "rules/dice_throw.h"

void ThrowTurnDice(Game& game, const DiceChooser& choose) {
    Position& p = game.position;
    ThrowDice(p);
    if (game.options.manualDice != 0 && !game.finishMode) {
        const TwoDice chosen = choose({p.dice[0], p.dice[1]}, game.openingThrow == 1);
        SetThrownDice(p, chosen.first, chosen.second);
    }
    game.race = NoContact(p.board);
}
