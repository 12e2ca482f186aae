// The help's topics: each keyword names a page of the help. A window or a
// question that has a topic opens the help at it on F1; the others open it at
// the contents.
#pragma once

inline constexpr const char* HELP_SETTINGS = "settings";
inline constexpr const char* HELP_COLORS = "colors";
inline constexpr const char* HELP_DOUBLING = "doubling";
inline constexpr const char* HELP_PLAYING = "playing";
inline constexpr const char* HELP_COMMANDS = "commands";
inline constexpr const char* HELP_FILES = "files";
