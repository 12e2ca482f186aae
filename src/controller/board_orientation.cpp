#include "controller/board_orientation.h"

#include <algorithm>
#include <iterator>

#include "controller/game_view.h"
#include "controller/live_board.h"
#include "game/game.h"
#include "platform/profile.h"
#include "rules/position.h"
#include "settings/options.h"

FileResult TurnBoard(int32_t clockwise) {
    const Board turnStart = g_game.turnStart;
    // The rebuild starts from the saved position, so for a moment it holds the live board.
    SavePosition();
    g_game.options.clockWise = clockwise;
    DestroyBoard();
    BuildBoard(false);
    const FileResult saved = WriteProfileInt(OPTIONS_SECTION, "ClockWise", g_game.options.clockWise);
    View().RedrawAll();
    g_game.turnStart = turnStart;
    return saved;
}
