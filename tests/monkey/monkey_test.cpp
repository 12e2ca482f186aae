// The whole window under random input. By default a few hundred steps from
// seed 1 on; the soak script sets KESTRO_MONKEY_SECONDS to go on for longer,
// and KESTRO_MONKEY_SEED replays a run that failed.
#include "monkey/monkey.h"

#include <QApplication>
#include <QTextBrowser>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "controller/highlight.h"
#include "controller/new_game.h"
#include "dice/mevra32.h"
#include "game/game.h"
#include "interchange/kept_games.h"
#include "monkey/monkey_answers.h"
#include "platform/profile.h"
#include "rules/game_stats.h"
#include "settings/color_scheme.h"
#include "shell/game_wnd_fixture.h"
#include "stats/stats_record.h"
#include "temp_dir.h"

namespace {
constexpr long kDefaultSteps = 300;

long EnvNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

// A step that takes longer than this is a freeze.
constexpr auto kFrozen = std::chrono::seconds(120);

// Aborts the run, naming the seed and the last steps, when no step is taken
// for a long time. The main thread is stuck then, so its history holds still.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              long last = -1;
              auto since = std::chrono::steady_clock::now();
              while (!stop_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  if (Monkey::Progress() != last) {
                      last = Monkey::Progress();
                      since = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - since > kFrozen) {
                      const History* history = watched_.load();
                      std::fprintf(stderr, "frozen: seed %u, no step for %lld s\nthe last steps:\n%s", seed_.load(),
                                   static_cast<long long>(kFrozen.count()), history ? history->Recent().c_str() : "");
                      std::abort();
                  }
              }
          }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
    }
    void Watch(uint32_t seed, const History* history) {
        seed_ = seed;
        watched_ = history;
    }

private:
    std::atomic<bool> stop_{false};
    std::atomic<uint32_t> seed_{0};
    std::atomic<const History*> watched_{nullptr};
    std::thread thread_;
};

class MonkeyTest : public GameWndTest {
protected:
    void SetUp() override {
        // The files a run writes, with options at random, are the run's own.
        home_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.File(""));
        GameWndTest::SetUp();
        // Exit closes the window, which ends a run but not the test program.
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override {
        GameWndTest::TearDown();
        QApplication::setQuitOnLastWindowClosed(true);
        std::filesystem::current_path(home_);
    }

    // A player's first start with options drawn from the seed, then `steps`
    // random steps. Returns what broke.
    std::string RunSeed(uint32_t seed, long steps, Watchdog& watchdog) {
        wnd.reset();
        for (const char* file : {INI_FILE_NAME, STATS_FILE_NAME, SCHEME_FILE_NAME, KEPT_GAMES_FILE_NAME})
            std::filesystem::remove(file);
        Chance chance(seed);
        History history;
        watchdog.Watch(seed, &history);
        WriteStartOptions(chance);
        clock = VirtualClock();
        MonkeyAnswers answers(chance, history, "monkey-files", KESTRO_FIXTURES "/start-6-4-cube2-human.pos");
        wnd = std::make_unique<GameWnd>(1024);
        ShowActive();
        QTest::mouseMove(wnd.get(), QPoint(0, 0));
        // The window seeds the dice from the time; the run's first game is the seed's.
        SetSeed(static_cast<int32_t>(seed));
        NewGame(session());
        Monkey monkey(*wnd, chance, history);
        const std::string broken = monkey.Run(steps, [this, &answers] { return answers.BrokenSavedFile(game()); });
        watchdog.Watch(seed, nullptr);
        return broken.empty() ? broken : "seed " + std::to_string(seed) + ", " + broken;
    }

    static void WriteStartOptions(Chance& chance) {
        const std::pair<const char*, int> options[] = {{"UseCube", 1},
                                                       {"AutoFinish", 2},
                                                       {"DiceAsIcons", 1},
                                                       {"AutoChangeTurn", 1},
                                                       {"LevelOfPlay", 3},
                                                       {"FirstMoveBy", 2},
                                                       {"ShowProgress", 1},
                                                       {"AutoForcedMoves", 1},
                                                       {"HitShake", 1},
                                                       {"HighLight", 2},
                                                       {"IntelMoves", 1},
                                                       {"ManualDice", 1},
                                                       {"ClockWise", 1},
                                                       {"CurScheme", 3},
                                                       {"ShowPips", 1},
                                                       // 1 and 3 are matches, 0 and 2 money play.
                                                       {"MatchLength", 3},
                                                       {"DoubleBeforeRoll", 1}};
        for (auto [key, most] : options) WriteProfileInt(OPTIONS_SECTION, key, chance.Between(0, most));
        WriteProfileInt(OPTIONS_SECTION, "speed", chance.OneIn(4) ? chance.Between(0, 100) : 100);
    }

private:
    TempDir dir_{"monkey"};
    std::filesystem::path home_;
};

TEST_F(MonkeyTest, RandomInputKeepsEveryInvariant) {
    const auto first = static_cast<uint32_t>(EnvNumber("KESTRO_MONKEY_SEED", 1));
    const long steps = EnvNumber("KESTRO_MONKEY_STEPS", kDefaultSteps);
    const auto budget = std::chrono::seconds(EnvNumber("KESTRO_MONKEY_SECONDS", 0));
    uint32_t seed = first;
    Watchdog watchdog;
    const auto start = std::chrono::steady_clock::now();
    const long before = Monkey::Progress();
    const long beforeInWait = Monkey::StepsInWait();
    long taken = 0;
    // Seed after seed until the time is spent, and at least `steps` in all:
    // a seed ends early when Exit or Quit closes the window.
    do {
        const std::string broken = RunSeed(seed, steps, watchdog);
        ASSERT_TRUE(broken.empty()) << broken << "replay: KESTRO_MONKEY_SEED=" << seed
                                    << " KESTRO_MONKEY_STEPS=" << steps;
        ++seed;
        taken = Monkey::Progress() - before;
    } while (std::chrono::steady_clock::now() - start < budget || taken < steps);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("monkey: seeds %u..%u, %ld steps (%ld in the end-of-turn wait) in %.0f s, %.0f steps/s\n", first,
                seed - 1, taken, Monkey::StepsInWait() - beforeInWait, seconds, taken / seconds);
}
}  // namespace
