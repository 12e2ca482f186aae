#include "controller/board_orientation.h"

#include <algorithm>
#include <iterator>

#include "controller/game_view.h"
#include "controller/live_board.h"
#include "controller/session.h"
#include "game/game.h"
#include "platform/profile.h"
#include "rules/position.h"
#include "settings/options.h"

FileResult TurnBoard(Session& s, int32_t clockwise) {
    const Board turnStart = s.game.turnStart;
    // The rebuild starts from the saved position, so for a moment it holds the live board.
    SavePosition(s);
    s.game.options.clockWise = clockwise;
    s.view.SetClockwise(clockwise == 1);
    DestroyBoard(s);
    BuildBoard(s, false);
    const FileResult saved = WriteProfileInt(OPTIONS_SECTION, "ClockWise", s.game.options.clockWise);
    s.view.RedrawAll();
    s.game.turnStart = turnStart;
    return saved;
}
