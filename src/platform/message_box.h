// Modal message boxes with a fixed button set and the program title as their
// caption, and the system beep. Tests install scripted answers.
#pragma once

#include <functional>
#include <string>

// Button sets.
constexpr int MB_OK = 0x0;
constexpr int MB_OKCANCEL = 0x1;
constexpr int MB_YESNOCANCEL = 0x3;
constexpr int MB_YESNO = 0x4;
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

// Shows the text with the buttons and icon; returns the answer. The box is
// centred over the modal dialog in front, else over the main window. F1 in it
// opens the help at `helpTopic`, or without one at the topic of that window.
int MessageBox(const std::string& text, int buttons, int icon, const char* helpTopic = nullptr);

// The dynamic property that gives a window its help topic.
inline constexpr const char* HELP_TOPIC_PROPERTY = "helpTopic";

// The caption of every message box: the program title.
void SetMessageBoxCaption(const std::string& caption);

// Replaces the box by a function that answers in its place; an empty
// function shows real boxes again.
using MessageBoxHook = std::function<int(const std::string& text, int buttons, int icon)>;
void SetMessageBoxHook(MessageBoxHook hook);

// The default system beep.
void Beep();
using BeepHook = std::function<void()>;
void SetBeepHook(BeepHook hook);
