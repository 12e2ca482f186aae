#include "controller/board_orientation.h"

#include <algorithm>
#include <iterator>

#include "platform/profile.h"
#include "rules/position.h"
#include "settings/options.h"
#include "shell/game_wnd.h"

FileResult TurnBoard(int32_t clockwise) {
    SavedLocation turnStart[NUM_LOCATIONS];
    std::copy(std::begin(g_savedPosition), std::end(g_savedPosition), turnStart);
    // The rebuild starts from the saved position, so for a moment it holds the live board.
    SavePosition();
    ClockWise = clockwise;
    DestroyBoard();
    BuildBoard(false);
    const FileResult saved = WriteProfileInt(OPTIONS_SECTION, "ClockWise", ClockWise);
    g_gameWnd->RedrawAll();
    std::copy(std::begin(turnStart), std::end(turnStart), g_savedPosition);
    return saved;
}
