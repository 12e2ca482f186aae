#include "controller/narration.h"

#include "controller/game_view.h"
#include "game/game.h"
#include "resources/strings.h"

namespace {
constexpr std::size_t kMaxLineLength = 63;
// Whether pane 2 shows why a move was refused.
bool g_ruleNoteShown = false;
}  // namespace

void ShowStatus(int textId) {
    if (g_game.finishMode == 1) return;
    View().SetPaneText(0, ResText(textId));
}

void ShowNote(const std::string& text) {
    g_ruleNoteShown = false;
    View().SetPaneText(2, text);
}

void ShowRuleNote(const std::string& text) {
    ShowNote(text);
    g_ruleNoteShown = true;
}

void ClearRuleNote() {
    if (g_ruleNoteShown) ShowNote("");
}

const char* ResText(int textId) { return ResString(textId); }

void AddListLine(const std::string& text) {
    const int page = View().ListPageSize();
    while (View().ListCount() > 0 && View().ListCount() >= page) View().ListDelete(0);
    View().ListAppend(text);
}

void AppendToLastLine(const std::string& text) {
    const int last = View().ListCount() - 1;
    std::string line = last >= 0 ? View().ListLine(last) : std::string();
    line = (line + text).substr(0, kMaxLineLength);
    if (last >= 0) View().ListDelete(last);
    AddListLine(line);
}

void DeleteLastLine() {
    const int last = View().ListCount() - 1;
    if (last >= 0) View().ListDelete(last);
}

void AddSeparator() { AddListLine(" "); }
