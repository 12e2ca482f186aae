// Builds the main window's menu bar from menu 222 and binds the accelerator
// table to the same commands. Every item and key goes through `run`, which
// applies the command's enable rule.
#pragma once

#include <functional>

class QAction;
class QMainWindow;

struct MenuCallbacks {
    std::function<void(int id)> run;
    // The command's enable rule, which greys its item while a menu is open.
    std::function<bool(int id)> enabled;
    // Pane 0 shows a prompt while an item is under the pointer, the idle
    // text when the menus close.
    std::function<void(int id)> showPrompt;
    std::function<void()> showIdle;
    // Whether a radio item is the choice in force, marked while its menu is open.
    std::function<bool(int id)> chosen;
};

void BuildMenuBar(QMainWindow& window, const MenuCallbacks& callbacks);

// The action of a command in the window's menu, or nullptr.
QAction* ActionOf(QMainWindow& window, int id);
