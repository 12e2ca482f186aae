#include "controller/end_game.h"

#include "controller/clocks.h"
#include "controller/file_failure.h"
#include "controller/finish_game.h"
#include "controller/game_view.h"
#include "controller/match_play.h"
#include "controller/new_game.h"
#include "controller/session.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "interchange/kept_games.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "rules/game_end.h"
#include "rules/position.h"
#include "settings/options.h"
#include "stats/stats_record.h"

void EndGame(Session& s, int winner, int scoreKind) {
    StopClock(s, SIDE_HUMAN);
    StopFinishing(s);
    s.game.winner = winner;
    if (scoreKind == 1) s.game.position.cubeValue *= static_cast<int>(ClassifyWin(s.game.position.board));
    s.game.record.Win(winner, s.game.position.cubeValue);
    MatchBooking booked;
    const int points = BookFinishedGame(s, winner, s.game.position.cubeValue, booked);
    s.game.totalScore[winner] += points;
    s.game.runScore[winner] += points;
    const FileResult scores = SaveScores(s.game.totalScore);
    // The statistics window shows the history with this game booked.
    const FileResult history = UpdateStatsFile(s.game.history, winner);
    const bool again = s.view.ShowStatistics();
    // Told once the statistics window is gone: over it, the message would hide
    // the numbers and take the keys meant for Again and Quit.
    ShowResultsNotKept(s, {{g_profile.Path(), scores},
                           {STATS_FILE_NAME, history},
                           {g_profile.Path(), booked.score},
                           {g_profile.Path(), booked.matchesWon},
                           {KEPT_GAMES_FILE_NAME, booked.keptGames}});
    if (!again) {
        s.view.PostCommand(ID_APP_EXIT);
        return;
    }
    s.view.RedrawAll();
    NewGame(s);
}
