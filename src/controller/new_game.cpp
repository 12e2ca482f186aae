#include "controller/new_game.h"

#include "controller/cube_commands.h"
#include "controller/dice_display.h"
#include "controller/game_view.h"
#include "controller/live_board.h"
#include "controller/match_play.h"
#include "controller/narration.h"
#include "controller/session.h"
#include "controller/turn_cycle.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "resources/command_ids.h"
#include "resources/stored_texts.h"
#include "rules/dice_throw.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
std::string Plain(StoredText which) { return Unscramble(ScrambledText(which)); }

// The computer's die is entry 0, the human's entry 1; a double is thrown again.
void OpeningThrow(Session& s) {
    do ThrowDiceForTurn(s);
    while (s.game.position.diceLeft == MAX_DICE);
    if (s.game.firstStarterFixed == 0)
        s.game.position.sideToMove = s.game.position.dice[0] < s.game.position.dice[1] ? SIDE_HUMAN : SIDE_COMPUTER;
}
}  // namespace

void WriteBanner(Session& s) {
    s.view.ListClear();
    AddListLine(s, ProgramTitle());
    AddListLine(s, Plain(StoredText::Banner1));
    AddListLine(s, Plain(StoredText::Banner2));
    AppendToLastLine(s, Plain(StoredText::Banner2Tail));
    AddListLine(s, Plain(StoredText::Banner3));
    AddSeparator(s);
    for (const std::string& note : s.bannerNotes) AddListLine(s, note);
    s.bannerNotes.clear();
}

void NewGame(Session& s) {
    ClearRuleNote(s);
    s.view.CloseHint();
    DestroyBoard(s);
    BuildBoard(s, true);
    StartMatchIfDue(s);
    s.game.record.NewGame(true, s.game.position.match);
    s.game.counters = {};
    s.game.position.cubeOwner = SIDE_NONE;
    s.game.winner = SIDE_NONE;
    s.game.position.cubeValue = 1;
    s.game.computerMayResign = 1;
    s.game.computerMayDouble = 1;
    s.game.openingThrow = 1;
    s.game.finishMode = 0;
    s.game.awaitingRoll = false;

    if (!s.view.ControlsLaidOut()) s.view.LayoutControls();
    s.view.SetCaption(GameCaption(s, ProgramTitle()));
    WriteBanner(s);
    ShowCube(s);
    s.view.FlushInput();
    HideDice(s);

    OpeningThrow(s);
    if (s.game.position.sideToMove == SIDE_HUMAN)
        BeginTurn(s);
    else
        s.view.PostCommand(ID_COMPUTER_TURN);
}
