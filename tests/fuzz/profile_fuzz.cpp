// The INI profile: reading every option from any text leaves each option at a
// value it can take; writing the scores back then changes those two keys and
// nothing another read could see.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "game/game.h"
#include "platform/profile.h"
#include "rules/location.h"
#include "settings/color_scheme.h"
#include "settings/options.h"

namespace {
// The game the harness loads into, as the window's session holds it.
Game game;

struct Option {
    int32_t* var;
    int32_t max;
};
const Option kOptions[] = {
    {&game.options.useCube, 1},
    {&game.options.autoFinish, 2},
    {&game.options.diceAsIcons, 1},
    {&game.options.moveDelay, 100},
    {&game.options.autoChangeTurn, 1},
    {&game.options.levelOfPlay, 3},
    {&game.options.firstMoveBy, 2},
    {&game.options.showProgress, 1},
    {&game.options.autoForcedMoves, 1},
    {&game.options.hitShake, 1},
    {&game.options.highLight, 2},
    {&game.options.intelMoves, 1},
    {&game.options.manualDice, 1},
    {&game.options.clockWise, 1},
    {&game.options.curScheme, 3},
    {&game.totalScore[SIDE_HUMAN], MAX_TOTAL_SCORE},
    {&game.totalScore[SIDE_COMPUTER], MAX_TOTAL_SCORE},
};

std::vector<int32_t> Values() {
    std::vector<int32_t> v;
    for (const Option& o : kOptions) v.push_back(*o.var);
    return v;
}
void SetValues(const std::vector<int32_t>& v) {
    for (std::size_t i = 0; i < v.size(); ++i) *kOptions[i].var = v[i];
}

// The profile lives in a folder of the fuzzer's own, under TMPDIR.
std::string ProfilePath() {
    std::string dir = (std::filesystem::temp_directory_path() / "kestro-fuzz-XXXXXX").string();
    FUZZ_CHECK(::mkdtemp(dir.data()) != nullptr);
    static const std::string removeAtExit = dir;
    std::atexit([] { std::filesystem::remove_all(removeAtExit); });
    return dir + "/" + INI_FILE_NAME;
}
// As the window loads them: the scheme number is judged by the scheme load.
void LoadStartUpSettings() {
    LoadSettings(game.options, game.totalScore);
    LoadCurrentScheme(game.options, game.options.curScheme, g_profile.Path() + ".no-schemes");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::vector<int32_t> defaults = Values();
    static const std::string path = ProfilePath();
    FILE* f = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, f) == size);
    std::fclose(f);
    g_profile = Profile(path);

    SetValues(defaults);
    LoadStartUpSettings();
    for (const Option& o : kOptions) FUZZ_CHECK(*o.var >= 0 && *o.var <= o.max);

    // The end of a game: the human's total goes up by the points won.
    if (game.totalScore[SIDE_HUMAN] < MAX_TOTAL_SCORE) ++game.totalScore[SIDE_HUMAN];
    const std::vector<int32_t> saved = Values();
    SaveScores(game.totalScore);
    SetValues(defaults);
    LoadStartUpSettings();
    FUZZ_CHECK(Values() == saved);
    return 0;
}
