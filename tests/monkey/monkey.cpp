#include "monkey/monkey.h"

#include <QApplication>
#include <QEventLoop>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QThread>

#include "controller/turn_moves.h"
#include "display/board_display.h"
#include "display/geometry.h"
#include "game/game.h"
#include "monkey/monkey_invariants.h"
#include "platform/command_queue.h"
#include "platform/input_filter.h"
#include "platform/nested_wait.h"
#include "resources/commands.h"
#include "rules/location.h"
#include "rules/position.h"
#include "shell/die_face.h"
#include "shell/game_wnd.h"
#include "shell/window_dialogs.h"

namespace {
const QEvent::Type kTick = static_cast<QEvent::Type>(QEvent::registerEventType());

// Tries before a click meant for a location lands anywhere on the board.
constexpr int kAim = 20;

int LoopLevel() { return QThread::currentThread()->loopLevel(); }

std::string At(QPoint p) { return " at " + std::to_string(p.x()) + "," + std::to_string(p.y()); }
}  // namespace

Monkey::Monkey(GameWnd& wnd, Chance& chance, History& history) : wnd_(wnd), chance_(chance), history_(history) {}

std::atomic<long>& Monkey::Progress() {
    static std::atomic<long> steps{0};
    return steps;
}

long& Monkey::StepsInWait() {
    static long steps = 0;
    return steps;
}

std::string Monkey::Run(long steps, const std::function<std::string()>& extraCheck) {
    extraCheck_ = extraCheck;
    stepsLeft_ = steps;
    QEventLoop loop;
    loop_ = &loop;
    baseLevel_ = LoopLevel() + 1;
    Post();
    loop.exec();
    loop_ = nullptr;
    return broken_;
}

bool Monkey::event(QEvent* event) {
    if (event->type() != kTick) return QObject::event(event);
    Tick();
    return true;
}

void Monkey::Post() { QCoreApplication::postEvent(this, new QEvent(kTick)); }

void Monkey::Tick() {
    const int level = LoopLevel();
    // No user acts while the program flushes input, which it does in the midst
    // of a command, nor among the events a step processes on its own way.
    if (SwallowingInput() || (!acting_.empty() && level <= acting_.back())) return Post();
    const bool nested = level > baseLevel_;
    // Posted commands run before new input, as a user is slower than they are;
    // the wait holds them back until it ends.
    if (!nested && PostedCommandsPending()) return Post();
    if (broken_.empty())
        if (std::string why = Check(nested); !why.empty())
            broken_ = "step " + std::to_string(history_.Step()) + ": " + why + "\nbefore it: " + before_ +
                      "\nthe last steps:\n" + history_.Recent();
    ++Progress();
    // A closed window is the program's end: Exit, or Quit after a game.
    if (stepsLeft_ <= 0 || !broken_.empty() || !wnd_.isVisible()) return Unwind(nested);
    --stepsLeft_;
    StepsInWait() += nested;
    history_.NextStep();
    before_ = PositionText(wnd_.GameSession().game);
    Post();
    acting_.push_back(level);
    Act();
    acting_.pop_back();
}

std::string Monkey::Check(bool nested) {
    const Game& game = wnd_.GameSession().game;
    std::string why = BrokenGameState(game, wnd_.Display());
    if (why.empty()) why = BrokenFiles(game);
    if (why.empty()) why = BrokenWindowState(game, wnd_.Display().Live(), nested);
    if (why.empty()) why = BrokenCanvas(wnd_);
    if (why.empty() && extraCheck_) why = extraCheck_();
    return why;
}

// Answers the waits that are still open, so the run can end.
void Monkey::Unwind(bool nested) {
    if (!nested) {
        if (acting_.empty()) return loop_->quit();
        return Post();
    }
    Post();
    acting_.push_back(LoopLevel());
    if (WaitRunning()) {
        history_.Note("unwind: Return");
        QTest::keyClick(wnd_.centralWidget(), Qt::Key_Return);
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
    }
    acting_.pop_back();
}

void Monkey::Act() {
    switch (chance_.Below(20)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
            return ClickBoard(Qt::LeftButton, false);
        case 6:
            return ClickBoard(Qt::LeftButton, true);
        case 7:
            return ClickBoard(Qt::RightButton, false);
        case 8:
        case 9:
            return MoveMouse();
        case 10:
        case 11:
        case 12:
            return ClickChild();
        case 13:
        case 14:
        case 15:
            return PressKey();
        case 16:
            return PressAccelerator();
        case 17:
        case 18:
            return RunCommand();
        default:
            if (QTextBrowser* help = wnd_.Dialogs().HelpWindow(); help && help->isVisible()) {
                history_.Note("close the help");
                help->close();
                return;
            }
            return ClickBoard(Qt::LeftButton, false);
    }
}

