// The program's icons and its undo cursor, drawn in code so the program ships
// no image files. Needs Qt GUI (kestro_ui); images are 32 x 32 ARGB with a
// transparent surround, that many times the pixels at a device pixel ratio
// above 1 so they stay sharp and keep their size on a scaled screen.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

inline constexpr int ICON_PROGRAM = 31234;
// Die faces: six pips at 31235, one pip at 31240, each further pip one id lower.
inline constexpr int ICON_DIE_SIX = 31235;
inline constexpr int ICON_DIE_ONE = 31240;
inline constexpr int ICON_SIZE = 32;

// The icon with this resource id at `ratio`, or a null image for an unknown id.
QImage IconResource(int id, qreal ratio = 1);

// The program icon at size x size pixels, for the desktop's icon theme; at
// ICON_SIZE it is IconResource(ICON_PROGRAM).
QImage ProgramIconAt(int size);

// The program icon at `ratio`: ICON_SIZE logical pixels.
QImage ProgramIcon(qreal ratio);

// The window's icon, with the pixel sizes a title bar asks for at ratios 1,
// 1.5 and 2.
QIcon ProgramWindowIcon();

// The die face showing `pips` (1..6); a null image outside that range.
QImage DieFaceIcon(int pips, qreal ratio = 1);

// The resource id of the face showing `pips` (1..6).
constexpr int DieFaceIconId(int pips) { return ICON_DIE_ONE + 1 - pips; }

// "UNDO_CURSOR": an arrow curving back to the left. The image and its hot
// spot (the arrow's tip) are separate so tests can check them without a
// display; UndoCursor() needs a running QGuiApplication. The hot spot is in
// logical pixels at every ratio.
QImage UndoCursorImage(qreal ratio = 1);
QPoint UndoCursorHotSpot();
QCursor UndoCursor(qreal ratio);
