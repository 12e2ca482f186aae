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
        game.position.cubeValue = 2;
        game.position.sideToMove = SIDE_HUMAN;
        PlaceLead(c.pos);
        EXPECT_EQ(HumanDoubles(game, ComputerPlayerFor(game.options.levelOfPlay)), c.taken) << c.name;
        EXPECT_EQ(game.position.cubeValue, c.value) << c.name;
        EXPECT_EQ(game.position.cubeOwner, c.owner) << c.name;
        EXPECT_EQ(game.winner, 0) << c.name;
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
        game.options.useCube = c.useCube;
        PlaceLead(c.pos);
        EXPECT_EQ(ComputerCubeOffer(game, ComputerPlayerFor(game.options.levelOfPlay), game.options.useCube != 0),
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
        game.position.cubeValue = 4;
        game.position.cubeOwner = SIDE_COMPUTER;
        game.position.sideToMove = SIDE_COMPUTER;
        PlaceLead({8, false, 1, 0});
        ASSERT_EQ(ComputerCubeOffer(game, ComputerPlayerFor(game.options.levelOfPlay), game.options.useCube != 0),
                  CubeOffer::Double);
        AnswerComputerDouble(game, c.answer);
        EXPECT_EQ(game.position.cubeValue, c.value) << c.name;
        EXPECT_EQ(game.position.cubeOwner, c.owner) << c.name;
        EXPECT_EQ(game.winner, c.winner) << c.name;
        EXPECT_EQ(ComputerCubeOffer(game, ComputerPlayerFor(game.options.levelOfPlay), game.options.useCube != 0),
                  c.nextOffer)
            << c.name;
    }
}

TEST_F(CubeExchangeTest, AnswersToTheComputersResignation) {
    for (bool accept : {true, false}) {
        FreshGame();
        game.position.cubeValue = 2;
        PlaceLead({-6, false});
        AnswerComputerResign(game, accept);
        EXPECT_EQ(game.winner, accept ? SIDE_HUMAN : 0);
        EXPECT_EQ(game.position.cubeValue, 2);
        EXPECT_EQ(ComputerCubeOffer(game, ComputerPlayerFor(game.options.levelOfPlay), game.options.useCube != 0),
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
        game.position.cubeValue = 2;
        Place(c.checkers);
        game.race = NoContact(game.position.board);
        EXPECT_EQ(HumanResigns(game, ComputerPlayerFor(game.options.levelOfPlay), c.kind), c.accepted) << c.name;
        EXPECT_EQ(game.winner, c.accepted ? SIDE_COMPUTER : 0) << c.name;
        EXPECT_EQ(game.position.cubeValue, c.value) << c.name;
    }
}

TEST_F(CubeExchangeTest, HumanMayDoubleBeforeTheFirstMove) {
    const struct {
        const char* name;
        void (*set)(Game&);
        bool enabled;
    } cases[] = {
        {"cube in the middle", +[](Game&) {}, true},
        {"cube held by the human at 32",
         +[](Game& game) { game.position.cubeOwner = SIDE_HUMAN, game.position.cubeValue = 32; }, true},
        {"cube held by the computer", +[](Game& game) { game.position.cubeOwner = SIDE_COMPUTER; }, false},
        {"cube at 64", +[](Game& game) { game.position.cubeOwner = SIDE_HUMAN, game.position.cubeValue = 64; }, false},
        {"cube off", +[](Game& game) { game.options.useCube = 0; }, false},
        {"a move made", +[](Game& game) { game.moveOrdinal = 2; }, false},
    };
    for (const auto& c : cases) {
        FreshGame();
        c.set(game);
        EXPECT_EQ(HumanMayDouble(game, game.options.useCube != 0), c.enabled) << c.name;
    }
}
