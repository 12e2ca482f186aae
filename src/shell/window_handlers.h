// Where the main window sends the input and timer events it receives: the
// game's move entry and blinking input mark. Tests replace an entry to see
// what reaches it.
#pragma once

#include <functional>

struct Session;

struct WindowHandlers {
    // A key press: virtual key, repeat count, and nonzero flags for a real
    // key (a click on a location calls the same entry with flags 0).
    std::function<void(int vk, int repeat, int flags)> keyDown;
    std::function<void(int x, int y)> lButtonUp;
    std::function<void(int x, int y)> rButtonDown;
    std::function<void(int x, int y)> mouseMove;
    std::function<void()> blinkTick;
};

// The program's own handlers, on the game of `s`.
WindowHandlers ProgramHandlers(Session& s);
