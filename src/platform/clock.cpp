#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace {
// The thinking-time clocks keep a running clock as the negative difference
// of its time and the tick count, which needs the tick count above every time
// a game can hold (below 10^9 ms) and below 2^31: counting from the machine's
// start would break that after 24.8 days of uptime, or just after boot.
constexpr uint32_t kFirstTick = 1u << 30;

class SystemClock : public Clock {
public:
    uint32_t TickCount() override {
        const auto since = std::chrono::steady_clock::now() - start_;
        return kFirstTick + static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }
    void Sleep(int ms) override {
        if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

private:
    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

SystemClock g_systemClock;
Clock* g_clock = &g_systemClock;
}  // namespace

void SetClock(Clock* clock) { g_clock = clock ? clock : &g_systemClock; }

uint32_t TickCount() { return g_clock->TickCount(); }

void Sleep(int ms) { g_clock->Sleep(ms); }
