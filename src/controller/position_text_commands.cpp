#include "controller/position_text_commands.h"

#include <algorithm>
#include <cstdio>

#include "controller/confirm_turn.h"
#include "controller/dice_display.h"
#include "controller/game_view.h"
#include "controller/input_mark.h"
#include "controller/live_board.h"
#include "controller/match_play.h"
#include "controller/narration.h"
#include "controller/position_commands.h"
#include "controller/session.h"
#include "controller/turn_cycle.h"
#include "controller/turn_moves.h"
#include "game/game.h"
#include "game/game_file.h"
#include "interchange/game_record.h"
#include "interchange/turn_start.h"
#include "platform/message_box_kinds.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/stored_texts.h"
#include "resources/strings.h"
#include "settings/position_file.h"

namespace {
// The position as a file saved at the start of its turn would hold it; the
// game's counters start again from 0.
PositionFileData FileDataOf(Session& s, const TextPosition& p) {
    PositionFileData data = CapturePositionFile(s.game);
    data.table = p.table;
    std::fill(std::begin(data.dice), std::end(data.dice), DICE_END);
    std::fill(std::begin(data.fields), std::end(data.fields), 0);
    int left = 0;
    if (p.DiceThrown()) {
        left = p.dice[0] == p.dice[1] ? MAX_DICE : 2;
        for (int i = 0; i < left; ++i) data.dice[i] = static_cast<uint8_t>(p.dice[i % 2]);
    }
    data.fields[POS_DICE_LEFT] = left;
    data.fields[POS_MOVE_ORDINAL] = 1;
    data.fields[POS_CUBE_OWNER] = p.cubeOwner;
    data.fields[POS_CUBE_VALUE] = p.cubeValue;
    data.fields[POS_COMPUTER_MAY_DOUBLE] = 1;
    return data;
}

void SetUpPosition(Session& s, const TextPosition& p) {
    EraseInputMark(s);
    HideDice(s);
    LoadPosition(s, FileDataOf(s, p));
    s.game.race = NoContact(s.game.position.board);
    s.game.position.sideToMove = p.side;
    ClearTurnMoves(s);
    s.game.record.SetUpGame(s.game.position);
    // Put off until the end-of-turn wait ended, Paste runs before the
    // computer's turn that the wait posted, which belongs to the old position.
    s.view.FlushInput();
    if (p.DiceThrown() && p.side == SIDE_HUMAN) return ShowLoadedTurn(s, ProgramTitle());
    ShowSetUpBoard(s);
    s.view.SetCaption(GameCaption(s, ProgramTitle()));
    if (p.DiceThrown()) {
        ShowDice(s);
        AddListLine(s, FormatDice(s, 0));
        return PlayComputerTurn(s);
    }
    // The side on roll begins its turn with a throw.
    s.game.position.sideToMove = MirrorSide(p.side);
    if (p.side == SIDE_HUMAN) return BeginTurn(s);
    s.view.PostCommand(ID_COMPUTER_TURN);
}
}  // namespace

void CopyPosition(Session& s) {
    const TextPosition p = TurnStartPosition(s.game.position, s.game.record);
    s.view.SetClipboardText(EncodeXgid(p) + "\n" + EncodeGnuIds(p) + "\n");
    ShowNote(s, ResString(IDS_POSITION_COPIED));
}

void PastePosition(Session& s) {
    if (PutOffUntilWaitEnds(s, ID_EDIT_PASTE)) return;
    const TextRead read = ReadPositionText(s.view.ClipboardText(), Matches::Accepted);
    if (const TextError* error = std::get_if<TextError>(&read)) {
        char text[512];
        std::snprintf(text, sizeof text, ResString(IDS_PASTE_REFUSED), ResString(TextErrorString(*error)));
        s.view.Ask(text, MB_OK, MB_ICONEXCLAMATION, HELP_FILES);
        return;
    }
    const TextPosition& p = std::get<TextPosition>(read);
    // A position of money play is set up in the match going on.
    if (IsMatch(p.match) && !SetUpPastedMatch(s, p.match)) return;
    SetUpPosition(s, p);
}
