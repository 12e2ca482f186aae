#include "shell/window_handlers.h"

#include "controller/highlight.h"
#include "controller/move_entry.h"

namespace {
void IgnoreTick() {}

constexpr WindowHandlers kProgramHandlers = {EnterLocation, OnLButtonUp, OnRButtonDown, OnMouseMove, IgnoreTick};
}  // namespace

WindowHandlers g_windowHandlers = kProgramHandlers;

void ResetWindowHandlers() { g_windowHandlers = kProgramHandlers; }
