#include "controller/match_play.h"

#include <cstdio>

#include "controller/confirm_turn.h"
#include "controller/file_failure.h"
#include "controller/game_view.h"
#include "controller/narration.h"
#include "controller/new_game.h"
#include "controller/session.h"
#include "game/game.h"
#include "interchange/kept_games.h"
#include "platform/message_box_kinds.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "rules/match_score.h"
#include "settings/kept_match.h"

namespace {
template <typename... Args>
std::string Text(int textId, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, ResString(textId), args...);
    return text;
}

std::string ScoreText(const MatchScore& m) {
    std::string text = Text(IDS_MATCH_CAPTION, m.length, m.points[SIDE_HUMAN], m.points[SIDE_COMPUTER]);
    if (IsCrawfordGame(m)) text += ResString(IDS_CRAWFORD_CAPTION);
    return text;
}

void StartMatch(Session& s) {
    s.game.position.match = MatchScore{s.game.options.matchLength, {0, 0, 0}, false};
    ShowResultsNotKept(s, {{g_profile.Path(), SaveMatchScore(s.game.position.match)}});
}

void SayMatchWinner(Session& s, int winner) {
    const MatchScore& m = s.game.position.match;
    const int* won = s.game.matchesWon;
    const std::string text = Text(winner == SIDE_HUMAN ? IDS_HUMAN_WINS_MATCH : IDS_COMPUTER_WINS_MATCH,
                                  m.points[winner], m.points[MirrorSide(winner)], won[SIDE_HUMAN], won[SIDE_COMPUTER]);
    s.view.Ask(text, MB_OK, MB_ICONASTERISK, HELP_DOUBLING);
}
}  // namespace

void LoadKeptMatchState(Session& s) {
    const KeptMatch kept = LoadKeptMatch(s.game.options.matchLength);
    s.game.position.match = kept.score;
    for (int side : {SIDE_HUMAN, SIDE_COMPUTER}) s.game.matchesWon[side] = kept.matchesWon[side];
    const MatchScore& m = kept.score;
    if (kept.resumed)
        s.bannerNotes.push_back(Text(IDS_MATCH_GOES_ON, m.length, m.points[SIDE_HUMAN], m.points[SIDE_COMPUTER]));
    if (kept.damaged) s.bannerNotes.push_back(ResString(IDS_MATCH_NOT_KEPT));
    KeptGames games = LoadKeptGames(KEPT_GAMES_FILE_NAME);
    s.game.keptGames = std::move(games.games);
    if (games.setAside) s.bannerNotes.push_back(ResString(IDS_KEPT_GAMES_SET_ASIDE));
    if (s.reviews.Load()) s.bannerNotes.push_back(ResString(IDS_KEPT_REVIEWS_SET_ASIDE));
}

std::string GameCaption(const Session& s, const std::string& base) {
    const MatchScore& m = s.game.position.match;
    return IsMatch(m) ? base + " - " + ScoreText(m) : base;
}

void StartMatchIfDue(Session& s) {
    const MatchScore& m = s.game.position.match;
    // Money play after money play keeps no score, and writes none.
    if (!IsMatch(m) && s.game.options.matchLength == 0) return;
    if (!IsMatch(m) || MatchWinner(m) != SIDE_NONE) StartMatch(s);
}

int BookFinishedGame(Session& s, int winner, int points, MatchBooking& writes) {
    writes.keptGames = AppendKeptGame(KEPT_GAMES_FILE_NAME, s.game.keptGames, s.game.record.Games().back());
    MatchScore& m = s.game.position.match;
    if (!IsMatch(m)) return points;
    const MatchScore before = m;
    m = AfterGame(m, winner, points);
    writes.score = SaveMatchScore(m);
    if (MatchWinner(m) != SIDE_NONE) {
        ++s.game.matchesWon[winner];
        writes.matchesWon = SaveMatchesWon(s.game.matchesWon);
        SayMatchWinner(s, winner);
    }
    return m.points[winner] - before.points[winner];
}

bool SetUpPastedMatch(Session& s, const MatchScore& pasted) {
    MatchScore& m = s.game.position.match;
    if (IsMatch(m) && m != pasted && MatchWinner(m) == SIDE_NONE) {
        const std::string question =
            Text(IDS_PASTE_MATCH, pasted.length, pasted.points[SIDE_HUMAN], pasted.points[SIDE_COMPUTER]);
        if (s.view.Ask(question, MB_YESNO, MB_ICONQUESTION, HELP_FILES) != IDYES) return false;
    }
    m = pasted;
    ShowResultsNotKept(s, {{g_profile.Path(), SaveMatchScore(m)}});
    return true;
}

void NewMatchCommand(Session& s) {
    if (PutOffUntilWaitEnds(s, ID_FILE_NEW_MATCH)) return;
    if (s.view.Ask(ResString(IDS_START_NEW_MATCH), MB_YESNO, MB_ICONQUESTION, HELP_COMMANDS) != IDYES) return;
    StartMatch(s);
    NewGame(s);
}

void SayWhyNoDouble(Session& s) {
    const MatchScore& m = s.game.position.match;
    if (ScoreAllowsDoubling(m) || !s.game.options.useCube) return;
    ShowNote(s, ResString(m.length == 1 ? IDS_NO_CUBE_ONE_POINT : IDS_NO_CUBE_CRAWFORD));
}
