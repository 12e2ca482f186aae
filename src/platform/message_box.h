// Modal message boxes with a fixed button set and the program title as their
// caption, and the system beep. Tests install scripted answers.
#pragma once

#include <functional>
#include <string>

#include "platform/message_box_kinds.h"

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
