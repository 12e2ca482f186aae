#include "shell/game_wnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimerEvent>
#include <ctime>

#include "controller/coach_commands.h"
#include "controller/enable_rules.h"
#include "controller/game_commands.h"
#include "controller/live_board.h"
#include "controller/match_play.h"
#include "controller/new_game.h"
#include "dialogs/hint_window.h"
#include "dialogs/manual_dice_dialog.h"
#include "dialogs/resign_dialog.h"
#include "dice/mevra32.h"
#include "display/board_display.h"
#include "display/geometry.h"
#include "display/pip_band.h"
#include "game/game.h"
#include "game/turn_dice.h"
#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/command_queue.h"
#include "platform/file_dialog.h"
#include "platform/input_filter.h"
#include "platform/key_state.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/nested_wait.h"
#include "resources/command_ids.h"
#include "resources/icons.h"
#include "resources/strings.h"
#include "rules/position.h"
#include "settings/color_scheme.h"
#include "settings/options.h"
#include "shell/board_size.h"
#include "shell/board_widget.h"
#include "shell/command_handlers.h"
#include "shell/die_face.h"
#include "shell/menu_bar.h"
#include "shell/message_list.h"
#include "shell/progress_pane.h"
#include "shell/window_dialogs.h"
#include "shell/window_handlers.h"

namespace {
QString ToQt(const std::string& s) { return QString::fromStdString(s); }
Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

QLabel* MakePane(QStatusBar* bar) {
    auto* pane = new QLabel(bar);
    pane->setFocusPolicy(Qt::NoFocus);
    return pane;
}
}  // namespace

GameWnd::GameWnd(int screenWidth, const BoardScale& scale) : scale_(scale), geometry_(WindowSizeFor(screenWidth)) {
    SetSeed(static_cast<int32_t>(std::time(nullptr)));

    board_ = new BoardWidget(this, handlers_);
    setCentralWidget(board_);
    list_ = new MessageList(board_);
    cube_ = new QPushButton(board_);
    for (DieFace*& die : dice_) die = new DieFace(board_);
    progress_ = new ProgressPane(statusBar(), session_.game.options);
    progress_->setFocusPolicy(Qt::NoFocus);
    panes_ = {MakePane(statusBar()), progress_, MakePane(statusBar())};
    mark_ = new QLabel(QStringLiteral("_"), list_->viewport());
    mark_->setAutoFillBackground(true);
    mark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark_->hide();

    // Settings and the resources the window needs come first: the size and
    // the colours depend on them.
    LoadSettings(session_.game.options, session_.game.totalScore);
    LoadKeptMatchState(session_);
    LoadCurrentScheme(session_.game.options, session_.game.options.curScheme);
    ApplyFirstMoveBy(session_.game);
    SetClockwise(session_.game.options.clockWise == 1);

    // Minimisable, but neither resizable nor maximisable.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(geometry_.Window().width, geometry_.Window().height);
    setWindowIcon(ProgramWindowIcon());
    move(StartPosition(*this, scale_));
    statusBar()->setSizeGripEnabled(false);
    // The menu bar takes its height from the client area, which the trays,
    // the dice and the cube are centred in: it must be there before that is measured.
    BuildMenuBar(*this,
                 {[this](int id) { RunCommand(id); }, [this](int id) { return RuleAllows(id); },
                  [this](int id) { SetPaneText(0, ResString(id)); }, [this] { SetPaneText(0, ResString(IDS_IDLE)); },
                  [this](int id) { return BoardSizeOf(id) == session_.game.options.zoom; }});
    SetPaneText(0, ResString(IDS_IDLE));
    layout()->activate();
    geometry_.SetClientSize(board_->width(), board_->height());

    SetMainWindow(this);

    board_->CreateCanvas();
    board_->SetRatioChangedHandler([this] { RedrawAll(); });
    ApplyBackground();
    board_->GetCanvas()->Clear();
    display_ = std::make_unique<BoardDisplay>(*board_->GetCanvas(), session_.game, geometry_);

    blinkTimer_ = startTimer(BLINK_INTERVAL_MS);
    commands_ = std::make_unique<CommandQueue>([this](int id) { RunCommand(id); });
    InstallInputFilter();
    dialogs_ = std::make_unique<WindowDialogs>(*this, session_, *display_);

    // The keyboard always stays with the board, whatever was clicked.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == list_) board_->setFocus();
    });
    board_->setFocus();

    NewGame(session_);
}

