#include "controller/new_game.h"

#include "display/control_layout.h"
#include "rules/game_stats.h"
#include "rules/position.h"
#include "rules/turn_state.h"
#include "shell/game_app.h"
#include "shell/game_wnd.h"

void NewGame() {
    DestroyBoard();
    BuildBoard(true);
    ClearGameStats();
    g_cubeOwner = SIDE_NONE;
    g_winner = SIDE_NONE;
    g_cubeValue = 1;
    g_computerMayResign = 1;
    g_computerMayDouble = 1;
    g_openingThrow = 1;
    g_finishMode = 0;

    if (!g_gameWnd->ControlsLaidOut())
        g_gameWnd->LayoutControls();
    else
        g_gameWnd->SetCubeText("64");
    g_gameWnd->SetCaption(ProgramTitle());
    g_gameWnd->PlaceCube(CubeRect(g_cubeOwner));
}