// On a location chosen at random, or anywhere; what lies over the board gets
// the click, as it would from a real pointer.
void Monkey::ClickBoard(Qt::MouseButton button, bool twice) {
    QWidget* board = wnd_.centralWidget();
    QPoint p(chance_.Below(board->width()), chance_.Below(board->height()));
    if (chance_.OneIn(4) == false) {
        const int loc = chance_.OneIn(2) ? chance_.Below(NUM_LOCATIONS) : LikelyMoveLocation();
        const Rect r = wnd_.Geometry().GeometryOf(loc).rect;
        for (int i = 0; i < kAim && r.right > r.left && r.bottom > r.top; ++i) {
            const QPoint q(chance_.Between(r.left, r.right - 1), chance_.Between(r.top, r.bottom - 1));
            if (wnd_.Geometry().LocationAt(q.x(), q.y()) == loc) {
                p = q;
                break;
            }
        }
    }
    QWidget* target = board->childAt(p) ? board->childAt(p) : board;
    const QPoint local = target->mapFrom(board, p);
    history_.Note(std::string(twice                       ? "double-click"
                              : button == Qt::RightButton ? "right-click"
                                                          : "click") +
                  " " + target->metaObject()->className() + At(local));
    if (twice)
        QTest::mouseDClick(target, button, {}, local);
    else
        QTest::mouseClick(target, button, {}, local);
}

// Half the clicks on locations go where a move of the human's could start or
// end, so that turns get played and the end-of-turn wait is reached.
int Monkey::LikelyMoveLocation() {
    if (wnd_.GameSession().game.position.sideToMove != SIDE_HUMAN || wnd_.GameSession().game.position.diceLeft <= 0)
        return chance_.Below(NUM_LOCATIONS);
    if (CurrentMove(wnd_.GameSession()).from == NO_LOCATION) {
        std::vector<int> held;
        for (int loc = LOC_HUMAN_BAR; loc < LOC_COMPUTER_BAR; ++loc)
            if (wnd_.GameSession().game.position[loc].owner == SIDE_HUMAN &&
                wnd_.GameSession().game.position[loc].count > 0)
                held.push_back(loc);
        return held.empty() ? chance_.Below(NUM_LOCATIONS) : chance_.Pick(held);
    }
    const int to = CurrentMove(wnd_.GameSession()).from +
                   wnd_.GameSession().game.position.dice[chance_.Below(wnd_.GameSession().game.position.diceLeft)];
    return to < LOC_COMPUTER_BAR ? to : LOC_HUMAN_OFF;
}

void Monkey::ClickChild() {
    std::vector<QWidget*> children;
    for (DieFace* die : wnd_.findChildren<DieFace*>())
        if (die->isVisible()) children.push_back(die);
    children.push_back(wnd_.findChild<QPushButton*>());
    children.push_back(wnd_.findChild<QListWidget*>()->viewport());
    QWidget* child = chance_.Pick(children);
    const QPoint p(chance_.Below(std::max(1, child->width())), chance_.Below(std::max(1, child->height())));
    history_.Note(std::string("click ") + child->metaObject()->className() + At(p));
    QTest::mouseClick(child, Qt::LeftButton, {}, p);
}

void Monkey::MoveMouse() {
    QWidget* board = wnd_.centralWidget();
    const QPoint p(chance_.Below(board->width()), chance_.Below(board->height()));
    history_.Note("move" + At(p));
    QTest::mouseMove(board, p);
}

void Monkey::PressKey() {
    static const std::vector<Qt::Key> keys = {Qt::Key_0, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return};
    const bool letter = chance_.OneIn(2);
    const Qt::Key key = letter ? static_cast<Qt::Key>(Qt::Key_A + chance_.Below(26)) : chance_.Pick(keys);
    history_.Note("key " + QKeySequence(key).toString().toStdString());
    QTest::keyClick(wnd_.centralWidget(), key);
}

void Monkey::PressAccelerator() {
    static const std::vector<Qt::Key> keys = {Qt::Key_C, Qt::Key_D, Qt::Key_E, Qt::Key_F, Qt::Key_M,
                                              Qt::Key_N, Qt::Key_O, Qt::Key_R, Qt::Key_S, Qt::Key_W};
    if (chance_.OneIn(6)) {
        history_.Note("key F1");
        return QTest::keyClick(wnd_.centralWidget(), Qt::Key_F1);
    }
    const Qt::Key key = chance_.Pick(keys);
    history_.Note("key Ctrl+" + QKeySequence(key).toString().toStdString());
    QTest::keyClick(wnd_.centralWidget(), key, Qt::ControlModifier);
}

// Any menu command, enabled or not, chosen from the menu or posted as an
// accelerator posts it. The program's internal commands are no user's to give.
void Monkey::RunCommand() {
    std::vector<int> ids;
    for (const CommandInfo& c : CommandTable())
        if (c.hasPrompt) ids.push_back(c.id);
    const int id = chance_.Pick(ids);
    const bool post = chance_.OneIn(3);
    history_.Note((post ? "post command " : "command ") + std::to_string(id));
    if (post)
        wnd_.PostCommand(id);
    else
        wnd_.RunCommand(id);
}
