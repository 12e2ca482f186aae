#include "controller/game_view.h"

namespace {
class NoView final : public GameView {
public:
    void PostCommand(int) override {}
    void SetPaneText(int, const std::string&) override {}
    Rect PaneRect(int) const override { return {}; }
    void SetProgressBar(const ProgressBar&) override {}
    int ListCount() const override { return 0; }
    std::string ListLine(int) const override { return {}; }
    void ListAppend(const std::string&) override {}
    void ListDelete(int) override {}
    void ListClear() override {}
    int ListPageSize() const override { return 0; }
    Rect ListLineRect(int) const override { return {}; }
    int ListTextWidth(const std::string&) const override { return 0; }
    void ShowListMark(int, int) override {}
    void HideListMark() override {}
    void ShowDieWindow(DieGroup, int, int) override {}
    void HideDieWindow(DieGroup, int) override {}
    void SetCubeText(const std::string&) override {}
    void EnableCube(bool) override {}
    void PlaceCube(const Rect&) override {}
    void SetCaption(const std::string&) override {}
    bool IsActive() const override { return false; }
    void SetWaitCursor(bool) override {}
    void SetUndoCursor(bool) override {}
    WaitResult AwaitInput() override { return {WaitResult::COMMAND, 0}; }
    void LayoutControls() override {}
    bool ControlsLaidOut() const override { return false; }
    void RedrawAll() override {}
    void ApplyBackground() override {}
    std::optional<WinKind> AskResign() override { return std::nullopt; }
    bool ShowStatistics() override { return false; }
};

NoView g_noView;
GameView* g_view = &g_noView;
}  // namespace

GameView& View() { return *g_view; }

void SetView(GameView* view) { g_view = view ? view : &g_noView; }