GameWnd::~GameWnd() {
    // Focus moves while the widgets go; the window must not hear of it then.
    disconnect(focusWatch_);
    killTimer(blinkTimer_);
    DestroyBoard(session_);
    if (MainWindow() == this) SetMainWindow(nullptr);
}

void GameWnd::ApplyBackground() {
    const QColor background = ToQColor(session_.game.options.colors[SLOT_BACKGROUND]);
    QPalette palette = board_->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    board_->setPalette(palette);
    Canvas& canvas = GetCanvas();
    canvas.SetBackground(session_.game.options.colors[SLOT_BACKGROUND]);
    canvas.SetTextColor(0);
}

bool GameWnd::RuleAllows(int id) {
    if (const int percent = BoardSizeOf(id)) return BoardSizeOffered(*this, percent, scale_);
    const bool enabled = CommandEnabled(session_, id);
    // The cube button follows the Double rule wherever it is evaluated.
    if (id == ID_DOUBLE) EnableCube(enabled);
    return enabled;
}

void GameWnd::RunCommand(int id) {
    if (!RuleAllows(id)) {
        OnCommandRefused(session_, id);
        return;
    }
    EndWaitByCommand(id);
    RunHandler(id);
}

void GameWnd::RunHandler(int id) {
    CommandQueue::Busy busy(*commands_);
    if (auto it = overrides_.find(id); it != overrides_.end()) return it->second();
    HandlerOf(id, *this)();
}

void GameWnd::PostCommand(int id) { commands_->Post(id); }

void GameWnd::SetCommandHandler(int id, std::function<void()> handler) {
    if (handler)
        overrides_[id] = std::move(handler);
    else
        overrides_.erase(id);
}

void GameWnd::closeEvent(QCloseEvent* event) {
    if (session_.game.awaitingConfirm == 1) {
        Beep();
        event->ignore();
        return;
    }
    event->accept();
}

void GameWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blinkTimer_) return QMainWindow::timerEvent(event);
    // Ticks that piled up while the program was busy are dropped.
    if (!SwallowingInput()) handlers_.blinkTick();
}

void GameWnd::SetPaneText(int pane, const std::string& text) {
    QLabel* label = panes_.at(static_cast<std::size_t>(pane));
    label->setText(ToQt(text));
    label->repaint();
}

std::string GameWnd::PaneText(int pane) const {
    return panes_.at(static_cast<std::size_t>(pane))->text().toStdString();
}

Rect GameWnd::PaneRect(int pane) const {
    const QLabel* label = panes_.at(static_cast<std::size_t>(pane));
    return FromQRect(QRect(board_->mapFromGlobal(label->mapToGlobal(QPoint(0, 0))), label->size()));
}

void GameWnd::SetProgressBar(const ProgressBar& bar) { progress_->SetBar(bar); }

const ProgressBar& GameWnd::GetProgressBar() const { return progress_->Bar(); }

int GameWnd::ListCount() const { return list_->count(); }

std::string GameWnd::ListLine(int index) const {
    const QListWidgetItem* item = list_->item(index);
    return item ? item->text().toStdString() : std::string();
}

// A change of the list takes the input mark away, as a repaint of the list
// would: it must not cover the text it follows.
void GameWnd::ListAppend(const std::string& text) {
    mark_->hide();
    list_->addItem(ToQt(text));
    list_->repaint();
}

