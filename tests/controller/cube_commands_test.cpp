#include "controller/cube_commands.h"

#include <QRadioButton>
#include <QTextBrowser>

#include "controller/game_fixture.h"
#include "dialogs/dialog_builder.h"
#include "dialogs/resign_dialog.h"
#include "display/control_layout.h"
#include "game/game.h"
#include "resources/command_ids.h"
#include "resources/strings.h"

namespace {
using Checkers = std::initializer_list<std::pair<int, int>>;

constexpr Checkers kStart = {{1, 2}, {12, 5}, {17, 3}, {19, 5}, {24, -2}, {13, -5}, {8, -3}, {6, -5}};
// A race the computer leads by far, the human with a checker off: it doubles.
constexpr Checkers kComputerWellAhead = {{3, -15}, {7, 14}, {LOC_HUMAN_OFF, 1}};
// The same lead with nothing off: the computer plays on for a gammon.
constexpr Checkers kGammonRace = {{3, -15}, {7, 15}};
// A race the computer has lost: it refuses doubles and offers to give up.
constexpr Checkers kComputerFarBehind = {{20, -15}, {22, 15}};
// Contact, but no human checker back in the computer's home board.
constexpr Checkers kNoneBack = {{12, 15}, {13, -15}};

class CubeCommandsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        session().game.options.useCube = 1;
    }

    // The cube as a game left it, then the position with the human to move.
    void SetupCube(Checkers checkers, int value, int owner) {
        session().game.position.cubeValue = value;
        session().game.position.cubeOwner = owner;
        session().game.winner = SIDE_NONE;
        session().game.computerMayDouble = session().game.computerMayResign = 1;
        Setup(checkers, {3, 1});
        ShowCube(session());
    }

    // The computer's turn, its throw scripted.
    void ComputerTurn() {
        Script().assign({{2, 1}, {5, 3}});
        wnd->RunCommand(ID_COMPUTER_TURN);
        Drain();
    }

    int Score(int side) const { return session().game.runScore[side]; }
};

TEST_F(CubeCommandsTest, TheHumansAnswersToTheComputersDouble) {
    const struct {
        const char* name;
        int reply;
        int computerScores;
        int value, owner;
    } cases[] = {
        {"Yes takes the cube at twice the stake", IDYES, 0, 4, SIDE_HUMAN},
        {"No gives the computer the stake before the double", IDNO, 2, 1, SIDE_NONE},
        {"Cancel plays on with the cube unchanged", IDCANCEL, 0, 2, SIDE_COMPUTER},
    };
    for (const auto& c : cases) {
        SetupCube(kComputerWellAhead, 2, SIDE_COMPUTER);
        const int before = Score(SIDE_COMPUTER);
        std::string standing;
        SetMessageBoxHook([&](const std::string& text, int buttons, int icon) {
            questions.push_back({text, buttons, icon});
            standing = wnd->PaneText(2);
            return c.reply;
        });
        ComputerTurn();
        ASSERT_FALSE(questions.empty()) << c.name;
        EXPECT_EQ(questions[0].text, ResString(IDS_COMPUTER_DOUBLES)) << c.name;
        EXPECT_EQ(questions[0].buttons, MB_YESNOCANCEL) << c.name;
        EXPECT_EQ(standing, "= Computer leads by 27 =") << c.name;
        EXPECT_EQ(wnd->PaneText(2), "") << c.name;
        EXPECT_EQ(Score(SIDE_COMPUTER) - before, c.computerScores) << c.name;
        EXPECT_EQ(session().game.position.cubeValue, c.value) << c.name;
        EXPECT_EQ(session().game.position.cubeOwner, c.owner) << c.name;
        if (c.reply != IDNO) {
            EXPECT_EQ(wnd->CubeText(), std::to_string(c.value)) << c.name;
            EXPECT_EQ(wnd->CubePlace(), CubeRect(wnd->Geometry(), c.owner)) << c.name;
            EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN) << c.name << ": the computer has moved";
        }
        questions.clear();
    }
}

TEST_F(CubeCommandsTest, F1InTheComputersDoubleOpensTheDoublingPage) {
    ShowActive();
    SetupCube(kComputerWellAhead, 1, SIDE_NONE);
    std::string text, page;
    const int boxes = WithRealBoxes([this] { ComputerTurn(); },
                                    [&](QMessageBox& box) {
                                        text = box.text().toStdString();
                                        QTest::keyClick(&box, Qt::Key_F1);
                                        if (HelpWindow()) page = HelpWindow()->source().fileName().toStdString();
                                    });
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(text, ResString(IDS_COMPUTER_DOUBLES));
    EXPECT_EQ(page, "doubling.html");
}

TEST_F(CubeCommandsTest, CancelStopsTheComputersDoublesForTheRestOfTheGame) {
    SetupCube(kComputerWellAhead, 1, SIDE_NONE);
    answer = IDCANCEL;
    ComputerTurn();
    ASSERT_EQ(questions.size(), 1u);
    Setup(kComputerWellAhead, {3, 1});
    ComputerTurn();
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(session().game.position.cubeValue, 1);
}

