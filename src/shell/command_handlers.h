// What each command of the main window does, once its enable rule has let it
// through. Commands whose behaviour is not built yet do nothing.
#pragma once

#include <functional>

using CommandHandler = std::function<void()>;

class WindowDialogs;

// The handler of a command id; a do-nothing handler for unknown ids. The
// commands of the window's own dialogs run on `dialogs`.
CommandHandler HandlerOf(int id, WindowDialogs& dialogs);

// Replaces one command's handler (tests record what reaches a command);
// an empty handler restores the program's own.
void SetCommandHandler(int id, CommandHandler handler);
