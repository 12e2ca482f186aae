#include "controller/end_game.h"

#include "controller/clocks.h"
#include "controller/file_failure.h"
#include "controller/finish_game.h"
#include "controller/game_view.h"
#include "controller/new_game.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "rules/game_end.h"
#include "rules/position.h"
#include "settings/options.h"
#include "stats/stats_record.h"

void EndGame(int winner, int scoreKind) {
    StopClock(SIDE_HUMAN);
    StopFinishing();
    g_game.winner = winner;
    if (scoreKind == 1) g_game.position.cubeValue *= static_cast<int>(ClassifyWin(g_game.position.board));
    g_game.totalScore[winner] += g_game.position.cubeValue;
    g_game.runScore[winner] += g_game.position.cubeValue;
    g_game.record.Win(winner, g_game.position.cubeValue);
    const FileResult scores = SaveScores(g_game.totalScore);
    // The statistics window shows the history with this game booked.
    const FileResult history = UpdateStatsFile(g_game.history, winner);
    const bool again = View().ShowStatistics();
    // Told once the statistics window is gone: over it, the message would hide
    // the numbers and take the keys meant for Again and Quit.
    ShowResultsNotKept({{g_profile.Path(), scores}, {STATS_FILE_NAME, history}});
    if (!again) {
        View().PostCommand(ID_APP_EXIT);
        return;
    }
    View().RedrawAll();
    NewGame();
}
