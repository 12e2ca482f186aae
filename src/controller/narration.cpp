#include "controller/narration.h"

#include "controller/game_view.h"
#include "controller/session.h"
#include "game/game.h"
#include "resources/strings.h"

namespace {
constexpr std::size_t kMaxLineLength = 63;
}  // namespace

void ShowStatus(Session& s, int textId) {
    if (s.game.finishMode == 1) return;
    s.view.SetPaneText(0, ResText(textId));
}

void ShowNote(Session& s, const std::string& text) {
    s.input.ruleNoteShown = false;
    s.view.SetPaneText(2, text);
}

void ShowRuleNote(Session& s, const std::string& text) {
    ShowNote(s, text);
    s.input.ruleNoteShown = true;
}

void ClearRuleNote(Session& s) {
    if (s.input.ruleNoteShown) ShowNote(s, "");
}

const char* ResText(int textId) { return ResString(textId); }

void AddListLine(Session& s, const std::string& text) {
    const int page = s.view.ListPageSize();
    while (s.view.ListCount() > 0 && s.view.ListCount() >= page) s.view.ListDelete(0);
    s.view.ListAppend(text);
}

void AppendToLastLine(Session& s, const std::string& text) {
    const int last = s.view.ListCount() - 1;
    std::string line = last >= 0 ? s.view.ListLine(last) : std::string();
    line = (line + text).substr(0, kMaxLineLength);
    if (last >= 0) s.view.ListDelete(last);
    AddListLine(s, line);
}

void DeleteLastLine(Session& s) {
    const int last = s.view.ListCount() - 1;
    if (last >= 0) s.view.ListDelete(last);
}

void AddSeparator(Session& s) { AddListLine(s, " "); }
