// kestro-train: teaches the Expert's networks by self-play, saving as it goes
// so that a run can be stopped and taken up again later.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>

#include "expert/weights_file.h"
#include "strength_check.h"
#include "td_trainer.h"

using namespace expert;

namespace {

const char kUsage[] =
    "usage: kestro-train --out FILE [--games N] [--seed S] [--hidden H] [--race-hidden H]\n"
    "                    [--rate-start R] [--rate-end R] [--rate-games N]\n"
    "                    [--save-every N] [--check-every N] [--check-games N]\n"
    "                    [--reference FILE]\n"
    "\n"
    "Trains the Expert by self-play until N games in all (default 1000000) and\n"
    "writes the weights to FILE every --save-every games (default 10000), with\n"
    "the games played so far in FILE.state. If FILE and FILE.state exist the run\n"
    "goes on from them. Every --check-every games (default 50000, 0 never) it\n"
    "plays --check-games (default 1000) cubeless games at 0-ply against the\n"
    "\"Good\" level on fixed dice and prints the points per game; with\n"
    "--reference, also 4 times as many against those weights at 0-ply.\n";

struct Options {
    std::string out, reference;
    long long games = 1000000, seed = 1, hidden = 128, raceHidden = 64;
    long long saveEvery = 10000, checkEvery = 50000, checkGames = 1000;
    TrainingSettings training;
};

// A setter of one numeric field from the command line.
template <typename T>
std::function<void(double)> Into(T& field) {
    return [&field](double value) { field = static_cast<T>(value); };
}

bool Parse(int argc, char** argv, Options& o) {
    const std::pair<const char*, std::function<void(double)>> numbers[] = {
        {"--games", Into(o.games)},
        {"--seed", Into(o.seed)},
        {"--hidden", Into(o.hidden)},
        {"--race-hidden", Into(o.raceHidden)},
        {"--save-every", Into(o.saveEvery)},
        {"--check-every", Into(o.checkEvery)},
        {"--check-games", Into(o.checkGames)},
        {"--rate-start", Into(o.training.startRate)},
        {"--rate-end", Into(o.training.endRate)},
        {"--rate-games", Into(o.training.rateGames)},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) return false;
        const char* value = argv[++i];
        if (name == "--out" || name == "--reference") {
            (name == "--out" ? o.out : o.reference) = value;
            continue;
        }
        char* end = nullptr;
        const double number = std::strtod(value, &end);
        const auto known = std::find_if(std::begin(numbers), std::end(numbers),
                                        [&](const auto& option) { return name == option.first; });
        if (*end != '\0' || number < 0 || known == std::end(numbers)) return false;
        known->second(number);
    }
    return !o.out.empty() && o.hidden >= 1 && o.hidden <= 1024 && o.raceHidden >= 1 && o.raceHidden <= 1024 &&
           o.saveEvery >= 1 && o.training.rateGames >= 1;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return in ? s.str() : std::string();
}

std::string LoadBrainFrom(const std::string& bytes, Brain& brain) {
    return LoadBrain(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), brain);
}

// Written beside the target and renamed over it, so a stop mid-write loses nothing.
bool WriteFile(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

bool Save(const Options& o, const Brain& brain, long long games) {
    const std::vector<uint8_t> bytes = SaveBrain(brain);
    return WriteFile(o.out, std::string(bytes.begin(), bytes.end())) &&
           WriteFile(o.out + ".state", "games " + std::to_string(games) + "\n");
}

// The weights and game count to go on from, or a fresh network at game 0.
bool Start(const Options& o, Brain& brain, long long& games) {
    const std::string bytes = ReadFile(o.out), state = ReadFile(o.out + ".state");
    if (bytes.empty() || state.empty()) {
        std::mt19937 random(static_cast<uint32_t>(o.seed));
        brain.contact = RandomNetwork(static_cast<int>(o.hidden), random);
        brain.race = RandomNetwork(static_cast<int>(o.raceHidden), random);
        games = 0;
        return true;
    }
    const std::string problem = LoadBrainFrom(bytes, brain);
    if (!problem.empty() || std::sscanf(state.c_str(), "games %lld", &games) != 1) {
        std::cerr << "kestro-train: cannot go on from " << o.out << ": "
                  << (problem.empty() ? "unreadable state file" : problem) << "\n";
        return false;
    }
    std::cout << "going on from game " << games << "\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!Parse(argc, argv, o)) {
        std::cerr << kUsage;
        return 2;
    }
    Brain brain;
    long long games = 0;
    if (!Start(o, brain, games)) return 1;
    Brain reference;
    const std::string problem = o.reference.empty() ? "" : LoadBrainFrom(ReadFile(o.reference), reference);
    if (!problem.empty()) {
        std::cerr << "kestro-train: cannot read " << o.reference << ": " << problem << "\n";
        return 1;
    }
    // Each block of games draws its own dice, so a resumed run plays on
    // exactly as an unbroken one would.
    const auto start = std::chrono::steady_clock::now();
    const long long first = games;
    long long plays = 0;
    while (games < o.games) {
        TdTrainer trainer(brain, o.training, static_cast<uint64_t>(o.seed) * 1000003u + games);
        const long long blockEnd = std::min(o.games, games + o.saveEvery);
        for (; games < blockEnd; ++games) plays += trainer.PlayGame(games);
        if (!Save(o, brain, games)) {
            std::cerr << "kestro-train: cannot write " << o.out << "\n";
            return 1;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double rate = (games - first) / seconds;
        std::printf("games %lld  %.0f games/s  %.1f plays/game  %.0f min left\n", games, rate,
                    static_cast<double>(plays) / (games - first), (o.games - games) / rate / 60);
        if (o.checkEvery > 0 && games % o.checkEvery == 0) {
            std::printf("  against Good at 0-ply: %s\n", StrengthAgainstGood(brain, o.checkGames).c_str());
            if (!o.reference.empty())
                std::printf("  against the reference: %s\n",
                            StrengthAgainst(brain, reference, 4 * o.checkGames).c_str());
        }
        std::fflush(stdout);
    }
    return 0;
}
