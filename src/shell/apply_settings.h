// What the Settings sheet opens with, and putting in force what the player
// chose there.
#pragma once

#include "dialogs/settings_choice.h"

class BoardDisplay;
struct Game;
struct Session;

// The options in force, the all-time score and the match being played.
SettingsShown CurrentSettings(const Game& game);

// Copies the values of each page shown into the options and writes them to
// the profile, the Game page's first, each in the order of the page; turns
// the board at once when its orientation changed; then brings the manual
// dice, the cube button, the dice, the progress bar and the pip counts on
// `board` in line. A profile that cannot be written is reported once, and
// the options are in force for this run all the same.
void ApplySettings(Session& s, BoardDisplay& board, const SettingsChosen& chosen);
