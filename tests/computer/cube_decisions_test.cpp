#include "computer/cube_decisions.h"

#include "computer/computer_player.h"
#include "cube_fixture.h"
#include "game/game.h"

using CubeDecisionsTest = CubeTest;

TEST_F(CubeDecisionsTest, ComputerTakesByLeadAndBorneOff) {
    struct Case {
        const char* name;
        Lead pos;
        bool accepts;
    };
    const Case cases[] = {
        {"contact, behind by 4", {-4, true}, true},
        {"contact, behind by 5", {-5, true}, false},
        {"contact, behind by 8", {-8, true}, false},
        {"contact, level, the human 3 off", {0, true, 3, 0}, false},
        {"race, level", {0, false}, true},
        {"race, behind by 1", {-1, false}, false},
        {"race, ahead", {4, false}, true},
        {"race, the human 12 off", {0, false, 12, 11}, false},
        {"race, the human 11 off", {0, false, 11, 11}, true},
        {"race, the human 3 more off", {0, false, 5, 2}, false},
        {"race, the human 2 more off", {0, false, 4, 2}, true},
    };
    for (const Case& c : cases) {
        PlaceLead(c.pos);
        EXPECT_EQ(ComputerAcceptsDouble(game.position.board, game.race != 0), c.accepts) << c.name;
    }
}

TEST_F(CubeDecisionsTest, ComputerDoublesByLead) {
    struct Case {
        const char* name;
        Lead pos;
        bool doubles;
    };
    const Case cases[] = {
        {"contact, ahead by 6", {6, true}, true},
        {"contact, ahead by 5", {5, true}, false},
        {"race, ahead by 5", {5, false}, true},
        {"race, ahead by 4", {4, false}, false},
        {"race, ahead by 4, 13 off", {4, false, 10, 13}, true},
        {"race, ahead by 4, 12 off", {4, false, 10, 12}, false},
        // Far enough ahead with the human still to bear off, it plays for the gammon.
        {"race, ahead by 10, the human none off", {10, false}, false},
        {"race, ahead by 10, the human 1 off", {10, false, 1, 0}, true},
    };
    for (const Case& c : cases) {
        PlaceLead(c.pos);
        EXPECT_EQ(WantsToDouble(), c.doubles) << c.name;
    }
}

TEST_F(CubeDecisionsTest, ComputerDoublesOnlyWithTheCubeAvailable) {
    struct Case {
        const char* name;
        void (*set)(Game&);
        bool doubles;
    };
    const Case cases[] = {
        {"cube in the middle", +[](Game&) {}, true},
        {"cube held by the computer at 32",
         +[](Game& game) { game.position.cubeOwner = SIDE_COMPUTER, game.position.cubeValue = 32; }, true},
        {"cube held by the human", +[](Game& game) { game.position.cubeOwner = SIDE_HUMAN; }, false},
        {"cube at 64", +[](Game& game) { game.position.cubeOwner = SIDE_COMPUTER, game.position.cubeValue = 64; },
         false},
        {"cube off", +[](Game& game) { game.options.useCube = 0; }, false},
        {"doubles stopped for this game", +[](Game& game) { game.computerMayDouble = 0; }, false},
        {"finishing", +[](Game& game) { game.finishMode = 1; }, false},
    };
    for (const Case& c : cases) {
        FreshGame();
        PlaceLead({8, false, 1, 0});
        c.set(game);
        EXPECT_EQ(WantsToDouble(), c.doubles) << c.name;
    }
}

TEST_F(CubeDecisionsTest, ComputerDoesNotDoubleWithCheckersBack) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        bool doubles;
    };
    const Case cases[] = {
        {"on the bar", {{25, -1}, {1, -14}, {8, 14}, {27, 1}}, false},
        {"all home", {{2, -1}, {1, -14}, {8, 14}, {27, 1}}, true},
        {"one straggler on 14", {{14, -1}, {1, -14}, {8, 14}, {27, 1}}, false},
        {"two stragglers on 14", {{14, -2}, {1, -13}, {8, 14}, {27, 1}}, true},
        {"the human on its bar", {{0, 1}, {1, -15}, {8, 13}, {27, 1}}, false},
    };
    for (const Case& c : cases) {
        Place(c.checkers);
        game.race = NoContact(game.position.board);
        EXPECT_EQ(WantsToDouble(), c.doubles) << c.name;
    }
}

