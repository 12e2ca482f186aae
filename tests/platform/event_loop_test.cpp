// The posted commands, the flush of piled-up input and the nested wait, on
// the real window.
#include <QKeyEvent>
#include <QTimer>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/command_queue.h"
#include "platform/key_state.h"
#include "platform/nested_wait.h"
#include "platform/virtual_keys.h"
#include "resources/command_ids.h"
#include "shell/game_wnd_fixture.h"

namespace {
QKeyEvent* KeyPress(Qt::Key key) { return new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key))); }

TEST_F(GameWndTest, FlushInputDropsPostedCommandsAndPiledUpKeys) {
    static int keys = 0;
    keys = 0;
    wnd->Handlers().keyDown = [](int, int, int) { ++keys; };
    RecordCommands({ID_COMPUTER_TURN});
    wnd->PostCommand(ID_COMPUTER_TURN);
    QCoreApplication::postEvent(wnd->centralWidget(), KeyPress(Qt::Key_A));
    FlushInput();
    Drain();
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(keys, 0);

    QCoreApplication::postEvent(wnd->centralWidget(), KeyPress(Qt::Key_B));
    Drain();
    EXPECT_EQ(keys, 1);
}

TEST_F(GameWndTest, TheWaitEndsAtTheFirstKeyClickOrCommand) {
    struct Case {
        std::function<void()> input;
        WaitResult::Kind kind;
        int code;
    };
    QWidget* board = wnd->centralWidget();
    const Case cases[] = {
        {[&] { QCoreApplication::postEvent(board, KeyPress(Qt::Key_C)); }, WaitResult::KEY, 'C'},
        {[&] { QTest::mousePress(board, Qt::RightButton, {}, QPoint(100, 100)); }, WaitResult::RIGHT_BUTTON, 0},
        {[&] { QTest::mousePress(board, Qt::LeftButton, {}, QPoint(100, 100)); }, WaitResult::LEFT_BUTTON, 0},
        {[&] { wnd->PostCommand(ID_COMPUTER_TURN); }, WaitResult::COMMAND, ID_COMPUTER_TURN},
    };
    for (const Case& c : cases) {
        QTimer::singleShot(0, c.input);
        const WaitResult result = WaitForInput(board);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.code, c.code);
        EXPECT_FALSE(WaitRunning());
        FlushInput();
    }
}

TEST_F(GameWndTest, EscapeInTheWaitReachesUndoBeforeTheWaitEnds) {
    static int rightPresses = 0;
    rightPresses = 0;
    wnd->Handlers().rButtonDown = [](int, int) { ++rightPresses; };
    RecordCommands({ID_UNDO});
    game().moveOrdinal = 2;
    ShowActive();
    QWidget* board = wnd->centralWidget();
    QTimer::singleShot(0, [&] { QTest::keyClick(board, Qt::Key_Escape); });
    const WaitResult result = WaitForInput(board);
    EXPECT_EQ(result.kind, WaitResult::KEY);
    EXPECT_EQ(result.code, VK_ESCAPE);
    EXPECT_EQ(ran, (std::vector<int>{ID_UNDO}));

    QTimer::singleShot(0, [&] { QTest::mousePress(board, Qt::RightButton, {}, QPoint(5, 5)); });
    EXPECT_EQ(WaitForInput(board).kind, WaitResult::RIGHT_BUTTON);
    EXPECT_EQ(rightPresses, 1);
}

TEST_F(GameWndTest, WhatIsPostedDuringTheWaitRunsOnlyAfterIt) {
    RecordCommands({ID_AUTO_FORCED});
    Override(ID_UNDO, [this] {
        ran.push_back(ID_UNDO);
        wnd->PostCommand(ID_AUTO_FORCED);
    });
    game().moveOrdinal = 2;
    ShowActive();
    QWidget* board = wnd->centralWidget();
    QTimer::singleShot(0, [&] { QTest::keyClick(board, Qt::Key_Escape); });
    WaitForInput(board);
    EXPECT_EQ(ran, (std::vector<int>{ID_UNDO}));
    Drain();
    EXPECT_EQ(ran, (std::vector<int>{ID_UNDO, ID_AUTO_FORCED}));
}

TEST_F(GameWndTest, KeyStateFollowsPressAndRelease) {
    ShowActive();
    QWidget* board = wnd->centralWidget();
    QTest::keyPress(board, Qt::Key_Escape);
    EXPECT_EQ(KeyIsDown(VK_ESCAPE), 1);
    QTest::keyRelease(board, Qt::Key_Escape);
    EXPECT_EQ(KeyIsDown(VK_ESCAPE), 0);
}

// Esc held to stop Finish game as the game ends and its statistics open.
TEST_F(GameWndTest, AKeyDownBeforeADialogOpenedAnswersItOnlyOncePressedAgain) {
    ShowActive();
    QTest::keyPress(wnd->centralWidget(), Qt::Key_Escape);
    QDialog dialog(wnd.get());
    dialog.show();
    ASSERT_TRUE(Activate(&dialog));
    const auto press = [&](bool repeat) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(&dialog, &key);
    };
    press(true);
    press(false);  // the first press, delivered only now
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyRelease(&dialog, Qt::Key_Escape);
    press(false);
    EXPECT_FALSE(dialog.isVisible());
    QTest::keyRelease(&dialog, Qt::Key_Escape);
}

TEST(VirtualClockTest, SleepingAdvancesTheTickCountAtOnce) {
    VirtualClock clock;
    SetClock(&clock);
    const uint32_t start = TickCount();
    Sleep(1500);
    Sleep(-5);
    EXPECT_EQ(TickCount() - start, 1500u);
    SetClock(nullptr);
}
}  // namespace
