// The Edit menu: the position handed to analysis programs as text through
// the clipboard, and a position set up from such a text.
#pragma once

struct Session;

// Puts the XGID and the position and match IDs of the current turn's start
// on the clipboard.
void CopyPosition(Session& s);

// Sets the game up from the first position text on the clipboard, as Open
// does from a file; a text that is not one changes nothing and says why.
void PastePosition(Session& s);