void GameWnd::ListDelete(int index) {
    mark_->hide();
    delete list_->takeItem(index);
    list_->repaint();
}

void GameWnd::ListClear() {
    mark_->hide();
    list_->clear();
}

int GameWnd::ListPageSize() const {
    // The viewport is not sized before the window is shown; the frame's
    // contents rectangle is.
    const bool probe = list_->count() == 0;
    if (probe) list_->addItem(QStringLiteral(" "));
    const int row = list_->sizeHintForRow(0);
    if (probe) delete list_->takeItem(0);
    return row > 0 ? list_->contentsRect().height() / row : 0;
}

Rect GameWnd::ListLineRect(int index) const {
    const QListWidgetItem* item = list_->item(index);
    if (!item) return {};
    const QRect r = list_->visualItemRect(item);
    return FromQRect(QRect(list_->viewport()->mapTo(board_, r.topLeft()), r.size()));
}

int GameWnd::ListTextWidth(const std::string& text) const { return list_->fontMetrics().horizontalAdvance(ToQt(text)); }

void GameWnd::ShowListMark(int x, int y) {
    mark_->setFont(list_->font());
    mark_->adjustSize();
    mark_->move(list_->viewport()->mapFrom(board_, QPoint(x, y)));
    mark_->show();
    mark_->repaint();
}

void GameWnd::HideListMark() { mark_->hide(); }

bool GameWnd::ListMarkShown() const { return mark_->isVisible(); }

DieFace* GameWnd::DieWindow(DieGroup group, int k) const {
    return dice_.at(static_cast<std::size_t>(group * DIE_WINDOWS_PER_GROUP + k));
}

void GameWnd::ShowDieWindow(DieGroup group, int k, int value) {
    DieFace* die = DieWindow(group, k);
    die->SetPips(value);
    die->show();
    die->repaint();
}

void GameWnd::HideDieWindow(DieGroup group, int k) { DieWindow(group, k)->hide(); }

bool GameWnd::DieWindowShown(DieGroup group, int k) const { return DieWindow(group, k)->isVisible(); }

void GameWnd::SetCubeText(const std::string& text) { cube_->setText(ToQt(text)); }

std::string GameWnd::CubeText() const { return cube_->text().toStdString(); }

void GameWnd::EnableCube(bool on) { cube_->setEnabled(on); }

bool GameWnd::CubeEnabled() const { return cube_->isEnabled(); }

void GameWnd::PlaceCube(const Rect& r) {
    cube_->setGeometry(ToQRect(r));
    cube_->repaint();
    update();
}

Rect GameWnd::CubePlace() const { return FromQRect(cube_->geometry()); }

void GameWnd::SetCaption(const std::string& text) { setWindowTitle(ToQt(text)); }

bool GameWnd::IsActive() const { return isActiveWindow() && !QApplication::activeModalWidget(); }

void GameWnd::SetWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void GameWnd::SetUndoCursor(bool on) {
    if (on)
        board_->setCursor(UndoCursor(board_->devicePixelRatioF()));
    else
        board_->unsetCursor();
}

// Only presses in the client area end the wait: the menus stay usable in it,
// and what is posted meanwhile runs only after it.
WaitResult GameWnd::AwaitInput() { return WaitForInput(board_); }

