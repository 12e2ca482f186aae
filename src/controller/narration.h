// The game's running commentary: prompts in the status bar and the message
// list, which shows as many lines as fit and never scrolls.
#pragma once

#include <string>

struct Session;

// Pane 0 of the status bar; silent while "Finish game" plays both sides.
void ShowStatus(Session& s, int textId);
// Pane 2: the short notes (the race standing, the bar warning).
void ShowNote(Session& s, const std::string& text);
// A note on why a move was refused; it stays only until the game goes on:
// ClearRuleNote takes it away at the next move, turn, new game or opened file.
void ShowRuleNote(Session& s, const std::string& text);
void ClearRuleNote(Session& s);

const char* ResText(int textId);

// Drops the oldest lines until the new one fits.
void AddListLine(Session& s, const std::string& text);
// A line holds 63 characters at most; the rest is cut.
void AppendToLastLine(Session& s, const std::string& text);
void DeleteLastLine(Session& s);
void AddSeparator(Session& s);
