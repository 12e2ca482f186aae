// Reading a whole number from an edit box, the way every dialog of the
// program checks its number boxes when it is closed with OK.
#pragma once

class QLineEdit;

// True with `value` set when the box holds a number within min..max.
// Otherwise the user is told what the box needs, the box takes the focus
// with its text selected, and `value` is left alone.
bool ReadNumberBox(QLineEdit& box, int min, int max, int& value);
