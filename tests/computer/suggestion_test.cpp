#include "computer/suggestion.h"

#include <gtest/gtest.h>

#include <string>

#include "game/game.h"
#include "rules/moves.h"
#include "search_fixture.h"

using SuggestionTest = SearchTest;

// The human's suggestion on a position is the computer's "Good" move on the
// mirrored position, mirrored back; the level, the side and the board stay.
TEST_F(SuggestionTest, MirrorsTheComputersGoodMove) {
    const Placing contact = {{24, -2}, {13, -4}, {10, -1}, {8, -2}, {6, -4}, {4, -1}, {3, -1},
                             {1, 2},   {7, 1},   {12, 4},  {17, 3}, {19, 4}, {20, 1}};
    const std::pair<int, int> throws[] = {{2, 1}, {6, 5}, {4, 4}, {5, 3}};
    for (bool start : {true, false}) {
        for (auto [d1, d2] : throws) {
            if (start)
                PlaceStart();
            else
                Place(contact);
            Throw(d1, d2);
            const std::string computer = Choose(2);

            game.position.board = Mirrored(game.position.board);
            game.position.sideToMove = SIDE_HUMAN;
            game.options.levelOfPlay = 0;
            Throw(d1, d2);
            const Board before = game.position.board;
            SuggestedMove moves[MAX_DICE];
            const int n = SuggestHumanMove(game.position, game.race != 0, AdviserFor(2), moves);

            EXPECT_EQ(game.options.levelOfPlay, 0);
            EXPECT_EQ(game.position.sideToMove, SIDE_HUMAN);
            ExpectBoardIs(before);
            std::string human;
            for (int i = 0; i < n; ++i) {
                const int die = moves[i].to - moves[i].from;
                human += (i ? " " : "") + std::to_string(25 - moves[i].from) + "/" + std::to_string(die);
                EXPECT_TRUE(IsLegalMove(game.position, moves[i].from, die)) << human;
                ApplyMove(game.position, moves[i].from, die);
            }
            EXPECT_EQ(human, computer) << d1 << "-" << d2;
            game.position.sideToMove = SIDE_COMPUTER;
        }
    }
}

TEST_F(SuggestionTest, HumanOnTheBarAgainstAClosedBoard) {
    Place({{0, 1}, {24, 14}, {1, -2}, {2, -2}, {3, -2}, {4, -2}, {5, -2}, {6, -2}, {13, -3}});
    game.position.sideToMove = SIDE_HUMAN;
    game.options.levelOfPlay = 1;
    Throw(6, 6);
    const Board before = game.position.board;
    SuggestedMove moves[MAX_DICE];
    EXPECT_EQ(SuggestHumanMove(game.position, game.race != 0, AdviserFor(2), moves), 0);
    EXPECT_EQ(game.position.diceLeft, 0);
    EXPECT_EQ(game.options.levelOfPlay, 1);
    ExpectBoardIs(before);
}
