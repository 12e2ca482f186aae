#include "controller/narration.h"

#include "resources/strings.h"
#include "rules/game_stats.h"
#include "shell/game_wnd.h"

namespace {
constexpr std::size_t kMaxLineLength = 63;
}

void ShowStatus(int textId) {
    if (g_finishMode == 1) return;
    g_gameWnd->SetPaneText(0, ResText(textId));
}

void ShowNote(const std::string& text) { g_gameWnd->SetPaneText(2, text); }

const char* ResText(int textId) { return ResString(textId); }

void AddListLine(const std::string& text) {
    const int page = g_gameWnd->ListPageSize();
    while (g_gameWnd->ListCount() > 0 && g_gameWnd->ListCount() >= page) g_gameWnd->ListDelete(0);
    g_gameWnd->ListAppend(text);
}

void AppendToLastLine(const std::string& text) {
    const int last = g_gameWnd->ListCount() - 1;
    std::string line = last >= 0 ? g_gameWnd->ListLine(last) : std::string();
    line = (line + text).substr(0, kMaxLineLength);
    if (last >= 0) g_gameWnd->ListDelete(last);
    AddListLine(line);
}

void DeleteLastLine() {
    const int last = g_gameWnd->ListCount() - 1;
    if (last >= 0) g_gameWnd->ListDelete(last);
}

void AddSeparator() { AddListLine(" "); }
