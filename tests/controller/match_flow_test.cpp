// A whole match through the game flow: the cube before the roll, the
// Crawford game, the score kept and shown, the match's end, a new match, and
// the match going on after a restart.
#include <fstream>
#include <iterator>

#include "computer/computer_player.h"
#include "computer/suggestion.h"
#include "controller/game_flow_fixture.h"
#include "controller/match_play.h"
#include "interchange/kept_games.h"
#include "resources/strings.h"
#include "rules/match_score.h"
#include "settings/kept_match.h"

namespace {
class MatchFlowTest : public GameFlowTest {
protected:
    Game& game() { return session().game; }

    // The human's turn: doubles at the first chance of the match, otherwise
    // rolls (the spacebar), then plays the adviser's moves by clicks.
    void PlayHumanTurn(bool& doubled) {
        if (game().awaitingRoll) {
            EXPECT_EQ(wnd->PaneText(0), ResString(IDS_ROLL_OR_DOUBLE));
            EXPECT_TRUE(wnd->CubeEnabled());
            if (!doubled) {
                doubled = true;
                wnd->RunCommand(ID_DOUBLE);
                const std::vector<std::string> lines = Lines();
                EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                        [](const std::string& l) { return l.starts_with("You double to 2: "); }));
                return Drain();
            }
            return Key(' ');
        }
        if (IsCrawfordGame(game().position.match)) {
            wnd->RunCommand(ID_DOUBLE);
            EXPECT_EQ(wnd->PaneText(2), ResString(IDS_NO_CUBE_CRAWFORD));
        }
        if (NoMovePossible(game().position)) return Click(-1);
        Position p = game().position;
        SuggestedMove moves[MAX_DICE];
        ASSERT_GT(SuggestHumanMove(p, game().race != 0, AdviserFor(0), moves), 0);
        Click(moves[0].from);
        if (game().position.sideToMove == SIDE_HUMAN && CurrentMove(session()).from != NO_LOCATION)
            Click(moves[0].to >= 25 ? LOC_HUMAN_OFF : moves[0].to);
    }
};

TEST_F(MatchFlowTest, AThreePointMatchIsPlayedKeptAndStartedAnew) {
    game().options.matchLength = 3;
    game().options.useCube = 1;
    game().options.manualDice = 0;
    game().options.levelOfPlay = 0;
    // The human passes every double and refuses every resignation: short games.
    answer = IDNO;
    LoadKeptMatchState(session());
    Start(SIDE_NONE, {});
    ASSERT_EQ(game().position.match, (MatchScore{3, {0, 0, 0}, false}));
    EXPECT_NE(wnd->caption.find("Match to 3 \xC2\xB7 You 0 \xC2\xB7 Computer 0"), std::string::npos);

    bool doubled = false;
    bool everDoubled = false;
    for (int steps = 0; game().matchesWon[SIDE_HUMAN] + game().matchesWon[SIDE_COMPUTER] == 0; ++steps) {
        ASSERT_LT(steps, 20000);
        const std::size_t games = game().keptGames.size();
        PlayHumanTurn(doubled);
        everDoubled |= doubled;
        if (game().keptGames.size() == games) continue;
        // A game has ended: the score stands in the profile and the title.
        if (MatchWinner(game().position.match) != SIDE_NONE) continue;
        EXPECT_EQ(LoadKeptMatch(3).score, game().position.match);
        EXPECT_NE(wnd->caption.find(IsCrawfordGame(game().position.match) ? "Crawford" : "Computer"),
                  std::string::npos);
    }
    EXPECT_TRUE(everDoubled);
    // The kept games tell the match: each game starts at the score the one
    // before left, and nobody doubles in the Crawford game.
    const std::vector<RecordedGame> played = LastMatchGames(game().keptGames);
    ASSERT_FALSE(played.empty());
    MatchScore score{3, {0, 0, 0}, false};
    bool crawfordPlayed = false;
    for (const RecordedGame& g : played) {
        EXPECT_EQ(g.scoreBefore, score);
        crawfordPlayed |= IsCrawfordGame(score);
        const GameEvent& win = g.events.back();
        ASSERT_EQ(win.action, GameAction::Win);
        for (const GameEvent& e : g.events) EXPECT_FALSE(IsCrawfordGame(score) && e.action == GameAction::Double);
        score = AfterGame(score, win.side, win.a);
    }
    const int winner = MatchWinner(score);
    ASSERT_NE(winner, SIDE_NONE);
    EXPECT_TRUE(crawfordPlayed);
    EXPECT_EQ(game().matchesWon[winner], 1);
    EXPECT_EQ(GetProfileInt(GAME_SECTION, winner == SIDE_HUMAN ? "MatchesYou" : "MatchesComputer", 0), 1);
    const bool toldWinner = std::any_of(questions.begin(), questions.end(), [&](const FakeView::Question& q) {
        return q.text.find(winner == SIDE_HUMAN ? "You win the match" : "Computer wins the match") == 0;
    });
    EXPECT_TRUE(toldWinner);
    // "Again" began a new match.
    EXPECT_EQ(game().position.match, (MatchScore{3, {0, 0, 0}, false}));

    // Export right after "Again" writes the match just finished.
    const std::string file = "match.mat";
    wnd->fileDialog = [&](const FileDialogSpec&) { return file; };
    wnd->RunCommand(ID_FILE_EXPORT);
    std::ifstream in(file);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find(" 3 point match\n"), std::string::npos);
    EXPECT_EQ(LastMatchGames(game().keptGames).size(),
              LastMatchGames(LoadKeptGames(KEPT_GAMES_FILE_NAME).games).size());
}

TEST_F(MatchFlowTest, AMatchGoesOnAfterARestartAndADamagedOneStartsAnew) {
    struct Case {
        int you, computer, crawfordDone;
        bool resumed;
        int note;
    };
    for (const Case& c : {Case{2, 1, 0, true, IDS_MATCH_GOES_ON}, Case{-1, 0, 0, false, IDS_MATCH_NOT_KEPT},
                          Case{7, 9, 0, false, IDS_MATCH_NOT_KEPT}, Case{0, 1, 1, false, IDS_MATCH_NOT_KEPT}}) {
        SaveMatchScore({5, {0, c.you, c.computer}, c.crawfordDone == 1});
        game().options.matchLength = 5;
        LoadKeptMatchState(session());
        Start(SIDE_HUMAN, {{6, 5}});
        const std::string note = ResString(c.note);
        const std::vector<std::string> lines = Lines();
        const bool told = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.substr(0, 12) == note.substr(0, 12);
        });
        EXPECT_TRUE(told) << c.you << "-" << c.computer;
        const MatchScore expected = c.resumed ? MatchScore{5, {0, c.you, c.computer}, false} : MatchScore{5, {}, false};
        EXPECT_EQ(game().position.match, expected) << c.you << "-" << c.computer;
    }
}
}  // namespace
