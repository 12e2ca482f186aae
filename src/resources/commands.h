// The command table: which commands the main window knows and which carry a
// status-bar prompt. A prompt's text is ResString(command id).
#pragma once

#include <span>

struct CommandInfo {
    int id;
    bool hasPrompt;  // false for the internal commands
};

// Every command in table order: the menu commands, then the internal ones.
std::span<const CommandInfo> CommandTable();
