// The program's icons and its undo cursor, drawn in code so the program ships
// no image files. Needs Qt GUI (kestro_ui); images are 32 x 32 ARGB with a
// transparent surround.
#pragma once

#include <QCursor>
#include <QImage>

inline constexpr int ICON_PROGRAM = 31234;
// Die faces: six pips at 31235, one pip at 31240, each further pip one id lower.
inline constexpr int ICON_DIE_SIX = 31235;
inline constexpr int ICON_DIE_ONE = 31240;
inline constexpr int ICON_SIZE = 32;

// The icon with this resource id, or a null image for an unknown id.
QImage IconResource(int id);

// The program icon at size x size pixels, for the desktop's icon theme; at
// ICON_SIZE it is IconResource(ICON_PROGRAM).
QImage ProgramIconAt(int size);

// The die face showing `pips` (1..6); a null image outside that range. At a
// device pixel ratio above 1 the image has that many times the pixels, for a
// sharp face on a scaled screen.
QImage DieFaceIcon(int pips, qreal ratio = 1);

// The resource id of the face showing `pips` (1..6).
constexpr int DieFaceIconId(int pips) { return ICON_DIE_ONE + 1 - pips; }

// "UNDO_CURSOR": an arrow curving back to the left. The image and its hot
// spot (the arrow's tip) are separate so tests can check them without a
// display; UndoCursor() needs a running QGuiApplication.
QImage UndoCursorImage();
QPoint UndoCursorHotSpot();
QCursor UndoCursor();
