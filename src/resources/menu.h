// Menu 222 of the main window as plain data. The window builds its menu bar
// from this table; "&" marks the mnemonic and the text after "\t" is the
// shortcut shown at the right edge (the keys themselves come from the
// accelerator table).
#pragma once

#include <span>

inline constexpr int MENU_MAIN = 222;

struct MenuItem {
    const char* text;  // nullptr for a separator
    int command;       // 0 for a separator and a popup
    // The items of the popup this item opens; none for a command.
    std::span<const MenuItem> popup = {};
    // One of a group of choices, the one in force shown with a mark.
    bool radio = false;
};

struct MenuPopup {
    const char* title;
    std::span<const MenuItem> items;
};

// The popups of the menu bar, left to right, each with its items in order.
std::span<const MenuPopup> MainMenu();
