#include "shell/window_handlers.h"

namespace {
void IgnoreKey(int, int, int) {}
void IgnorePoint(int, int) {}
void IgnoreTick() {}

constexpr WindowHandlers kProgramHandlers = {IgnoreKey, IgnorePoint, IgnorePoint, IgnorePoint, IgnoreTick};
}  // namespace

WindowHandlers g_windowHandlers = kProgramHandlers;

void ResetWindowHandlers() { g_windowHandlers = kProgramHandlers; }