TEST_F(CubeDecisionsTest, ComputerOffersToResignOnlyInALostRace) {
    struct Case {
        const char* name;
        Lead pos;
        void (*set)(Game&);
        bool resigns;
    };
    const Case cases[] = {
        {"race, behind by 6", {-6, false}, +[](Game&) {}, true},
        {"race, behind by 6, the human 12 off", {-6, false, 12, 0}, +[](Game&) {}, true},
        {"race, behind by 5", {-5, false}, +[](Game&) {}, false},
        {"race, behind by 5, the human 12 off", {-5, false, 12, 5}, +[](Game&) {}, false},
        {"race, behind by 5, the human 13 off", {-5, false, 13, 5}, +[](Game&) {}, true},
        {"contact, behind by 10", {-10, true}, +[](Game&) {}, false},
        {"cube off", {-6, false}, +[](Game& game) { game.options.useCube = 0; }, true},
        {"offers stopped for this game", {-6, false}, +[](Game& game) { game.computerMayResign = 0; }, false},
        {"finishing", {-6, false}, +[](Game& game) { game.finishMode = 1; }, false},
    };
    for (const Case& c : cases) {
        FreshGame();
        PlaceLead(c.pos);
        c.set(game);
        EXPECT_EQ(WantsToResign(), c.resigns) << c.name;
    }
}

TEST_F(CubeDecisionsTest, ComputerRefusesResignationsItCanStillWinBig) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        bool refusesNormal, refusesGammon;
    };
    const Case cases[] = {
        {"contact, the human on its bar", {{0, 1}, {24, 14}, {10, -15}}, true, true},
        {"contact, the human on point 6", {{6, 1}, {24, 14}, {10, -15}}, true, true},
        {"contact, the human on point 7", {{7, 1}, {24, 14}, {10, -15}}, false, false},
        {"race, the human on point 6", {{6, 1}, {24, 14}, {2, -15}}, false, false},
    };
    for (const Case& c : cases) {
        Place(c.checkers);
        game.race = NoContact(game.position.board);
        EXPECT_EQ(ComputerRefusesResign(game.position.board, game.race != 0), c.refusesNormal) << c.name;
        EXPECT_EQ(ComputerRefusesGammonResign(game.position.board, game.race != 0), c.refusesGammon) << c.name;
    }

    const struct {
        const char* name;
        Lead pos;
        bool refusesNormal;
    } leads[] = {
        {"race, ahead by 10, the human none off", {10, false}, true},
        {"contact, ahead by 10, the human none off", {10, true}, true},
        {"race, ahead by 9, the human none off", {9, false}, false},
        {"race, ahead by 10, the human 1 off", {10, false, 1, 0}, false},
    };
    for (const auto& c : leads) {
        PlaceLead(c.pos);
        EXPECT_EQ(ComputerRefusesResign(game.position.board, game.race != 0), c.refusesNormal) << c.name;
        EXPECT_FALSE(ComputerRefusesGammonResign(game.position.board, game.race != 0)) << c.name;
    }
}

// The score overrides the rules of thumb where they would be plainly wrong,
// at the hand-made levels and the Expert alike.
TEST_F(CubeDecisionsTest, MatchScoreRulesOutPlainlyWrongCubeActions) {
    struct Case {
        const char* name;
        MatchScore score;
        int cube, owner;
        Lead pos;
        bool doubles, takes;
    };
    const Case cases[] = {
        {"5-away/5-away, as in money play", {7, {0, 2, 2}}, 1, SIDE_NONE, {8, false, 1, 0}, true, false},
        {"the Crawford game", {7, {0, 2, 6}}, 1, SIDE_NONE, {8, false, 1, 0}, false, false},
        {"a match to 1", {1}, 1, SIDE_NONE, {8, false, 1, 0}, false, false},
        {"a win at the cube wins the match", {7, {0, 5, 2}, true}, 2, SIDE_COMPUTER, {8, false, 1, 0}, false, false},
        {"a pass gives the human the match", {7, {0, 2, 5}}, 2, SIDE_HUMAN, {-8, true}, false, true},
    };
    for (const Case& c : cases) {
        PlaceLead(c.pos);
        game.position.match = c.score;
        game.position.cubeValue = c.cube;
        game.position.cubeOwner = c.owner;
        for (int level : {0, 2, EXPERT_LEVEL}) {
            const ComputerPlayer& player = ComputerPlayerFor(level);
            // The human holds the cube: the computer answers its double.
            if (c.owner == SIDE_HUMAN) {
                EXPECT_EQ(player.AcceptsDouble(game.position, game.race != 0), c.takes) << c.name << level;
            } else if (level != EXPERT_LEVEL || !c.doubles) {
                EXPECT_EQ(player.WantsToDouble(game.position, game.race != 0), c.doubles) << c.name << level;
            }
        }
    }
    game.position.match = {};
}
