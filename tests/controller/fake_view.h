// A view that shows nothing and records what the controller asked of it:
// the status panes, the message list, the dice and the cube, the commands
// posted, and the questions with the answers the test scripted. Its board
// is laid out by a geometry of its own, which the test sizes.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "coach/review_source.h"
#include "controller/game_view.h"
#include "platform/message_box_kinds.h"

class FakeView : public GameView {
public:
    void PostCommand(int id) override { posted.push_back(id); }

    void SetPaneText(int pane, const std::string& text) override { panes.at(static_cast<std::size_t>(pane)) = text; }
    Rect PaneRect(int) const override { return {0, 0, 100, 20}; }
    void SetProgressBar(const ProgressBar& shown) override { bar = shown; }

    int ListCount() const override { return static_cast<int>(lines.size()); }
    std::string ListLine(int index) const override { return lines.at(static_cast<std::size_t>(index)); }
    void ListAppend(const std::string& text) override { lines.push_back(text); }
    void ListDelete(int index) override { lines.erase(lines.begin() + index); }
    void ListClear() override { lines.clear(); }
    int ListPageSize() const override { return 20; }
    Rect ListLineRect(int index) const override { return {0, 16 * index, 200, 16 * index + 16}; }
    int ListTextWidth(const std::string& text) const override { return 8 * static_cast<int>(text.size()); }
    void ShowListMark(int, int) override { markShown = true; }
    void HideListMark() override { markShown = false; }

    void ShowDieWindow(DieGroup group, int k, int value) override { Die(group, k) = value; }
    void HideDieWindow(DieGroup group, int k) override { Die(group, k) = 0; }

    void SetCubeText(const std::string& text) override { cubeText = text; }
    void EnableCube(bool on) override { cubeEnabled = on; }
    void PlaceCube(const Rect& r) override { cubePlace = r; }

    void SetCaption(const std::string& text) override { caption = text; }
    bool IsActive() const override { return true; }
    void SetWaitCursor(bool on) override { waitCursor = on; }
    void SetUndoCursor(bool on) override { undoCursor = on; }
    WaitResult AwaitInput() override {
        undoCursorInWait = undoCursor;
        if (waitAnswers.empty()) return {WaitResult::KEY, 0};
        const WaitResult answer = waitAnswers.front();
        waitAnswers.pop_front();
        return answer;
    }
    void LayoutControls() override { laidOut = true; }
    bool ControlsLaidOut() const override { return laidOut; }
    void RedrawAll() override {}
    void ApplyBackground() override {}

    const BoardGeometry& Geometry() const override { return geometry; }
    void SetClockwise(bool on) override { geometry.SetClockwise(on); }
    void BuildDrawnBoard(const Board& board) override { drawn = board; }
    void DestroyDrawnBoard() override { drawn = {}; }
    void ShowCheckerTransfer(int, int, int, bool) override { ++transfers; }
    void ShowLocation(int loc, const Checkers& shown) override { drawn.at(static_cast<std::size_t>(loc)) = shown; }
    void DrawPointLabel(int point, bool on) override { lit.at(static_cast<std::size_t>(point)) = on; }
    void FollowPipCounts() override {}

    bool KeyIsDown(int vk) const override { return vk == keyHeld; }
    std::string ClipboardText() const override { return clipboard; }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    void FlushInput() override { posted.clear(); }

    // Every message box is answered with `answer` and noted.
    int Ask(const std::string& text, int buttons, int icon, const char*) override {
        questions.push_back({text, buttons, icon});
        return answer;
    }
    // The next scripted throw in place of the random one.
    TwoDice ChooseDice(TwoDice thrown, bool) override {
        if (diceScript.empty()) return thrown;
        const auto [first, second] = diceScript.front();
        diceScript.pop_front();
        return {first, second};
    }
    std::optional<std::string> AskFileName(const FileDialogSpec& spec) override {
        return fileDialog ? fileDialog(spec) : std::nullopt;
    }
    std::optional<WinKind> AskResign() override { return resignAnswer; }
    void ShowHint(const HintShown& shown) override { hint = shown; }
    void CloseHint() override { hint.reset(); }
    bool HintOpen() const override { return hint.has_value(); }
    void ShowReview(ReviewSource& source) override {
        if (reviewer) reviewer(source);
    }
    bool ShowStatistics() override {
        ++statisticsShown;
        return playAgain;
    }

    // The die window k of a group: its value, 0 while hidden.
    int& Die(DieGroup group, int k) {
        return dice.at(static_cast<std::size_t>(group) * DIE_WINDOWS_PER_GROUP + static_cast<std::size_t>(k));
    }

    std::vector<int> posted;
    std::vector<std::string> panes = std::vector<std::string>(3);
    ProgressBar bar;
    std::vector<std::string> lines;
    bool markShown = false;
    std::vector<int> dice = std::vector<int>(2 * DIE_WINDOWS_PER_GROUP);
    std::string cubeText;
    bool cubeEnabled = false;
    Rect cubePlace;
    std::string caption;
    bool waitCursor = false;
    bool undoCursor = false;
    bool undoCursorInWait = false;
    bool laidOut = false;
    std::deque<WaitResult> waitAnswers;
    std::deque<std::pair<int, int>> diceScript;
    BoardGeometry geometry;
    Board drawn{};
    int transfers = 0;
    std::vector<bool> lit = std::vector<bool>(NUM_LOCATIONS);
    int keyHeld = 0;
    std::string clipboard;
    struct Question {
        std::string text;
        int buttons;
        int icon;
    };
    std::vector<Question> questions;
    int answer = IDYES;
    std::function<std::optional<std::string>(const FileDialogSpec&)> fileDialog;
    std::optional<WinKind> resignAnswer;
    bool playAgain = true;
    std::optional<HintShown> hint;
    // What the Review window does with its source while it is open.
    std::function<void(ReviewSource&)> reviewer;
    int statisticsShown = 0;
};
