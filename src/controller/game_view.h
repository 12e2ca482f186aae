// The main window as the game sees it: its status bar, message list, die
// windows, cube button and modal dialogs, as named operations none of which
// takes or gives a toolkit type. The window implements it; the
// controller reaches it through its session.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "controller/progress_bar.h"
#include "display/control_layout.h"
#include "display/geometry.h"
#include "game/turn_dice.h"
#include "platform/file_dialog.h"
#include "platform/nested_wait.h"
#include "platform/rect.h"
#include "rules/game_end.h"
#include "rules/position.h"

class ReviewSource;

// What the Hint window lists: its column titles, the lines, a note under
// them, and whether a line can be picked to play it.
struct HintShown {
    std::array<std::string, 3> titles;
    std::vector<std::array<std::string, 3>> lines;
    std::string note;
    bool choosable = false;
};

class GameView {
public:
    virtual ~GameView() = default;

    // Queues a command to run from the event loop, after the running handler.
    virtual void PostCommand(int id) = 0;

    // --- Status bar: pane 0 prompts, pane 1 under the progress bar, pane 2 short notes ---
    virtual void SetPaneText(int pane, const std::string& text) = 0;
    // The pane in client coordinates of the board.
    virtual Rect PaneRect(int pane) const = 0;
    // The bar over pane 1, in the pane's own coordinates.
    virtual void SetProgressBar(const ProgressBar& bar) = 0;

    // --- Message list: one line per item, never scrolled ---
    virtual int ListCount() const = 0;
    virtual std::string ListLine(int index) const = 0;
    virtual void ListAppend(const std::string& text) = 0;
    virtual void ListDelete(int index) = 0;
    virtual void ListClear() = 0;
    // How many lines fit on one page.
    virtual int ListPageSize() const = 0;
    // A line's box in client coordinates, and the width of a text in the list's font.
    virtual Rect ListLineRect(int index) const = 0;
    virtual int ListTextWidth(const std::string& text) const = 0;
    // The input mark "_" over the list, its top-left corner in client coordinates.
    virtual void ShowListMark(int x, int y) = 0;
    virtual void HideListMark() = 0;

    // --- Die windows ---
    virtual void ShowDieWindow(DieGroup group, int k, int value) = 0;
    virtual void HideDieWindow(DieGroup group, int k) = 0;

    // --- Cube button ---
    virtual void SetCubeText(const std::string& text) = 0;
    virtual void EnableCube(bool on) = 0;
    virtual void PlaceCube(const Rect& r) = 0;

    // --- Window ---
    virtual void SetCaption(const std::string& text) = 0;
    // Whether the window is the active one: no dialog or message box is up over it.
    virtual bool IsActive() const = 0;
    virtual void SetWaitCursor(bool on) = 0;
    virtual void SetUndoCursor(bool on) = 0;
    // The end-of-turn wait: runs until a key, a click or a command.
    virtual WaitResult AwaitInput() = 0;
    // Lays out the child controls; once per run, when the first game is set up.
    virtual void LayoutControls() = 0;
    virtual bool ControlsLaidOut() const = 0;
    // Repaints the client area and its children at once.
    virtual void RedrawAll() = 0;
    // Puts the scheme's background behind the board, the message list and the board's text.
    virtual void ApplyBackground() = 0;

    // --- The drawn board, which follows the game's position ---
    // Where everything lies on the board as the window lays it out.
    virtual const BoardGeometry& Geometry() const = 0;
    // Lays the board out in the orientation the ClockWise option names.
    virtual void SetClockwise(bool on) = 0;
    // Draws the locations with the checkers of `board`.
    virtual void BuildDrawnBoard(const Board& board) = 0;
    // Takes every drawn checker off, the last drawn first.
    virtual void DestroyDrawnBoard() = 0;
    // A checker carried from one location to another for `side`, the hit of
    // a lone checker on the way included, as the position has just played it.
    virtual void ShowCheckerTransfer(int from, int to, int side, bool undoing) = 0;
    // A location's checkers shown anew.
    virtual void ShowLocation(int loc, const Checkers& shown) = 0;
    // Point p's letter highlighted or plain.
    virtual void DrawPointLabel(int point, bool on) = 0;
    // The pip counts brought in line with the drawn board.
    virtual void FollowPipCounts() = 0;

    // --- Keyboard, clipboard and pending input ---
    virtual bool KeyIsDown(int vk) const = 0;
    virtual std::string ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // Drops the keys, clicks and posted commands that piled up meanwhile.
    virtual void FlushInput() = 0;

    // --- Questions and modal dialogs ---
    // A message box: the button chosen (IDOK, IDYES, ...), IDCANCEL when closed.
    virtual int Ask(const std::string& text, int buttons, int icon, const char* helpTopic) = 0;
    // The Manual dice dialog: the values that count in place of a throw.
    virtual TwoDice ChooseDice(TwoDice thrown, bool opening) = 0;
    // The file dialog; nothing when cancelled.
    virtual std::optional<std::string> AskFileName(const FileDialogSpec& spec) = 0;
    // The Resign dialog: how much the human gives up; nothing on Cancel.
    virtual std::optional<WinKind> AskResign() = 0;
    // The statistics window of the game just ended; true when the user chose "Again".
    virtual bool ShowStatistics() = 0;

    // --- The Hint window, beside the board; it never blocks the game ---
    // Shows the hint, or shows it anew; a line picked from a list of plays
    // comes back through OnHintChosen.
    virtual void ShowHint(const HintShown& hint) = 0;
    virtual void CloseHint() = 0;
    virtual bool HintOpen() const = 0;

    // --- The Review window, modal: the kept games with their reviews ---
    virtual void ShowReview(ReviewSource& source) = 0;
};
