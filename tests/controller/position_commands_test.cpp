#include "controller/position_commands.h"

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "controller/clocks.h"
#include "controller/enable_rules.h"
#include "controller/game_flow_fixture.h"
#include "game/game.h"
#include "platform/file_dialog.h"
#include "resources/command_ids.h"
#include "resources/stored_texts.h"
#include "temp_dir.h"

namespace {
class PositionCommandsTest : public GameFlowTest {
protected:
    void SetUp() override {
        GameFlowTest::SetUp();
        wnd->fileDialog = ([this](const FileDialogSpec& spec) {
            asked.push_back(spec.kind);
            EXPECT_EQ(spec.defaultExtension, "pos");
            return chosen;
        });
    }
    void TearDown() override { GameFlowTest::TearDown(); }
    void Run(int id, std::optional<std::string> file) {
        chosen = std::move(file);
        wnd->RunCommand(id);
        Drain();
    }
    void SetCounters(int base) {
        int32_t* counters[] = {&session().game.counters.thinkTime[SIDE_COMPUTER],
                               &session().game.counters.diceTotal[1],
                               &session().game.counters.diceTotal[2],
                               &session().game.counters.doublesThrown[1],
                               &session().game.counters.doublesThrown[2],
                               &session().game.counters.hitsMade[1],
                               &session().game.counters.hitsMade[2]};
        for (int32_t* c : counters) *c = base++;
    }
    std::optional<std::string> chosen;
    std::vector<FileDialogKind> asked;
};

// The warning for a file that could not be saved or opened.
std::string Says(const char* action, const char* file, int error) {
    const char* reason = error == NOT_A_REGULAR_FILE ? "Not a regular file" : std::strerror(error);
    return std::string("Could not ") + action + " '" + file + "': " + reason + ".";
}

const std::initializer_list<std::pair<int, int>> kBoard = {{1, 2},   {12, 5},  {17, 3}, {19, 5},
                                                           {24, -2}, {13, -5}, {8, -3}, {6, -5}};
}  // namespace

TEST_F(PositionCommandsTest, OpenRestoresTheSavedGameButNotTheScores) {
    Setup(kBoard, {6, 4});
    session().game.position.cubeValue = 1;
    session().game.position.cubeOwner = SIDE_NONE;
    SetCounters(100);
    Run(ID_FILE_SAVE, "game.pos");
    Run(ID_FILE_SAVE, std::nullopt);

    Setup({{1, 15}, {24, -15}}, {2, 1});
    SetCounters(500);
    session().game.position.cubeValue = 8;
    session().game.position.cubeOwner = SIDE_COMPUTER;
    wnd->SetCubeText("8");
    session().game.options.diceAsIcons = 1;
    session().game.runScore[SIDE_HUMAN] = 7;
    session().game.totalScore[SIDE_HUMAN] = 11;
    Run(ID_FILE_OPEN, "game.pos");

    EXPECT_EQ(asked, (std::vector{FileDialogKind::Save, FileDialogKind::Save, FileDialogKind::Open}));
    EXPECT_EQ(Count(12), 5);
    EXPECT_EQ(Count(24), -2);
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_HUMAN], 102);
    EXPECT_EQ(session().game.counters.hitsMade[SIDE_COMPUTER], 105);
    EXPECT_EQ(session().game.counters.thinkTime[SIDE_COMPUTER], 100);
    EXPECT_EQ(session().game.runScore[SIDE_HUMAN], 7);
    EXPECT_EQ(session().game.totalScore[SIDE_HUMAN], 11);
    EXPECT_EQ(wnd->CubeText(), "64");
    EXPECT_EQ(wnd->caption, ProgramTitle() + " - game.pos");
    EXPECT_EQ(wnd->ListLine(wnd->ListCount() - 2), "Dice: 6+4");
    EXPECT_TRUE(wnd->DieWindowShown(DIE_GROUP_HUMAN, 1));
    EXPECT_TRUE(questions.empty());
}

TEST_F(PositionCommandsTest, AFileOpenedInTheEndOfTurnWaitKeepsItsTurnForTheHuman) {
    Setup(kBoard, {6, 4});
    Run(ID_FILE_SAVE, "game.pos");
    session().game.options.autoChangeTurn = 0;
    Setup(kBoard, {3, 1});
    Script().assign({{2, 5}});
    Click(17);
    Click(20);
    chosen = "game.pos";
    wnd->waitAnswers.push_back({WaitResult::COMMAND, ID_FILE_OPEN});
    Click(19);  // the last die, then the wait
    Drain();
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    EXPECT_EQ(session().game.position.diceLeft, 2);
    EXPECT_EQ(session().game.position.dice[0], 6);
    EXPECT_EQ(session().game.position.dice[1], 4);
    EXPECT_EQ(Count(17), 3) << "the loaded board";
}

