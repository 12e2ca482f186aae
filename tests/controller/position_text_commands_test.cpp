#include "controller/position_text_commands.h"

#include <fstream>
#include <sstream>

#include "controller/game_flow_fixture.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "platform/file_dialog.h"
#include "resources/command_ids.h"
#include "temp_dir.h"

namespace {
const std::string kStartXgid = "XGID=-b----E-C---eE---c-e----B-:0:0:1:31:0:0:0:0:10";
const std::string kStartIds = "4HPwATDgc/ABMA:cIkFAAAAAAAE";

class PositionTextCommandsTest : public GameFlowTest {
protected:
    // The board, dice, cube, side and message list, to see that nothing changed.
    std::string State() {
        std::ostringstream s;
        for (int loc = 0; loc < NUM_LOCATIONS; ++loc) s << Count(loc) << " ";
        s << "| " << int(session().game.position.dice[0]) << int(session().game.position.dice[1])
          << session().game.position.diceLeft << " " << session().game.position.cubeValue
          << session().game.position.cubeOwner << session().game.position.sideToMove;
        for (const std::string& line : Lines()) s << "\n" << line;
        return s.str();
    }
};
}  // namespace

TEST_F(PositionTextCommandsTest, CopyGivesTheTurnsStartAndPasteSetsItUpAgain) {
    Start(SIDE_HUMAN, {{3, 1}});
    Click(17);
    Click(20);  // 8/5 played, the 1 still to play
    wnd->RunCommand(ID_EDIT_COPY);
    Drain();
    EXPECT_EQ(wnd->clipboard, kStartXgid + "\n" + kStartIds + "\n");

    Start(SIDE_HUMAN, {{6, 5}});
    Click(1);
    wnd->SetClipboardText("From the forum:\n" + kStartIds);
    wnd->RunCommand(ID_EDIT_PASTE);
    Drain();
    EXPECT_EQ(Count(1), 2);
    EXPECT_EQ(Count(17), 3);
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    EXPECT_EQ(session().game.position.diceLeft, 2);
    EXPECT_EQ(session().game.position.dice[0] * 10 + session().game.position.dice[1], 31);
    EXPECT_EQ(session().game.moveOrdinal, 1);
    EXPECT_EQ(wnd->CubeText(), "64");
    EXPECT_FALSE(session().game.record.Games().back().fromStart) << "a game set up from a text is never exported";
    wnd->RunCommand(ID_EDIT_COPY);
    Drain();
    EXPECT_EQ(wnd->clipboard, kStartXgid + "\n" + kStartIds + "\n");
    EXPECT_TRUE(questions.empty());
}

TEST_F(PositionTextCommandsTest, WithoutDiceTheSideOnRollThrowsFirst) {
    Start(SIDE_HUMAN, {{6, 5}});
    Script().assign({{4, 2}});
    wnd->SetClipboardText("XGID=-b----E-C---eE---c-e----B-:1:1:1:00:0:0:0:0:10");
    wnd->RunCommand(ID_EDIT_PASTE);
    Drain();
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    EXPECT_EQ(session().game.position.dice[0] * 10 + session().game.position.dice[1], 42);
    EXPECT_EQ(session().game.position.cubeValue, 2);
    EXPECT_EQ(session().game.position.cubeOwner, SIDE_HUMAN);
    EXPECT_EQ(LastLine().substr(0, 3), "1st");
}

TEST_F(PositionTextCommandsTest, TheComputerPlaysThePastedDiceThenTheHumanThrows) {
    Start(SIDE_HUMAN, {{6, 5}});
    Script().assign({{5, 5}});
    wnd->SetClipboardText("XGID=-b----E-C---eE---c-e----B-:0:0:-1:21:0:0:0:0:10");
    wnd->RunCommand(ID_EDIT_PASTE);
    Drain();
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    EXPECT_EQ(session().game.position.diceLeft, 4);
    // The computer moved two checkers with its 2-1.
    int computerPips = 0;
    for (int loc = 1; loc <= 25; ++loc)
        if (Count(loc) < 0) computerPips -= Count(loc) * loc;
    EXPECT_EQ(computerPips, 167 - 3);
}

TEST_F(PositionTextCommandsTest, ARefusedTextLeavesTheGameAsItWasAndSaysWhy) {
    Start(SIDE_HUMAN, {{6, 5}});
    Click(1);
    const std::string before = State();
    const std::pair<std::string, std::string> cases[] = {
        {"no position here", "no line holds an XGID or a position ID"},
        {"XGID=-b----E-C---eE---c-e----O-:0:0:1:31:0:0:0:0:10", "a side has more than 15 checkers"},
        {"XGID=-b----E-C---eE---c-e----B-:7:1:1:31:0:0:0:0:10", "the cube is above 64"},
        {"XGID=-b----E-C---eE---c-e----B-:0:0:1:31:0:0:0:8:10", "cannot be played"},
        {"4HPwATDgc/ABMA:cIkF", "the text cannot be read"},
        {"XGID=-b----E-C---eE---c-e----B-:1:-1:-1:D:0:0:3:0:10", "a double is waiting for an answer"},
    };
    for (const auto& [text, reason] : cases) {
        questions.clear();
        wnd->SetClipboardText(text);
        wnd->RunCommand(ID_EDIT_PASTE);
        Drain();
        ASSERT_EQ(questions.size(), 1u) << text;
        EXPECT_NE(questions[0].text.find(reason), std::string::npos) << questions[0].text;
        EXPECT_EQ(State(), before) << text;
    }
}

TEST_F(PositionTextCommandsTest, ExportWritesTheFinishedGamesAndCountsTheOthers) {
    TempDir dir("export");
    std::optional<std::string> chosen = dir.File("games.mat");
    FileDialogSpec asked{};
    wnd->fileDialog = ([&](const FileDialogSpec& spec) {
        asked = spec;
        return chosen;
    });
    session().game.record.Clear();
    session().game.record.NewGame(true);
    session().game.record.Throw(SIDE_HUMAN, 2, 1);
    session().game.record.DoublePlayedOn(SIDE_COMPUTER);
    session().game.record.Resign(SIDE_HUMAN, WinKind::Normal);
    session().game.record.Win(SIDE_COMPUTER, 1);
    session().game.record.NewGame(true);
    wnd->RunCommand(ID_FILE_EXPORT);
    Drain();
    EXPECT_EQ(asked.defaultExtension, "mat");
    EXPECT_TRUE(asked.proposedName.starts_with("kestro-20") && asked.proposedName.ends_with(".mat"));
    std::ifstream file(*chosen);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find(" Game 1\n"), std::string::npos);
    EXPECT_EQ(text.find(" Game 2"), std::string::npos);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text.substr(0, questions[0].text.find("\n")), "Games saved in 'games.mat': 1.");
    EXPECT_NE(questions[0].text.find("Games left out: 1."), std::string::npos);
    EXPECT_NE(questions[0].text.find("Doubles left out: 1."), std::string::npos);

    questions.clear();
    chosen = dir.File("gone/games.mat");
    wnd->RunCommand(ID_FILE_EXPORT);
    Drain();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, "Could not save 'games.mat': No such file or directory.");
}
