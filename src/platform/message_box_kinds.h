// The button sets, icons and answers of a message box, as the game asks its
// questions in them.
#pragma once

// Button sets.
constexpr int MB_OK = 0x0;
constexpr int MB_OKCANCEL = 0x1;
constexpr int MB_YESNOCANCEL = 0x3;
constexpr int MB_YESNO = 0x4;
// The tutor's question: "Play it anyway" answers IDYES, "Take it back" IDNO.
constexpr int MB_PLAYORTAKEBACK = 0x7;
// Icons.
constexpr int MB_ICONHAND = 0x10;
constexpr int MB_ICONQUESTION = 0x20;
constexpr int MB_ICONEXCLAMATION = 0x30;
constexpr int MB_ICONASTERISK = 0x40;
// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
