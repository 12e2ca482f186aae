#include "controller/enable_rules.h"

#include "controller/fake_view.h"
#include "controller/session.h"
#include "game/game.h"
#include "resources/command_ids.h"
#include "rules/board_fixture.h"
#include "settings/options.h"

namespace {
class EnableRulesTest : public BoardTest {
protected:
    // The session plays the fixture's game as it stands.
    Session& session() {
        session_.game = game;
        return session_;
    }

    void SetUp() override {
        BoardTest::SetUp();
        SetDice({3, 5});
        game.moveOrdinal = 1;
        game.position.cubeOwner = SIDE_NONE;
        game.position.cubeValue = 1;
        game.options.useCube = 1;
    }
    void TearDown() override {
        game.options.useCube = 0;
        game.moveOrdinal = 0;
        BoardTest::TearDown();
    }

private:
    FakeView view_;
    Session session_{view_};
};

TEST_F(EnableRulesTest, MoveOrdinalRules) {
    struct Case {
        int ordinal;
        bool save, undo, switchSides;
    };
    const Case cases[] = {
        {0, false, false, false}, {1, true, false, true}, {2, false, true, false}, {5, false, true, false}};
    for (const Case& c : cases) {
        game.moveOrdinal = c.ordinal;
        EXPECT_EQ(CommandEnabled(session(), ID_FILE_SAVE), c.save) << c.ordinal;
        EXPECT_EQ(CommandEnabled(session(), ID_UNDO), c.undo) << c.ordinal;
        EXPECT_EQ(CommandEnabled(session(), ID_SWITCH_SIDES), c.switchSides) << c.ordinal;
    }
}

TEST_F(EnableRulesTest, DoubleNeedsTheCubeUsableAndNoMoveMade) {
    struct Case {
        int useCube, ordinal, owner, value;
        bool enabled;
    };
    const Case cases[] = {
        {1, 1, SIDE_NONE, 1, true},   {1, 1, SIDE_HUMAN, 2, true},     {0, 1, SIDE_NONE, 1, false},
        {1, 2, SIDE_NONE, 1, false},  {1, 1, SIDE_COMPUTER, 2, false}, {1, 1, SIDE_HUMAN, 64, false},
        {1, 1, SIDE_HUMAN, 32, true},
    };
    for (const Case& c : cases) {
        game.options.useCube = c.useCube;
        game.moveOrdinal = c.ordinal;
        game.position.cubeOwner = c.owner;
        game.position.cubeValue = c.value;
        EXPECT_EQ(CommandEnabled(session(), ID_DOUBLE), c.enabled)
            << c.useCube << c.ordinal << c.owner << " " << c.value;
    }
}

TEST_F(EnableRulesTest, PassOnlyWhenNoMoveIsPossible) {
    EXPECT_FALSE(CommandEnabled(session(), ID_PASS));
    // A human checker on the bar against a closed board.
    Place({{LOC_HUMAN_BAR, 1}, {1, -2}, {2, -2}, {3, -2}, {4, -2}, {5, -2}, {6, -2}, {13, 14}});
    EXPECT_TRUE(CommandEnabled(session(), ID_PASS));
    SetDice({});
    Place({{1, 15}});
    EXPECT_TRUE(CommandEnabled(session(), ID_PASS));
}

TEST_F(EnableRulesTest, CommandsWithoutARuleAreAlwaysEnabled) {
    game.moveOrdinal = 3;
    game.options.useCube = 0;
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_SETTINGS, ID_RESET_SCORES, ID_APP_EXIT, ID_SHOW_PROGRESS, ID_RESIGN,
                   ID_SUGGEST_MOVE, ID_FINISH_GAME, ID_COLORS, ID_REDRAW, ID_HELP, ID_APP_ABOUT, ID_COMPUTER_TURN,
                   ID_AUTO_FORCED})
        EXPECT_TRUE(CommandEnabled(session(), id)) << id;
}
}  // namespace