TEST_F(PositionCommandsTest, AFileThatIsNotAPositionFileChangesNothing) {
    std::ofstream("notes.pos") << "[options]\nspeed=100\n";
    Setup(kBoard, {6, 4});
    const std::vector<std::string> lines = Lines();
    Run(ID_FILE_OPEN, "notes.pos");
    Run(ID_FILE_OPEN, "missing.pos");
    Run(ID_FILE_OPEN, std::nullopt);
    // A file that is not there cannot be read: the user is told (the tests
    // below show how).
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].text, "Invalid position file !");
    EXPECT_EQ(questions[0].icon, MB_ICONEXCLAMATION);
    EXPECT_EQ(Count(12), 5);
    EXPECT_EQ(Lines(), lines);
}

TEST_F(PositionCommandsTest, SaveWaitsUntilTheTurnsMovesAreTakenBack) {
    Setup(kBoard, {3, 5});
    Click(1);
    Click(4);
    ASSERT_EQ(Count(4), 1);
    Run(ID_FILE_SAVE, "moved.pos");
    EXPECT_TRUE(asked.empty());
    Run(ID_UNDO, std::nullopt);
    Run(ID_FILE_SAVE, "undone.pos");
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(PositionCommandsTest, OnlyAWrittenFileStopsTheHumansClock) {
    const struct {
        const char* file;
        bool written, clockRuns;
    } cases[] = {
        {"kept.pos", true, false},
        {"no-such-folder/lost.pos", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        session().game.counters.thinkTime[SIDE_HUMAN] = 0;
        clock.Sleep(1000);
        Setup(kBoard, {6, 4});
        clock.Sleep(300);
        Run(ID_FILE_SAVE, c.file);
        EXPECT_EQ(std::ifstream(c.file).good(), c.written);
        EXPECT_EQ(session().game.counters.thinkTime[SIDE_HUMAN] < 0, c.clockRuns);
        StopClock(session(), SIDE_HUMAN);
        EXPECT_EQ(session().game.counters.thinkTime[SIDE_HUMAN], 300);
    }
}

// Save or Open of a file that cannot be written or read: a warning names the
// file and the system's reason, and the game goes on as it was, the human's
// clock included.
class FileFailureTest : public PositionCommandsTest {
protected:
    void Check(const char* name, int command, const std::string& path, int error) {
        SCOPED_TRACE(name);
        questions.clear();
        session().game.counters.thinkTime[SIDE_HUMAN] = 0;
        clock.Sleep(1000);  // a clock started at tick 0 would look stopped
        Setup(kBoard, {6, 4});
        const std::vector<std::string> lines = Lines();
        Run(command, path);
        ASSERT_EQ(questions.size(), 1u);
        const std::string file = std::filesystem::path(path).filename().string();
        EXPECT_EQ(questions[0].text, Says(command == ID_FILE_SAVE ? "save" : "open", file.c_str(), error));
        EXPECT_EQ(questions[0].buttons, MB_OK);
        EXPECT_EQ(questions[0].icon, MB_ICONEXCLAMATION);
        EXPECT_EQ(Lines(), lines);
        EXPECT_EQ(Count(12), 5);
        EXPECT_LT(session().game.counters.thinkTime[SIDE_HUMAN], 0) << "the human's clock runs";
    }
    TempDir dir{"pos-failures"};
};

TEST_F(FileFailureTest, ASaveOrOpenThatFailsSaysWhy) {
    const std::string gone = dir.File("gone/game.pos");
    const std::string here = dir.File("game.pos");
    const struct {
        const char* name;
        int command;
        std::string path;
        int error;
        std::function<void()> prepare;
    } cases[] = {
        {"save into a folder that is gone", ID_FILE_SAVE, gone, ENOENT, {}},
        {"save to a full disk", ID_FILE_SAVE, here, EFBIG, {}},
        {"open a file that is gone", ID_FILE_OPEN, gone, ENOENT, {}},
        {"open a folder", ID_FILE_OPEN, here, EISDIR, [&] { std::filesystem::create_directory(here); }},
        {"open a FIFO", ID_FILE_OPEN, here, NOT_A_REGULAR_FILE, [&] { ::mkfifo(here.c_str(), 0600); }},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(here);
        if (c.prepare) c.prepare();
        std::optional<FileSizeLimit> fullDisk;
        if (c.error == EFBIG) fullDisk.emplace(100);
        Check(c.name, c.command, c.path, c.error);
    }
    EXPECT_FALSE(std::filesystem::exists(gone));
}

TEST_F(FileFailureTest, AFolderOrFileWithoutPermissionSaysSo) {
    const std::string unreadable = dir.File("private.pos");
    std::ofstream(unreadable) << "x";
    std::filesystem::permissions(unreadable, std::filesystem::perms::none);
    TempDir readOnly{"pos-read-only"};
    readOnly.MakeReadOnly();
    OrdinaryUser user;
    if (OrdinaryUser::CanWriteIn(readOnly.File(""))) GTEST_SKIP() << "these rights ignore file permissions";
    Check("save into a read-only folder", ID_FILE_SAVE, readOnly.File("game.pos"), EACCES);
    Check("open a file without read permission", ID_FILE_OPEN, unreadable, EACCES);
}