TEST_F(CubeCommandsTest, TheComputerOffersToGiveUpALostRace) {
    for (int reply : {IDYES, IDNO}) {
        SetupCube(kComputerFarBehind, 4, SIDE_HUMAN);
        const int before = Score(SIDE_HUMAN);
        answer = reply;
        ComputerTurn();
        ASSERT_EQ(questions.size(), 1u) << reply;
        EXPECT_EQ(questions[0].text, ResString(IDS_COMPUTER_RESIGNS));
        EXPECT_EQ(questions[0].buttons, MB_YESNO);
        EXPECT_EQ(Score(SIDE_HUMAN) - before, reply == IDYES ? 4 : 0);
        if (reply == IDNO) {
            Setup(kComputerFarBehind, {3, 1});
            ComputerTurn();
            EXPECT_EQ(questions.size(), 1u) << "no second offer in the game";
        }
        questions.clear();
    }
}

TEST_F(CubeCommandsTest, TheHumansDouble) {
    const struct {
        const char* name;
        Checkers position;
        int reply;
        int humanScores;
        int value, owner;
    } cases[] = {
        {"taken", kStart, IDOK, 0, 4, SIDE_COMPUTER},
        {"refused, the game ends at the stake", kComputerFarBehind, IDOK, 2, 1, SIDE_NONE},
        {"refused, the human plays on", kComputerFarBehind, IDCANCEL, 0, 2, SIDE_HUMAN},
    };
    for (const auto& c : cases) {
        SetupCube(c.position, 2, SIDE_HUMAN);
        const int before = Score(SIDE_HUMAN);
        answer = c.reply;
        wnd->RunCommand(ID_DOUBLE);
        Drain();
        EXPECT_EQ(questions.empty(), c.value == 4) << c.name;
        if (!questions.empty()) {
            EXPECT_EQ(questions[0].buttons, MB_OKCANCEL) << c.name;
        }
        EXPECT_EQ(Score(SIDE_HUMAN) - before, c.humanScores) << c.name;
        EXPECT_EQ(session().game.position.cubeValue, c.value) << c.name;
        EXPECT_EQ(session().game.position.cubeOwner, c.owner) << c.name;
        if (c.value == 4) {
            EXPECT_EQ(wnd->CubeText(), "4");
            EXPECT_EQ(wnd->CubePlace(), CubeRect(wnd->Geometry(), SIDE_COMPUTER));
            EXPECT_FALSE(wnd->CubeEnabled());
        }
        questions.clear();
    }
}

TEST_F(CubeCommandsTest, TheDoubleCommandAndTheCubeButtonFollowTheEnableRule) {
    const struct {
        const char* name;
        int useCube, value, owner;
        bool enabled;
    } cases[] = {
        {"cube in the middle", 1, 1, SIDE_NONE, true},
        {"held by the human", 1, 8, SIDE_HUMAN, true},
        {"held by the computer", 1, 8, SIDE_COMPUTER, false},
        {"at 64", 1, 64, SIDE_HUMAN, false},
        {"cube off", 0, 1, SIDE_NONE, false},
    };
    for (const auto& c : cases) {
        session().game.options.useCube = c.useCube;
        SetupCube(kStart, c.value, c.owner);
        EXPECT_EQ(wnd->CubeEnabled(), c.enabled) << c.name;
        wnd->RunCommand(ID_DOUBLE);
        EXPECT_EQ(session().game.position.cubeValue, c.enabled ? 2 * c.value : c.value) << c.name;
    }
    session().game.options.useCube = 1;
    SetupCube(kStart, 1, SIDE_NONE);
    Click(17);
    Click(20);
    EXPECT_FALSE(wnd->CubeEnabled()) << "after a move";
    wnd->RunCommand(ID_DOUBLE);
    EXPECT_EQ(session().game.position.cubeValue, 1);
}

TEST_F(CubeCommandsTest, ResigningMultipliesTheStakeOrIsRefused) {
    const struct {
        const char* name;
        Checkers position;
        int kind;
        int computerScores;
    } cases[] = {
        {"backgammon triples", kStart, IDC_RESIGN_BACKGAMMON, 6},
        {"gammon doubles", kNoneBack, IDC_RESIGN_GAMMON, 4},
        {"gammon refused with a checker back", kStart, IDC_RESIGN_GAMMON, 0},
        {"normal", kComputerFarBehind, IDC_RESIGN_NORMAL, 2},
        {"normal refused far ahead with nothing off", kGammonRace, IDC_RESIGN_NORMAL, 0},
        {"cancelled", kStart, QDialog::Rejected, 0},
    };
    for (const auto& c : cases) {
        SetupCube(c.position, 2, SIDE_HUMAN);
        const int before = Score(SIDE_COMPUTER);
        SetModalHook([&](QDialog& dialog) {
            // The statistics window at the game's end plays on.
            if (!qobject_cast<ResignDialog*>(&dialog)) return int{QDialog::Accepted};
            if (c.kind == QDialog::Rejected) return int{QDialog::Rejected};
            EXPECT_TRUE(DialogItemAs<QRadioButton>(dialog, IDC_RESIGN_NORMAL)->isChecked());
            DialogItemAs<QRadioButton>(dialog, c.kind)->setChecked(true);
            dialog.accept();
            return dialog.result();
        });
        wnd->RunCommand(ID_RESIGN);
        Drain();
        EXPECT_EQ(Score(SIDE_COMPUTER) - before, c.computerScores) << c.name;
        const bool refused = c.computerScores == 0 && c.kind != QDialog::Rejected;
        EXPECT_EQ(questions.size(), refused ? 1u : 0u) << c.name;
        if (refused) {
            EXPECT_EQ(questions[0].buttons, MB_OK) << c.name;
        }
        questions.clear();
    }
}
}  // namespace
