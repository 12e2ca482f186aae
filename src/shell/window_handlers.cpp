#include "shell/window_handlers.h"

#include "controller/highlight.h"
#include "controller/input_mark.h"
#include "controller/move_entry.h"
#include "controller/session.h"
#include "display/geometry.h"

WindowHandlers ProgramHandlers(Session& s) {
    return {
        [&s](int vk, int repeat, int flags) { EnterLocation(s, vk, repeat, flags); },
        [&s](int x, int y) { OnLocationClicked(s, s.view.Geometry().LocationAt(x, y)); },
        [&s](int x, int y) { OnRButtonDown(s, x, y); },
        [&s](int x, int y) { OnMouseMove(s, x, y); },
        [&s] { BlinkStep(s); },
    };
}
