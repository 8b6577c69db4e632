#include "Clock.h"

#include <ctime>
#include <thread>
#include <chrono>

namespace gb {
namespace {

class SystemClock : public Clock {
public:
    uint32_t Milliseconds() override {
        timespec ts {};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<uint32_t>(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
    }
    void Sleep(uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

SystemClock systemClock;
Clock* current = &systemClock;

} // namespace

Clock& CurrentClock() { return *current; }
void SetClock(Clock* clock) { current = clock ? clock : &systemClock; }

} // namespace gb