void GameWnd::LayoutControls() {
    const StatusPaneWidths widths = StatusPanes(geometry_);
    panes_[0]->setFixedWidth(widths.pane0);
    panes_[1]->setFixedWidth(widths.pane1);
    statusBar()->addPermanentWidget(panes_[0]);
    statusBar()->addPermanentWidget(panes_[1]);
    statusBar()->addPermanentWidget(panes_[2], 1);

    for (int g = DIE_GROUP_COMPUTER; g <= DIE_GROUP_HUMAN; ++g)
        for (int k = 0; k < DIE_WINDOWS_PER_GROUP; ++k) {
            DieFace* die = DieWindow(static_cast<DieGroup>(g), k);
            die->setGeometry(ToQRect(DieWindowRect(geometry_, static_cast<DieGroup>(g), k)));
            // Clicks on the dice reach the board: a click there passes.
            die->setAttribute(Qt::WA_TransparentForMouseEvents);
            die->hide();
        }

    list_->setGeometry(ToQRect(MessageListRect(geometry_)));
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setUniformItemSizes(true);
    list_->setFocusPolicy(Qt::NoFocus);

    cube_->setText(QStringLiteral("64"));
    cube_->setFocusPolicy(Qt::NoFocus);
    // A control's notification: the Double rule is not asked again.
    connect(cube_, &QPushButton::clicked, this, [this] { RunHandler(ID_DOUBLE); });
    laidOut_ = true;
}

Canvas& GameWnd::GetCanvas() { return *board_->GetCanvas(); }

std::optional<WinKind> GameWnd::AskResign() { return RunResignDialog(); }

bool GameWnd::ShowStatistics() { return dialogs_->Statistics(); }

void GameWnd::ShowHint(const HintShown& hint) {
    if (!hint_) hint_ = new HintWindow(this, [this](int index) { OnHintChosen(session_, index); });
    const bool wasOpen = hint_->isVisible();
    hint_->Show(hint.titles, hint.lines, hint.note, hint.choosable);
    if (wasOpen) return;
    // Beside the window where the screen has room, else over the message
    // list: never over the board.
    const QRect frame = frameGeometry();
    const QRect screen = this->screen()->availableGeometry();
    // The window manager frames the new window after this: its client area
    // is what the move places, level with this one's.
    QPoint place(frame.right() + 1, geometry().top());
    if (place.x() + hint_->frameGeometry().width() > screen.right()) place = list_->mapToGlobal(QPoint(0, 0));
    hint_->move(place);
}

void GameWnd::ShowReview(ReviewSource& source) { dialogs_->Review(source); }

void GameWnd::CloseHint() {
    if (hint_) hint_->hide();
}

bool GameWnd::HintOpen() const { return hint_ && hint_->isVisible(); }

void GameWnd::RedrawAll() {
    display_->Paint();
    DrawProgressBar(session_);
    board_->repaint();
    for (QWidget* child : board_->findChildren<QWidget*>()) child->repaint();
}

void GameWnd::BuildDrawnBoard(const Board& board) { display_->Build(board); }

void GameWnd::DestroyDrawnBoard() { display_->Destroy(); }

void GameWnd::ShowCheckerTransfer(int from, int to, int side, bool undoing) {
    display_->ShowCheckerTransfer(from, to, side, undoing);
}

void GameWnd::ShowLocation(int loc, const Checkers& shown) { display_->ShowLocation(loc, shown); }

void GameWnd::DrawPointLabel(int point, bool on) { display_->DrawPointLabel(point, on); }

void GameWnd::FollowPipCounts() { ::FollowPipCounts(*display_); }

bool GameWnd::KeyIsDown(int vk) const { return ::KeyIsDown(vk) != 0; }

std::string GameWnd::ClipboardText() const { return ::ClipboardText(); }

void GameWnd::SetClipboardText(const std::string& text) { ::SetClipboardText(text); }

void GameWnd::FlushInput() { ::FlushInput(); }

int GameWnd::Ask(const std::string& text, int buttons, int icon, const char* helpTopic) {
    return MessageBox(text, buttons, icon, helpTopic);
}

TwoDice GameWnd::ChooseDice(TwoDice thrown, bool opening) {
    return diceChooser_ ? diceChooser_(thrown, opening) : RunManualDiceDialog(this, thrown, opening);
}

std::optional<std::string> GameWnd::AskFileName(const FileDialogSpec& spec) { return ::AskFileName(this, spec); }
