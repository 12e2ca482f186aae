#include "controller/new_game.h"

#include "controller/cube_commands.h"
#include "controller/dice_display.h"
#include "controller/game_view.h"
#include "controller/live_board.h"
#include "controller/narration.h"
#include "controller/turn_cycle.h"
#include "game/game.h"
#include "game/turn_dice.h"
#include "interchange/game_record.h"
#include "platform/command_queue.h"
#include "resources/command_ids.h"
#include "resources/stored_texts.h"
#include "rules/dice_throw.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
std::string Plain(StoredText which) { return Unscramble(ScrambledText(which)); }

// The computer's die is entry 0, the human's entry 1; a double is thrown again.
void OpeningThrow() {
    do ThrowTurnDice(g_game);
    while (g_game.position.diceLeft == MAX_DICE);
    if (g_game.firstStarterFixed == 0)
        g_game.position.sideToMove = g_game.position.dice[0] < g_game.position.dice[1] ? SIDE_HUMAN : SIDE_COMPUTER;
}
}  // namespace

void WriteBanner() {
    View().ListClear();
    AddListLine(ProgramTitle());
    AddListLine(Plain(StoredText::Banner1));
    AddListLine(Plain(StoredText::Banner2));
    AppendToLastLine(Plain(StoredText::Banner2Tail));
    AddListLine(Plain(StoredText::Banner3));
    AddSeparator();
}

void NewGame() {
    ClearRuleNote();
    DestroyBoard();
    BuildBoard(true);
    g_game.record.NewGame(true);
    g_game.counters = {};
    g_game.position.cubeOwner = SIDE_NONE;
    g_game.winner = SIDE_NONE;
    g_game.position.cubeValue = 1;
    g_game.computerMayResign = 1;
    g_game.computerMayDouble = 1;
    g_game.openingThrow = 1;
    g_game.finishMode = 0;

    if (!View().ControlsLaidOut()) View().LayoutControls();
    View().SetCaption(ProgramTitle());
    WriteBanner();
    ShowCube();
    FlushInput();
    HideDice();

    OpeningThrow();
    if (g_game.position.sideToMove == SIDE_HUMAN)
        BeginTurn();
    else
        View().PostCommand(ID_COMPUTER_TURN);
}
