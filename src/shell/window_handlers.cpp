#include "shell/window_handlers.h"

#include "controller/highlight.h"
#include "controller/input_mark.h"
#include "controller/move_entry.h"

namespace {
constexpr WindowHandlers kProgramHandlers = {EnterLocation, OnLButtonUp, OnRButtonDown, OnMouseMove, BlinkStep};
}  // namespace

WindowHandlers g_windowHandlers = kProgramHandlers;

void ResetWindowHandlers() { g_windowHandlers = kProgramHandlers; }
