#pragma once
// The millisecond clock and the sleep of the program. Transitions, fades, timers and
// waits take both from here, so that tests can put a virtual clock in their place.
#include <cstdint>
#include <vector>

namespace gb {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start, wrapping around at 2^32.
    virtual uint32_t Milliseconds() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

// The clock in use: the system's, unless a test has set another one.
Clock& CurrentClock();
// nullptr goes back to the system clock. The caller keeps ownership.
void SetClock(Clock* clock);

inline uint32_t TimeGetTime() { return CurrentClock().Milliseconds(); }
inline void Sleep(uint32_t milliseconds) { CurrentClock().Sleep(milliseconds); }

// A clock whose time passes only by its sleeps (and by Advance); it records every
// sleep, so tests can check the timing of what they drive without waiting.
class VirtualClock : public Clock {
public:
    uint32_t Milliseconds() override { return now_; }
    void Sleep(uint32_t milliseconds) override {
        sleeps_.push_back(milliseconds);
        now_ += milliseconds;
    }
    void Advance(uint32_t milliseconds) { now_ += milliseconds; }
    const std::vector<uint32_t>& Sleeps() const { return sleeps_; }
    void ClearSleeps() { sleeps_.clear(); }

private:
    uint32_t now_ = 1000;
    std::vector<uint32_t> sleeps_;
};

// Installs a virtual clock for the lifetime of this object.
class ScopedVirtualClock : public VirtualClock {
public:
    ScopedVirtualClock() { SetClock(this); }
    ~ScopedVirtualClock() override { SetClock(nullptr); }
    ScopedVirtualClock(const ScopedVirtualClock&) = delete;
    ScopedVirtualClock& operator=(const ScopedVirtualClock&) = delete;
};

} // namespace gb
