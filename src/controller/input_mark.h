// The mark that blinks after the last line of the message list while the
// human is to move, one step per tick of the blink timer.
#pragma once

struct Session;

// One tick: draws the mark or takes it away, in turn, while the human is to
// move, the program does not play both sides and the main window is active.
void BlinkStep(Session& s);

// Takes a showing mark away (before the computer's turn, at an undo); the
// next tick draws it again.
void EraseInputMark(Session& s);
