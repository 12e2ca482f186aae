#include "computer/cube_exchange.h"

#include "cube_fixture.h"

using CubeExchangeTest = CubeTest;

TEST_F(CubeExchangeTest, HumanDoubleTakenOrRefused) {
    const struct {
        const char* name;
        Lead pos;
        bool taken;
        int value, owner;
    } cases[] = {
        {"taken", {-4, true}, true, 4, SIDE_COMPUTER},
        {"refused", {-5, true}, false, 2, SIDE_NONE},
    };
    for (const auto& c : cases) {
        FreshGame();
        g_cubeValue = 2;
        g_sideToMove = SIDE_HUMAN;
        PlaceLead(c.pos);
        EXPECT_EQ(HumanDoubles(), c.taken) << c.name;
        EXPECT_EQ(g_cubeValue, c.value) << c.name;
        EXPECT_EQ(g_cubeOwner, c.owner) << c.name;
        EXPECT_EQ(g_winner, 0) << c.name;
    }
}

TEST_F(CubeExchangeTest, ComputerOffers) {
    const struct {
        const char* name;
        Lead pos;
        int useCube;
        CubeOffer offer;
    } cases[] = {
        {"well ahead in a race", {8, false, 1, 0}, 1, CubeOffer::Double},
        {"well ahead, cube off", {8, false, 1, 0}, 0, CubeOffer::None},
        {"lost race", {-6, false}, 1, CubeOffer::Resign},
        {"lost race, cube off", {-6, false}, 0, CubeOffer::Resign},
        {"level", {0, false}, 1, CubeOffer::None},
    };
    for (const auto& c : cases) {
        FreshGame();
        UseCube = c.useCube;
        PlaceLead(c.pos);
        EXPECT_EQ(ComputerCubeOffer(), c.offer) << c.name;
    }
}

TEST_F(CubeExchangeTest, AnswersToTheComputersDouble) {
    const struct {
        const char* name;
        DoubleAnswer answer;
        int value, owner, winner;
        CubeOffer nextOffer;
    } cases[] = {
        {"take", DoubleAnswer::Take, 8, SIDE_HUMAN, 0, CubeOffer::None},
        {"decline: the stake before the double", DoubleAnswer::Decline, 4, SIDE_COMPUTER, SIDE_COMPUTER,
         CubeOffer::Double},
        {"cancel: no more doubles this game", DoubleAnswer::Cancel, 4, SIDE_COMPUTER, 0, CubeOffer::None},
    };
    for (const auto& c : cases) {
        FreshGame();
        g_cubeValue = 4;
        g_cubeOwner = SIDE_COMPUTER;
        g_sideToMove = SIDE_COMPUTER;
        PlaceLead({8, false, 1, 0});
        ASSERT_EQ(ComputerCubeOffer(), CubeOffer::Double);
        AnswerComputerDouble(c.answer);
        EXPECT_EQ(g_cubeValue, c.value) << c.name;
        EXPECT_EQ(g_cubeOwner, c.owner) << c.name;
        EXPECT_EQ(g_winner, c.winner) << c.name;
        EXPECT_EQ(ComputerCubeOffer(), c.nextOffer) << c.name;
    }
}

TEST_F(CubeExchangeTest, AnswersToTheComputersResignation) {
    for (bool accept : {true, false}) {
        FreshGame();
        g_cubeValue = 2;
        PlaceLead({-6, false});
        AnswerComputerResign(accept);
        EXPECT_EQ(g_winner, accept ? SIDE_HUMAN : 0);
        EXPECT_EQ(g_cubeValue, 2);
        EXPECT_EQ(ComputerCubeOffer(), accept ? CubeOffer::Resign : CubeOffer::None);
    }
}

TEST_F(CubeExchangeTest, HumanResigns) {
    const std::initializer_list<std::pair<int, int>> humanBack = {{0, 1}, {24, 14}, {10, -15}};
    const std::initializer_list<std::pair<int, int>> humanClear = {{7, 1}, {24, 14}, {10, -15}};
    const struct {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        WinKind kind;
        bool accepted;
        int value;
    } cases[] = {
        {"normal, gammon chances left", humanBack, WinKind::Normal, false, 2},
        {"normal", humanClear, WinKind::Normal, true, 2},
        {"gammon, gammon chances left", humanBack, WinKind::Gammon, false, 2},
        {"gammon", humanClear, WinKind::Gammon, true, 4},
        {"backgammon, always", humanBack, WinKind::Backgammon, true, 6},
    };
    for (const auto& c : cases) {
        FreshGame();
        g_cubeValue = 2;
        Place(c.checkers);
        g_race = NoContact();
        EXPECT_EQ(HumanResigns(c.kind), c.accepted) << c.name;
        EXPECT_EQ(g_winner, c.accepted ? SIDE_COMPUTER : 0) << c.name;
        EXPECT_EQ(g_cubeValue, c.value) << c.name;
    }
}

TEST_F(CubeExchangeTest, HumanMayDoubleBeforeTheFirstMove) {
    const struct {
        const char* name;
        void (*set)();
        bool enabled;
    } cases[] = {
        {"cube in the middle", +[] {}, true},
        {"cube held by the human at 32", +[] { g_cubeOwner = SIDE_HUMAN, g_cubeValue = 32; }, true},
        {"cube held by the computer", +[] { g_cubeOwner = SIDE_COMPUTER; }, false},
        {"cube at 64", +[] { g_cubeOwner = SIDE_HUMAN, g_cubeValue = 64; }, false},
        {"cube off", +[] { UseCube = 0; }, false},
        {"a move made", +[] { g_moveOrdinal = 2; }, false},
    };
    for (const auto& c : cases) {
        FreshGame();
        c.set();
        EXPECT_EQ(HumanMayDouble(), c.enabled) << c.name;
    }
}
