#include "dialogs/statistics_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <functional>

#include "controller/end_game.h"
#include "dialogs/dialog_builder.h"
#include "game/game.h"
#include "resources/command_ids.h"
#include "rules/game_stats.h"
#include "shell/game_wnd_fixture.h"

namespace {
class StatisticsDialogTest : public GameWndTest {
protected:
    // Ends a game won by the human with `user` acting in the statistics window.
    void EndWith(const std::function<void(QDialog&)>& user) {
        SetModalHook([&](QDialog& dialog) {
            dialog.show();
            user(dialog);
            shown.push_back({DialogItemAs<QPushButton>(dialog, 3)->text().toStdString(), dialog.height()});
            return dialog.result();
        });
        EndGame(session(), SIDE_HUMAN, 0);
        Drain();
    }
    struct Shown {
        std::string more;
        int height;
    };
    std::vector<Shown> shown;
};

void Press(QDialog& dialog, int id) { DialogItemAs<QPushButton>(dialog, id)->click(); }
}  // namespace

TEST_F(StatisticsDialogTest, TheGraphPartStaysAsTheUserLeftItForTheNextGame) {
    RecordCommands({ID_APP_EXIT});
    EndWith([](QDialog& d) { Press(d, IDOK); });
    EndWith([](QDialog& d) {
        Press(d, 3);
        Press(d, IDOK);
    });
    EndWith([](QDialog& d) { Press(d, IDOK); });
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].more, "&More >>");
    EXPECT_EQ(shown[1].more, "<< &More");
    EXPECT_EQ(shown[2].more, "<< &More");
    EXPECT_LT(shown[0].height, shown[2].height);
    EXPECT_TRUE(ran.empty()) << "Again plays on";
    EXPECT_EQ(game().winner, SIDE_NONE) << "the next game has begun";
}

TEST_F(StatisticsDialogTest, QuitEscapeAndTheCloseBoxEndTheProgram) {
    const std::function<void(QDialog&)> ways[] = {
        [](QDialog& d) { Press(d, IDCANCEL); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](QDialog& d) { d.close(); },
    };
    for (const auto& way : ways) {
        RecordCommands({ID_APP_EXIT});
        ran.clear();
        EndWith(way);
        EXPECT_EQ(ran, std::vector<int>{ID_APP_EXIT});
    }
}

TEST_F(StatisticsDialogTest, ShowsTheGamesCountersAndThinkingTimes) {
    game().counters = {};
    game().counters.diceTotal[SIDE_HUMAN] = 87;
    game().counters.hitsMade[SIDE_COMPUTER] = 3;
    game().counters.thinkTime[SIDE_HUMAN] = 125300;
    game().counters.thinkTime[SIDE_COMPUTER] = 999;
    std::map<int, std::string> texts;
    EndWith([&](QDialog& d) {
        for (int id : {202, 209, 217, 220, 1118}) texts[id] = DialogItemAs<QLabel>(d, id)->text().toStdString();
        Press(d, IDOK);
    });
    EXPECT_EQ(texts[202], "87");
    EXPECT_EQ(texts[209], "3");
    EXPECT_EQ(texts[217], "2 min 05 sec");
    EXPECT_EQ(texts[220], "0 min 00 sec");
    EXPECT_EQ(texts[1118], "50");
}

TEST_F(StatisticsDialogTest, OpensAtItsTemplatePlaceInTheMainWindowsClientArea) {
    wnd->show();
    QPoint offset, units;
    EndWith([&](QDialog& d) {
        offset = d.pos() - wnd->centralWidget()->mapToGlobal(QPoint(0, 0));
        const Rect r = DialogUnitsToPixels(BaseUnitsOf(d.font()), 50, 57, 0, 0);
        units = QPoint(r.left, r.top);
        Press(d, IDOK);
    });
    EXPECT_EQ(offset, units);
}

TEST_F(StatisticsDialogTest, EnterPressesTheFocusedButtonOrAgainWithTheFocusElsewhere) {
    const struct {
        const char* how;
        int focused;  // 0: no control has the focus
        bool closes, quits;
        const char* more;  // the More button's text when Enter has been pressed
    } cases[] = {
        {"on Again, where the window puts the focus", IDOK, true, false, "&More >>"},
        {"on Quit", IDCANCEL, true, true, "&More >>"},
        {"on More", 3, false, false, "<< &More"},
        {"with no control focused", 0, true, false, "&More >>"},
    };
    for (const auto& c : cases) {
        RecordCommands({ID_APP_EXIT});
        ran.clear();
        bool drawnDefault = false, closed = false;
        std::string more;
        EndWith([&](QDialog& d) {
            ASSERT_TRUE(Activate(&d)) << c.how;
            EXPECT_EQ(d.focusWidget(), DialogItem(d, IDOK)) << c.how;
            if (c.focused)
                DialogItem(d, c.focused)->setFocus();
            else
                d.focusWidget()->clearFocus();
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &d, Qt::Key_Return);
            closed = !d.isVisible();
            more = DialogItemAs<QPushButton>(d, 3)->text().toStdString();
            for (auto* button : d.findChildren<QPushButton*>()) drawnDefault |= button->isDefault();
            // More leaves the window as it found it for the next case.
            if (c.focused == 3) Press(d, 3);
            if (d.isVisible()) Press(d, IDOK);
        });
        EXPECT_EQ(closed, c.closes) << c.how;
        EXPECT_EQ(more, c.more) << c.how;
        EXPECT_EQ(ran.empty(), !c.quits) << c.how;
        EXPECT_FALSE(drawnDefault) << c.how;
    }
}
