// The accelerator table "MainAccelTable" as plain data. Character entries
// match the typed character (whatever keys produce it); key entries match a
// key with exactly the given Ctrl and Shift state. None of them flashes the menu.
#pragma once

#include <span>

inline constexpr const char* ACCEL_TABLE_NAME = "MainAccelTable";

// The keys the table names, independent of any toolkit's key codes.
enum class AccelKey { None, Escape, F1, Space, C, D, E, F, H, M, N, O, R, S, V, W };

struct Accelerator {
    char character;  // nonzero: a typed-character entry, key None
    AccelKey key;
    bool ctrl;
    int command;
    bool shift = false;
};

// The entries in table order.
std::span<const Accelerator> MainAccelerators();
