// The main window: the board, the status bar, the message list, the cube
// button and the die windows. It stays thin: it turns Qt's events into calls
// of the game and is the game's view. Besides the view's operations it
// answers what its controls show, for tests.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "controller/game_view.h"
#include "controller/progress_bar.h"
#include "controller/session.h"
#include "display/control_layout.h"
#include "display/geometry.h"
#include "platform/nested_wait.h"
#include "platform/rect.h"
#include "shell/board_size.h"
#include "shell/window_handlers.h"

class BoardDisplay;
class BoardWidget;
class Canvas;
class CommandQueue;
class DieFace;
class HintWindow;
class QLabel;
class QListWidget;
class QPushButton;
class ProgressPane;
class WindowDialogs;

class GameWnd : public QMainWindow, public GameView {
public:
    // Builds the window for a screen of this width, at the scale the run
    // started with, and sets up the first game.
    explicit GameWnd(int screenWidth, const BoardScale& scale = {});
    ~GameWnd() override;

    // Runs a command now if its enable rule allows; a disabled one is dropped.
    void RunCommand(int id);
    void PostCommand(int id) override;

    void SetPaneText(int pane, const std::string& text) override;
    std::string PaneText(int pane) const;
    Rect PaneRect(int pane) const override;
    void SetProgressBar(const ProgressBar& bar) override;
    const ProgressBar& GetProgressBar() const;

    int ListCount() const override;
    std::string ListLine(int index) const override;
    void ListAppend(const std::string& text) override;
    void ListDelete(int index) override;
    void ListClear() override;
    int ListPageSize() const override;
    Rect ListLineRect(int index) const override;
    int ListTextWidth(const std::string& text) const override;
    void ShowListMark(int x, int y) override;
    void HideListMark() override;
    bool ListMarkShown() const;

    void ShowDieWindow(DieGroup group, int k, int value) override;
    void HideDieWindow(DieGroup group, int k) override;
    bool DieWindowShown(DieGroup group, int k) const;

    void SetCubeText(const std::string& text) override;
    std::string CubeText() const;
    void EnableCube(bool on) override;
    bool CubeEnabled() const;
    void PlaceCube(const Rect& r) override;
    Rect CubePlace() const;

    void SetCaption(const std::string& text) override;
    bool IsActive() const override;
    void SetWaitCursor(bool on) override;
    void SetUndoCursor(bool on) override;
    WaitResult AwaitInput() override;
    void LayoutControls() override;
    bool ControlsLaidOut() const override { return laidOut_; }
    Canvas& GetCanvas();
    void RedrawAll() override;
    void ApplyBackground() override;

    const BoardGeometry& Geometry() const override { return geometry_; }
    void SetClockwise(bool on) override { geometry_.SetClockwise(on); }
    // The drawn board, from the window's construction to its end.
    BoardDisplay& Display() { return *display_; }
    void BuildDrawnBoard(const Board& board) override;
    void DestroyDrawnBoard() override;
    void ShowCheckerTransfer(int from, int to, int side, bool undoing) override;
    void ShowLocation(int loc, const Checkers& shown) override;
    void DrawPointLabel(int point, bool on) override;
    void FollowPipCounts() override;

    bool KeyIsDown(int vk) const override;
    std::string ClipboardText() const override;
    void SetClipboardText(const std::string& text) override;
    void FlushInput() override;

    int Ask(const std::string& text, int buttons, int icon, const char* helpTopic) override;
    TwoDice ChooseDice(TwoDice thrown, bool opening) override;
    std::optional<std::string> AskFileName(const FileDialogSpec& spec) override;
    std::optional<WinKind> AskResign() override;
    bool ShowStatistics() override;
    void ShowHint(const HintShown& hint) override;
    void CloseHint() override;
    void ShowReview(ReviewSource& source) override;
    bool HintOpen() const override;
    WindowDialogs& Dialogs() { return *dialogs_; }
    Session& GameSession() { return session_; }
    const BoardScale& Scale() const { return scale_; }
    // Where input and timer events go; tests replace entries.
    WindowHandlers& Handlers() { return handlers_; }
    // Replaces one command's handler (tests record what reaches a command);
    // an empty handler restores the program's own.
    void SetCommandHandler(int id, std::function<void()> handler);
    // Replaces the Manual dice dialog (tests script the throws); empty restores it.
    void SetDiceChooser(DiceChooser chooser) { diceChooser_ = std::move(chooser); }

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
    std::unique_ptr<WindowDialogs> dialogs_;
    QMetaObject::Connection focusWatch_;
    int blinkTimer_ = 0;
    bool laidOut_ = false;
    bool closing_ = false;
    BoardScale scale_;
    BoardGeometry geometry_;
    Session session_{*this};
    std::unique_ptr<BoardDisplay> display_;
    WindowHandlers handlers_ = ProgramHandlers(session_);
    std::map<int, std::function<void()>> overrides_;
    DiceChooser diceChooser_;
    HintWindow* hint_ = nullptr;
};
