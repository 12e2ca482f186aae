// Texts the program keeps scrambled in its binary: the program title, the
// About box's three lines and the message-list banner. A scrambled text is
// each character's code plus 100, modulo 256, ended by a plain zero byte.
#pragma once

#include <string>

enum class StoredText {
    Title,        // program title, exactly 18 characters
    AboutLine1,   // About box, under the title
    AboutLine2,   // About box, bottom edit field
    AboutLine3,   // About box, middle edit field
    Banner1,      // message-list banner, second line
    Banner2,      // third line ...
    Banner2Tail,  // ... with this appended
    Banner3,      // fourth line
};

// The program title, plain; the caption of the window and of every message box.
const std::string& ProgramTitle();

// The scrambled bytes of a stored text, zero-terminated.
const char* ScrambledText(StoredText which);

// The plain form of a scrambled text, cut to 127 characters.
std::string Unscramble(const char* scrambled);
