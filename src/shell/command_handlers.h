// What each command of the main window does, once its enable rule has let it
// through: the game's commands go to the game, the rest are the window's.
// Commands whose behaviour is not built yet do nothing.
#pragma once

#include <functional>

using CommandHandler = std::function<void()>;

class GameWnd;

// The handler of a command id on the window `window`; a do-nothing handler
// for unknown ids.
CommandHandler HandlerOf(int id, GameWnd& window);
