// The seeded randomness every choice of a soak run comes from, and the run's
// recent history, so that a failure can be told and replayed.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

class Chance {
public:
    explicit Chance(uint32_t seed) : rng_(seed) {}
    // 0 .. n-1.
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool OneIn(int n) { return Below(n) == 0; }
    template <typename T>
    const T& Pick(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
    }

private:
    std::mt19937 rng_;
};

class History {
public:
    static constexpr std::size_t kKept = 30;

    void Note(std::string what) {
        if (lines_.size() == kKept) lines_.pop_front();
        lines_.push_back(std::to_string(step_) + ": " + std::move(what));
    }
    void NextStep() { ++step_; }
    long Step() const { return step_; }
    std::string Recent() const {
        std::string text;
        for (const std::string& line : lines_) text += "  " + line + "\n";
        return text;
    }

private:
    std::deque<std::string> lines_;
    long step_ = 0;
};
