// The system clipboard, as plain text.
#pragma once

#include <string>

// The clipboard's text, or "" when it holds none.
std::string ClipboardText();
void SetClipboardText(const std::string& text);
