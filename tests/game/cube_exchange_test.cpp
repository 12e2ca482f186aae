#include "game/cube_exchange.h"

#include "computer/cube_fixture.h"
#include "game/game.h"

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
        g_game.position.cubeValue = 2;
        g_game.position.sideToMove = SIDE_HUMAN;
        PlaceLead(c.pos);
        EXPECT_EQ(HumanDoubles(g_game, ComputerPlayerFor(g_game.options.levelOfPlay)), c.taken) << c.name;
        EXPECT_EQ(g_game.position.cubeValue, c.value) << c.name;
        EXPECT_EQ(g_game.position.cubeOwner, c.owner) << c.name;
        EXPECT_EQ(g_game.winner, 0) << c.name;
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
        g_game.options.useCube = c.useCube;
        PlaceLead(c.pos);
        EXPECT_EQ(ComputerCubeOffer(g_game, ComputerPlayerFor(g_game.options.levelOfPlay), g_game.options.useCube != 0),
                  c.offer)
            << c.name;
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
        g_game.position.cubeValue = 4;
        g_game.position.cubeOwner = SIDE_COMPUTER;
        g_game.position.sideToMove = SIDE_COMPUTER;
        PlaceLead({8, false, 1, 0});
        ASSERT_EQ(ComputerCubeOffer(g_game, ComputerPlayerFor(g_game.options.levelOfPlay), g_game.options.useCube != 0),
                  CubeOffer::Double);
        AnswerComputerDouble(g_game, c.answer);
        EXPECT_EQ(g_game.position.cubeValue, c.value) << c.name;
        EXPECT_EQ(g_game.position.cubeOwner, c.owner) << c.name;
        EXPECT_EQ(g_game.winner, c.winner) << c.name;
        EXPECT_EQ(ComputerCubeOffer(g_game, ComputerPlayerFor(g_game.options.levelOfPlay), g_game.options.useCube != 0),
                  c.nextOffer)
            << c.name;
    }
}

TEST_F(CubeExchangeTest, AnswersToTheComputersResignation) {
    for (bool accept : {true, false}) {
        FreshGame();
        g_game.position.cubeValue = 2;
        PlaceLead({-6, false});
        AnswerComputerResign(g_game, accept);
        EXPECT_EQ(g_game.winner, accept ? SIDE_HUMAN : 0);
        EXPECT_EQ(g_game.position.cubeValue, 2);
        EXPECT_EQ(ComputerCubeOffer(g_game, ComputerPlayerFor(g_game.options.levelOfPlay), g_game.options.useCube != 0),
                  accept ? CubeOffer::Resign : CubeOffer::None);
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
        g_game.position.cubeValue = 2;
        Place(c.checkers);
        g_game.race = NoContact(g_game.position.board);
        EXPECT_EQ(HumanResigns(g_game, ComputerPlayerFor(g_game.options.levelOfPlay), c.kind), c.accepted) << c.name;
        EXPECT_EQ(g_game.winner, c.accepted ? SIDE_COMPUTER : 0) << c.name;
        EXPECT_EQ(g_game.position.cubeValue, c.value) << c.name;
    }
}

TEST_F(CubeExchangeTest, HumanMayDoubleBeforeTheFirstMove) {
    const struct {
        const char* name;
        void (*set)();
        bool enabled;
    } cases[] = {
        {"cube in the middle", +[] {}, true},
        {"cube held by the human at 32",
         +[] { g_game.position.cubeOwner = SIDE_HUMAN, g_game.position.cubeValue = 32; }, true},
        {"cube held by the computer", +[] { g_game.position.cubeOwner = SIDE_COMPUTER; }, false},
        {"cube at 64", +[] { g_game.position.cubeOwner = SIDE_HUMAN, g_game.position.cubeValue = 64; }, false},
        {"cube off", +[] { g_game.options.useCube = 0; }, false},
        {"a move made", +[] { g_game.moveOrdinal = 2; }, false},
    };
    for (const auto& c : cases) {
        FreshGame();
        c.set();
        EXPECT_EQ(HumanMayDouble(g_game, g_game.options.useCube != 0), c.enabled) << c.name;
    }
}
