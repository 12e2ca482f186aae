// The kept games: a file read back writes the same games again, and each
// game either replays by the rules for the review or is left unreviewed,
// without fault either way.
#include <cstddef>
#include <cstdint>

#include "coach/game_replay.h"
#include "fuzz_check.h"
#include "interchange/kept_games.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const Bytes bytes(data, data + size);
    const std::optional<std::vector<RecordedGame>> games = DecodeKeptGames(bytes);
    if (!games) return 0;
    const std::optional<std::vector<RecordedGame>> again = DecodeKeptGames(EncodeKeptGames(*games));
    FUZZ_CHECK(again && again->size() == games->size());
    for (std::size_t i = 0; i < games->size(); ++i) {
        FUZZ_CHECK((*again)[i].events == (*games)[i].events && (*again)[i].scoreBefore == (*games)[i].scoreBefore);
        const ReplayedGame replayed = ReplayGame((*games)[i]);
        FUZZ_CHECK(replayed.replayed || replayed.decisions.empty());
    }
    LastMatchGames(*games);
    return 0;
}
