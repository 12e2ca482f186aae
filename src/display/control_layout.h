// Where the main window's child controls stand. They are laid out once, when
// the first game is set up, and keep their places when the board's
// orientation changes later.
#pragma once

#include "platform/rect.h"

class BoardGeometry;

// Widths of the status bar's panes 0 and 1; pane 2 takes the rest.
struct StatusPaneWidths {
    int pane0;
    int pane1;
};
StatusPaneWidths StatusPanes(const BoardGeometry& geometry);

enum DieGroup { DIE_GROUP_COMPUTER, DIE_GROUP_HUMAN };
constexpr int DIE_WINDOWS_PER_GROUP = 4;
// The system icon size the die faces are drawn at.
constexpr int ICON_WIDTH = 32;
constexpr int ICON_HEIGHT = 32;
Rect DieWindowRect(const BoardGeometry& geometry, DieGroup group, int k);

Rect MessageListRect(const BoardGeometry& geometry);

// The cube button's place for the side that holds the cube (0: the middle).
Rect CubeRect(const BoardGeometry& geometry, int owner);
