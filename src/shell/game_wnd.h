// The main window: the board, the status bar, the message list, the cube
// button and the die windows. It stays thin: it turns Qt's events into calls
// of the game and offers the game a small set of named operations, none of
// which takes or gives a Qt type.
#pragma once

#include <QCursor>
#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "display/control_layout.h"
#include "display/progress_bar.h"
#include "display/rect.h"
#include "platform/nested_wait.h"

class BoardWidget;
class Canvas;
class CommandQueue;
class DieFace;
class QLabel;
class QListWidget;
class QPushButton;
class ProgressPane;

class GameWnd : public QMainWindow {
public:
    // Builds the window for a screen of this width and sets up the first game.
    explicit GameWnd(int screenWidth);
    ~GameWnd() override;

    // --- Commands ---
    // Runs a command now if its enable rule allows; a disabled one is dropped.
    void RunCommand(int id);
    // Queues a command to run from the event loop, after the running handler.
    void PostCommand(int id);
    // The close box, Alt+F4 and Exit; refused with a beep during the
    // end-of-turn wait.
    void RequestClose();

    // --- Status bar: pane 0 prompts, pane 1 under the progress bar, pane 2 short notes ---
    void SetPaneText(int pane, const std::string& text);
    std::string PaneText(int pane) const;
    // Pane 1 in client coordinates of the board.
    Rect PaneRect(int pane) const;
    // The bar over pane 1, in the pane's own coordinates.
    void SetProgressBar(const ProgressBar& bar);
    const ProgressBar& GetProgressBar() const;

    // --- Message list: one line per item, never scrolled ---
    int ListCount() const;
    std::string ListLine(int index) const;
    void ListAppend(const std::string& text);
    void ListDelete(int index);
    void ListClear();
    // How many lines fit on one page.
    int ListPageSize() const;
    // A line's box in client coordinates, and the width of a text in the list's font.
    Rect ListLineRect(int index) const;
    int ListTextWidth(const std::string& text) const;
    // The input mark "_" over the list, its top-left corner in client coordinates.
    void ShowListMark(int x, int y);
    void HideListMark();
    bool ListMarkShown() const;

    // --- Die windows ---
    void ShowDieWindow(DieGroup group, int k, int value);
    void HideDieWindow(DieGroup group, int k);
    bool DieWindowShown(DieGroup group, int k) const;

    // --- Cube button ---
    void SetCubeText(const std::string& text);
    std::string CubeText() const;
    void EnableCube(bool on);
    bool CubeEnabled() const;
    void PlaceCube(const Rect& r);
    Rect CubePlace() const;

    // --- Window ---
    void SetCaption(const std::string& text);
    // Whether the window is the active one: no dialog or message box is up over it.
    bool IsActive() const;
    void SetWaitCursor(bool on);
    void SetUndoCursor(bool on);
    // The end-of-turn wait: runs until a key, a click or a command.
    WaitResult AwaitInput();
    // Lays out the child controls; once per run, when the first game is set up.
    void LayoutControls();
    bool ControlsLaidOut() const { return laidOut_; }
    Canvas& GetCanvas();
    // Repaints the client area and its children at once.
    void RedrawAll();
    // Puts the scheme's background behind the board, the message list and the board's text.
    void ApplyBackground();

protected:
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // The command's enable rule; the Double rule also sets the cube button.
    bool RuleAllows(int id);
    void RunHandler(int id);
    DieFace* DieWindow(DieGroup group, int k) const;

    BoardWidget* board_;
    QListWidget* list_;
    QPushButton* cube_;
    std::array<DieFace*, 2 * DIE_WINDOWS_PER_GROUP> dice_{};
    std::array<QLabel*, 3> panes_{};
    ProgressPane* progress_;
    QLabel* mark_;
    std::unique_ptr<CommandQueue> commands_;
    QCursor undoCursor_;
    QMetaObject::Connection focusWatch_;
    int blinkTimer_ = 0;
    bool laidOut_ = false;
    bool closing_ = false;
};

// The one main window, set as soon as it exists.
extern GameWnd* g_gameWnd;
