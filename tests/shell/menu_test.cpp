#include "resources/menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "game/game.h"
#include "resources/accelerators.h"
#include "resources/command_ids.h"
#include "resources/commands.h"
#include "resources/strings.h"
#include "rules/dice_throw.h"
#include "rules/position.h"
#include "shell/game_wnd_fixture.h"
#include "shell/menu_bar.h"

namespace {
QList<QMenu*> Menus(GameWnd& wnd) {
    QList<QMenu*> menus;
    for (QAction* a : wnd.menuBar()->actions()) menus << a->menu();
    return menus;
}

void ExpectMenuFollows(GameWnd& wnd, QMenu* menu, std::span<const MenuItem> items) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<int>(items.size())) << menu->title().toStdString();
    int i = 0;
    for (const MenuItem& item : items) {
        QAction* action = actions[i++];
        EXPECT_EQ(action->isSeparator(), item.text == nullptr);
        if (!item.text) continue;
        EXPECT_EQ(action->text().toStdString(), item.text);
        EXPECT_EQ(action->isCheckable(), item.radio) << item.text;
        if (item.popup.empty()) {
            EXPECT_EQ(ActionOf(wnd, item.command), action);
        } else {
            ASSERT_NE(action->menu(), nullptr) << item.text;
            ExpectMenuFollows(wnd, action->menu(), item.popup);
        }
    }
}

TEST_F(GameWndTest, MenuFollowsTheMenuTable) {
    const QList<QMenu*> menus = Menus(*wnd);
    ASSERT_EQ(menus.size(), static_cast<int>(MainMenu().size()));
    int m = 0;
    for (const MenuPopup& popup : MainMenu()) {
        QMenu* menu = menus[m++];
        EXPECT_EQ(menu->title().toStdString(), popup.title);
        ExpectMenuFollows(*wnd, menu, popup.items);
    }
}

TEST_F(GameWndTest, PaneZeroShowsThePromptOfTheItemUnderThePointer) {
    QMenu* file = Menus(*wnd)[0];
    for (int id : {ID_FILE_NEW, ID_RESET_SCORES, ID_APP_EXIT}) {
        ActionOf(*wnd, id)->hover();
        EXPECT_EQ(wnd->PaneText(0), ResString(id)) << id;
    }
    EXPECT_EQ(wnd->PaneText(0), "Leave Orvan's backgammon");
    emit file->aboutToHide();
    EXPECT_EQ(wnd->PaneText(0), ResString(IDS_IDLE));
}

