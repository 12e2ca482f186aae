#include "shell/game_wnd.h"

#include <QListWidget>
#include <QMouseEvent>

#include "display/geometry.h"
#include "game/game.h"
#include "platform/canvas.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/stored_texts.h"
#include "resources/strings.h"
#include "rules/position.h"
#include "shell/game_wnd_fixture.h"

namespace {
TEST_F(GameWndTest, StartsFixedSizeWithTheBoardInTheStartingPosition) {
    EXPECT_EQ(wnd->size(), QSize(800, 560));
    EXPECT_EQ(wnd->minimumSize(), wnd->maximumSize());
    EXPECT_FALSE(wnd->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(wnd->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(&session().view, static_cast<GameView*>(wnd.get()));

    for (int side : {SIDE_COMPUTER, SIDE_HUMAN}) EXPECT_EQ(CountCheckers(game().position.board, 1, 24, side), 15);
    EXPECT_EQ(game().position[1].count, 2);
    EXPECT_EQ(game().position[1].owner, SIDE_HUMAN);
    EXPECT_EQ(wnd->CubeText(), "64");
    EXPECT_EQ(wnd->CubePlace(), CubeRect(wnd->Geometry(), SIDE_NONE));
    EXPECT_EQ(wnd->windowTitle().toStdString(), ProgramTitle());
    EXPECT_EQ(wnd->PaneText(0), ResString(IDS_IDLE));
}

// The board's canvas and every height derived from the client area match
// what is left below the menu bar and above the status bar.
TEST_F(GameWndTest, TheBoardFillsTheClientAreaBetweenMenuAndStatusBar) {
    ShowActive();
    const QWidget* client = wnd->centralWidget();
    const BoardGeometry& geometry = wnd->Geometry();
    EXPECT_EQ(QSize(geometry.ClientWidth(), geometry.ClientHeight()), client->size());
    EXPECT_EQ(wnd->GetCanvas().Image().size(), client->size());
    EXPECT_EQ(geometry.GeometryOf(LOC_HUMAN_OFF).rect.top, client->height() / 2 - geometry.Unit() / 2);
}

TEST_F(GameWndTest, ASizeFromOutsideDoesNotStick) {
    wnd->show();
    wnd->resize(500, 300);
    wnd->showMinimized();
    wnd->showNormal();
    EXPECT_EQ(wnd->size(), QSize(800, 560));
    EXPECT_EQ(wnd->Geometry().Unit(), 22);
}

TEST_F(GameWndTest, SmallerScreensGetTheSmallerWindow) {
    wnd.reset();
    wnd = std::make_unique<GameWnd>(800);
    EXPECT_EQ(wnd->size(), QSize(775, 542));
    EXPECT_EQ(wnd->Geometry().Unit(), 21);
}

TEST_F(GameWndTest, ExitDuringTheConfirmationWaitOnlyBeeps) {
    wnd->show();
    game().awaitingConfirm = 1;
    wnd->RunCommand(ID_APP_EXIT);
    wnd->close();
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(wnd->isVisible());
    EXPECT_TRUE(questions.empty());

    game().awaitingConfirm = 0;
    wnd->RunCommand(ID_APP_EXIT);
    EXPECT_EQ(beeps, 2);
    EXPECT_FALSE(wnd->isVisible());
}

TEST_F(GameWndTest, ResetScoresAsksFirst) {
    struct Case {
        int answer;
        int expected;
    };
    for (const Case c : {Case{IDNO, 7}, Case{IDYES, 0}}) {
        game().totalScore[SIDE_HUMAN] = game().totalScore[SIDE_COMPUTER] = 7;
        questions.clear();
        answer = c.answer;
        wnd->RunCommand(ID_RESET_SCORES);
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].text, "Reset all scores to 0 ?");
        EXPECT_EQ(questions[0].buttons, MB_YESNO);
        EXPECT_EQ(questions[0].icon, MB_ICONQUESTION);
        EXPECT_EQ(game().totalScore[SIDE_HUMAN], c.expected);
        EXPECT_EQ(game().totalScore[SIDE_COMPUTER], c.expected);
    }
    EXPECT_EQ(GetProfileInt("game", "wit", -1), 0);
    EXPECT_EQ(GetProfileInt("game", "zwart", -1), 0);
}

TEST_F(GameWndTest, DisabledCommandsAreDroppedWhenTheyWouldRun) {
    RecordCommands({ID_UNDO, ID_FILE_SAVE});
    game().moveOrdinal = 1;
    wnd->RunCommand(ID_UNDO);
    wnd->PostCommand(ID_UNDO);
    Drain();
    EXPECT_TRUE(ran.empty());

    // The rule counts when the posted command runs, not when it was posted.
    wnd->PostCommand(ID_FILE_SAVE);
    game().moveOrdinal = 2;
    wnd->PostCommand(ID_UNDO);
    Drain();
    EXPECT_EQ(ran, (std::vector<int>{ID_UNDO}));
}

TEST_F(GameWndTest, TheDoubleRuleAlsoSetsTheCubeButton) {
    RecordCommands({ID_DOUBLE});
    game().moveOrdinal = 1;
    game().options.useCube = 0;
    wnd->RunCommand(ID_DOUBLE);
    EXPECT_FALSE(wnd->CubeEnabled());
    game().options.useCube = 1;
    wnd->RunCommand(ID_DOUBLE);
    EXPECT_TRUE(wnd->CubeEnabled());
    EXPECT_EQ(ran, (std::vector<int>{ID_DOUBLE}));
}

TEST_F(GameWndTest, PostedCommandsRunInOrderAndNeverInsideAnother) {
    std::vector<std::string> trace;
    Override(ID_COMPUTER_TURN, [&] {
        trace.push_back("turn begins");
        // A handler that lets the event loop run, as the end-of-turn wait does.
        Drain();
        trace.push_back("turn ends");
    });
    Override(ID_AUTO_FORCED, [&] { trace.push_back("forced"); });
    wnd->PostCommand(ID_COMPUTER_TURN);
    wnd->PostCommand(ID_AUTO_FORCED);
    Drain();
    EXPECT_EQ(trace, (std::vector<std::string>{"turn begins", "turn ends", "forced"}));
}

TEST_F(GameWndTest, TheMessageListNeverKeepsTheKeyboard) {
    ShowActive();
    auto* list = wnd->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    list->setFocus();
    Drain();
    EXPECT_NE(QApplication::focusWidget(), list);
    EXPECT_EQ(QApplication::focusWidget(), wnd->centralWidget());
}

TEST_F(GameWndTest, AFastSecondClickIsASecondPressAndRelease) {
    static int rightPresses = 0;
    static int leftReleases = 0;
    rightPresses = leftReleases = 0;
    wnd->Handlers().rButtonDown = [](int, int) { ++rightPresses; };
    wnd->Handlers().lButtonUp = [](int, int) { ++leftReleases; };
    QWidget* board = wnd->centralWidget();
    const QPointF at(100, 100);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton})
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                  QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, board->mapToGlobal(at), button, button, Qt::NoModifier);
            QCoreApplication::sendEvent(board, &event);
        }
    EXPECT_EQ(rightPresses, 2);
    EXPECT_EQ(leftReleases, 2);
}

TEST_F(GameWndTest, MessageListLinesAndPage) {
    EXPECT_GT(wnd->ListPageSize(), 10);
    wnd->ListAppend("first");
    wnd->ListAppend("second");
    wnd->ListDelete(0);
    EXPECT_EQ(wnd->ListCount(), 1);
    EXPECT_EQ(wnd->ListLine(0), "second");
    EXPECT_TRUE(MessageListRect(wnd->Geometry()).Contains(wnd->ListLineRect(0).left, wnd->ListLineRect(0).top));
}
}  // namespace
