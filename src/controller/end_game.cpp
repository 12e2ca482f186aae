#include "controller/end_game.h"

#include "controller/clocks.h"
#include "controller/file_failure.h"
#include "controller/finish_game.h"
#include "controller/game_view.h"
#include "controller/new_game.h"
#include "interchange/game_record.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "rules/game_end.h"
#include "rules/game_stats.h"
#include "rules/position.h"
#include "rules/turn_state.h"
#include "settings/options.h"
#include "stats/stats_record.h"

void EndGame(int winner, int scoreKind) {
    StopClock(SIDE_HUMAN);
    StopFinishing();
    g_winner = winner;
    if (scoreKind == 1) g_cubeValue *= static_cast<int>(ClassifyWin());
    g_totalScore[winner] += g_cubeValue;
    g_runScore[winner] += g_cubeValue;
    RecordWin(winner, g_cubeValue);
    const FileResult scores = SaveScores();
    // The statistics window shows the history with this game booked.
    const FileResult history = UpdateStatsFile();
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