// Greyed or not, the item under the pointer has its prompt in pane 0.
TEST_F(GameWndTest, PaneZeroShowsThePromptOfAGreyedItemToo) {
    ShowActive();
    QMenu* action = Menus(*wnd)[2];
    game().moveOrdinal = 1;
    // A menu ignores small moves near where the pointer stood when it opened,
    // so the pointer starts well away from every item.
    QTest::mouseMove(wnd.get(), QPoint(5, 5));
    action->popup(wnd->mapToGlobal(QPoint(60, 30)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(action));
    for (int id : {ID_SHOW_PROGRESS, ID_UNDO, ID_RESIGN}) {
        QAction* item = ActionOf(*wnd, id);
        QTest::mouseMove(action, action->actionGeometry(item).center());
        Drain();
        // On a loaded machine the menu may take its time over the move.
        for (int waited = 0; wnd->PaneText(0) != ResString(id) && waited < 2000; waited += 10) QTest::qWait(10);
        EXPECT_EQ(item->isEnabled(), id != ID_UNDO) << id;
        EXPECT_EQ(wnd->PaneText(0), ResString(id)) << id;
    }
    action->hide();
}

TEST_F(GameWndTest, OpeningAMenuGreysTheItemsWhoseRuleIsFalse) {
    QMenu* action = Menus(*wnd)[2];
    QMenu* file = Menus(*wnd)[0];
    struct Case {
        int ordinal;
        int useCube;
        std::vector<int> disabled;
    };
    // Pass is enabled in both, Hint in none: no dice are thrown before the
    // turn cycle runs. No game is kept to review, whatever games the tests
    // run before have kept in the folder the window reads.
    game().keptGames.clear();
    const Case cases[] = {
        {1, 1, {ID_UNDO, ID_HINT, ID_REVIEW}},
        {2, 1, {ID_FILE_SAVE, ID_DOUBLE, ID_SWITCH_SIDES, ID_HINT, ID_REVIEW}},
        {1, 0, {ID_UNDO, ID_DOUBLE, ID_HINT, ID_REVIEW}},
    };
    for (const Case& c : cases) {
        game().moveOrdinal = c.ordinal;
        game().options.useCube = c.useCube;
        emit file->aboutToShow();
        emit action->aboutToShow();
        for (QMenu* menu : {file, action})
            for (QAction* a : menu->actions()) {
                if (a->isSeparator()) continue;
                const int id = a->property("kestroCommand").toInt();
                const bool disabled = std::find(c.disabled.begin(), c.disabled.end(), id) != c.disabled.end();
                EXPECT_EQ(a->isEnabled(), !disabled) << id << " ordinal " << c.ordinal;
                if (id == ID_DOUBLE) {
                    EXPECT_EQ(wnd->CubeEnabled(), !disabled) << "the cube button follows";
                }
            }
        emit file->aboutToHide();
        emit action->aboutToHide();
        for (QAction* a : action->actions()) EXPECT_TRUE(a->isEnabled());
    }
}

TEST_F(GameWndTest, EveryAcceleratorReachesItsCommand) {
    std::vector<int> ids;
    for (const CommandInfo& c : CommandTable()) ids.push_back(c.id);
    RecordCommands(ids);
    game().options.useCube = 1;
    ShowActive();
    struct Key {
        Qt::Key key;
        char text;
        Qt::KeyboardModifiers mods;
        int command;
    };
    const Key keys[] = {
        {Qt::Key_Slash, '/', {}, ID_SHOW_PROGRESS},
        {Qt::Key_Question, '?', {}, ID_SHOW_PROGRESS},
        {Qt::Key_C, 0, Qt::ControlModifier, ID_COLORS},
        {Qt::Key_D, 0, Qt::ControlModifier, ID_DOUBLE},
        {Qt::Key_E, 0, Qt::ControlModifier, ID_SETTINGS},
        {Qt::Key_F, 0, Qt::ControlModifier, ID_FINISH_GAME},
        {Qt::Key_H, 0, Qt::ControlModifier, ID_HINT},
        {Qt::Key_M, 0, Qt::ControlModifier, ID_SUGGEST_MOVE},
        {Qt::Key_N, 0, Qt::ControlModifier, ID_FILE_NEW},
        {Qt::Key_O, 0, Qt::ControlModifier, ID_FILE_OPEN},
        {Qt::Key_R, 0, Qt::ControlModifier, ID_REDRAW},
        {Qt::Key_S, 0, Qt::ControlModifier, ID_FILE_SAVE},
        {Qt::Key_Escape, 0, {}, ID_UNDO},
        {Qt::Key_F1, 0, {}, ID_HELP},
        {Qt::Key_Space, 0, {}, ID_PASS},
        {Qt::Key_Space, 0, Qt::ControlModifier, ID_RESIGN},
        {Qt::Key_W, 0, Qt::ControlModifier, ID_SWITCH_SIDES},
        {Qt::Key_C, 0, Qt::ControlModifier | Qt::ShiftModifier, ID_EDIT_COPY},
        {Qt::Key_V, 0, Qt::ControlModifier, ID_EDIT_PASTE},
    };
    ASSERT_EQ(std::size(keys), MainAccelerators().size());
    for (const Key& k : keys) {
        ran.clear();
        game().moveOrdinal = k.command == ID_UNDO ? 2 : 1;
        // The hint needs the human's dice, which Pass must not have.
        game().position.sideToMove = SIDE_HUMAN;
        if (k.command == ID_HINT)
            SetThrownDice(game().position, 3, 1);
        else
            ClearDice(game().position);
        if (k.text)
            QTest::keyClick(wnd->centralWidget(), k.text, k.mods);
        else
            QTest::keyClick(wnd->centralWidget(), k.key, k.mods);
        Drain();
        ASSERT_FALSE(ran.empty()) << k.command;
        EXPECT_EQ(ran[0], k.command);
    }
}

TEST_F(GameWndTest, PlainLettersAndZeroReachTheKeyHandler) {
    static std::vector<int> keys;
    keys.clear();
    wnd->Handlers().keyDown = [](int vk, int, int flags) {
        if (flags) keys.push_back(vk);
    };
    ShowActive();
    std::vector<int> expected;
    for (char c = 'A'; c <= 'X'; ++c) expected.push_back(c);
    expected.push_back('0');
    for (int vk : expected) QTest::keyClick(wnd->centralWidget(), static_cast<Qt::Key>(vk));
    // Shift alone is no key for the game.
    QTest::keyClick(wnd->centralWidget(), Qt::Key_Shift);
    Drain();
    EXPECT_EQ(keys, expected);
}
}  // namespace
