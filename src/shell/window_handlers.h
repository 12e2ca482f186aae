// Where the main window sends the input and timer events it receives: the
// game's move entry and blinking input mark. Each entry does nothing until
// the part of the game it belongs to is installed.
#pragma once

struct WindowHandlers {
    // A key press: virtual key, repeat count, and nonzero flags for a real
    // key (a click on a location calls the same entry with flags 0).
    void (*keyDown)(int vk, int repeat, int flags);
    void (*lButtonUp)(int x, int y);
    void (*rButtonDown)(int x, int y);
    void (*mouseMove)(int x, int y);
    void (*blinkTick)();
};

extern WindowHandlers g_windowHandlers;

// Puts every entry back to the program's own handler.
void ResetWindowHandlers();
