#include "controller/narration.h"

#include "controller/clocks.h"
#include "controller/dice_display.h"
#include "controller/game_flow_fixture.h"
#include "game/game.h"

namespace {
using NarrationTest = GameFlowTest;

TEST_F(NarrationTest, TheListDropsItsOldestLineAndNeverOverflows) {
    const int page = wnd->ListPageSize();
    for (int i = 0; i < page + 3; ++i) AddListLine(session(), "line " + std::to_string(i));
    EXPECT_EQ(wnd->ListCount(), page);
    EXPECT_EQ(wnd->ListLine(0), "line 3");
    AppendToLastLine(session(), std::string(80, 'x'));
    EXPECT_EQ(wnd->ListLine(page - 1).size(), 63u);
    EXPECT_EQ(wnd->ListCount(), page);
    DeleteLastLine(session());
    EXPECT_EQ(wnd->ListCount(), page - 1);
}

TEST_F(NarrationTest, DiceLineAndItsBooking) {
    struct Case {
        std::vector<int> dice;
        int book;
        std::string line;
        int total, doubles;
    };
    const Case cases[] = {{{3, 5}, 1, "Dice: 3+5", 8, 0},
                          {{4, 4, 4, 4}, 1, "Dice: 4+4+4+4", 16, 1},
                          {{4, 4, 4, 4}, 0, "Dice: 4+4+4+4", 0, 0},
                          {{6}, 1, "Dice: 6", 6, 0}};
    for (const Case& c : cases) {
        session().game.counters = {};
        session().game.position.sideToMove = SIDE_COMPUTER;
        session().game.position.diceLeft = static_cast<int>(c.dice.size());
        for (int k = 0; k <= MAX_DICE; ++k)
            session().game.position.dice[k] =
                k < session().game.position.diceLeft ? static_cast<uint8_t>(c.dice[k]) : DICE_END;
        EXPECT_EQ(FormatDice(session(), c.book), c.line);
        EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], c.total) << c.line;
        EXPECT_EQ(session().game.counters.doublesThrown[SIDE_COMPUTER], c.doubles) << c.line;
        EXPECT_EQ(session().game.counters.diceTotal[SIDE_HUMAN], 0);
    }
}

TEST_F(NarrationTest, ClocksCountOnlyWhileRunning) {
    session().game.counters = {};
    clock.Sleep(1000);
    StartClock(session(), SIDE_HUMAN);
    clock.Sleep(700);
    StartClock(session(), SIDE_HUMAN);  // already running: no change
    clock.Sleep(800);
    StopClock(session(), SIDE_HUMAN);
    StopClock(session(), SIDE_HUMAN);  // already stopped: no change
    clock.Sleep(5000);
    EXPECT_EQ(session().game.counters.thinkTime[SIDE_HUMAN], 1500);
    EXPECT_EQ(session().game.counters.thinkTime[SIDE_COMPUTER], 0);
}

TEST_F(NarrationTest, TheSystemClockRunsOnTheLongestTimeAFileMayHold) {
    SetClock(nullptr);
    session().game.counters = {};
    session().game.counters.thinkTime[SIDE_HUMAN] = 999'999'999;
    StartClock(session(), SIDE_HUMAN);
    EXPECT_LT(session().game.counters.thinkTime[SIDE_HUMAN], 0) << "running";
    Sleep(2);
    StopClock(session(), SIDE_HUMAN);
    SetClock(&clock);
    EXPECT_GE(session().game.counters.thinkTime[SIDE_HUMAN], 1'000'000'001);
}

TEST_F(NarrationTest, DieWindowsOfTheSideToMoveAndTheOpeningLayout) {
    struct Case {
        int side, opening, starterFixed, icons;
        std::vector<std::pair<DieGroup, int>> shown;
    };
    const Case cases[] = {
        {SIDE_HUMAN, 0, 0, 1, {{DIE_GROUP_HUMAN, 0}, {DIE_GROUP_HUMAN, 1}}},
        {SIDE_COMPUTER, 0, 0, 1, {{DIE_GROUP_COMPUTER, 0}, {DIE_GROUP_COMPUTER, 1}}},
        {SIDE_HUMAN, 1, 0, 1, {{DIE_GROUP_COMPUTER, 0}, {DIE_GROUP_HUMAN, 1}}},
        {SIDE_COMPUTER, 1, 0, 1, {{DIE_GROUP_COMPUTER, 0}, {DIE_GROUP_HUMAN, 1}}},
        {SIDE_HUMAN, 1, 1, 1, {{DIE_GROUP_HUMAN, 0}, {DIE_GROUP_HUMAN, 1}}},
        {SIDE_HUMAN, 0, 0, 0, {}},
    };
    const int savedIcons = session().game.options.diceAsIcons, savedFixed = session().game.firstStarterFixed;
    for (const Case& c : cases) {
        session().game.position.sideToMove = c.side;
        session().game.openingThrow = c.opening;
        session().game.firstStarterFixed = c.starterFixed;
        session().game.options.diceAsIcons = c.icons;
        session().game.position.dice[0] = 2, session().game.position.dice[1] = 5,
        session().game.position.dice[2] = DICE_END, session().game.position.diceLeft = 2;
        HideDice(session());
        ShowDice(session());
        std::vector<std::pair<DieGroup, int>> shown;
        for (DieGroup g : {DIE_GROUP_COMPUTER, DIE_GROUP_HUMAN})
            for (int k = 0; k < DIE_WINDOWS_PER_GROUP; ++k)
                if (wnd->DieWindowShown(g, k)) shown.emplace_back(g, k);
        EXPECT_EQ(shown, c.shown) << c.side << c.opening << c.starterFixed << c.icons;
    }
    session().game.options.diceAsIcons = savedIcons;
    session().game.firstStarterFixed = savedFixed;
}
}  // namespace
