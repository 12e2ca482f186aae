// Putting in force what the player chose in the colour scheme dialog.
#pragma once

#include "settings/color_scheme.h"

struct Session;

// Makes scheme `scheme` of `schemes` live, writes all four schemes to the
// scheme file, repaints every window in the new colours and remembers the
// scheme in the profile. A file that cannot be written is reported once; the
// colours apply for this run all the same.
void ApplyColorScheme(Session& s, const SchemeSet& schemes, int scheme);
