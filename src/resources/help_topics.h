// The help's topics: each keyword names a page of the help. A window or a
// question that has a topic opens the help at it on F1; the others open it at
// the contents.
#pragma once

inline constexpr const char* HELP_SETTINGS = "settings";
// A section of a page: the keyword's part after '#' names its anchor.
inline constexpr const char* HELP_SETTINGS_MATCH = "settings#match";
inline constexpr const char* HELP_COLORS = "colors";
inline constexpr const char* HELP_DOUBLING = "doubling";
inline constexpr const char* HELP_PLAYING = "playing";
inline constexpr const char* HELP_COMMANDS = "commands";
inline constexpr const char* HELP_REVIEW = "commands#review";
inline constexpr const char* HELP_FILES = "files";
