#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace {
class SystemClock : public Clock {
public:
    uint32_t TickCount() override {
        const auto since = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }
    void Sleep(int ms) override {
        if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
};

SystemClock g_systemClock;
Clock* g_clock = &g_systemClock;
}  // namespace

void SetClock(Clock* clock) { g_clock = clock ? clock : &g_systemClock; }

uint32_t TickCount() { return g_clock->TickCount(); }

void Sleep(int ms) { g_clock->Sleep(ms); }
