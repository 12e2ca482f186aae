// The millisecond tick count and sleeping, behind one interface so that tests
// can run the game's pauses and thinking-time clocks on a virtual clock.
#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t TickCount() = 0;
    virtual void Sleep(int ms) = 0;
};

// Advances only when slept on, and at once.
class VirtualClock : public Clock {
public:
    uint32_t TickCount() override { return now_; }
    void Sleep(int ms) override { now_ += static_cast<uint32_t>(ms > 0 ? ms : 0); }

private:
    uint32_t now_ = 0;
};

// Installs the clock the program uses; nullptr goes back to the system clock.
void SetClock(Clock* clock);

uint32_t TickCount();
// Blocks the calling thread; nothing is dispatched meanwhile.
void Sleep(int ms);
