#pragma once

#include "sound/TonePlayer.h"

#include <chrono>
#include <thread>

namespace qv {

/// The machine's monotonic clock as a wrapping millisecond counter; pauses sleep.
class SteadyTicks final : public TickCounter {
public:
    std::uint32_t GetTickCount() override {
        using namespace std::chrono;
        const auto now = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
        return static_cast<std::uint32_t>(now.count());
    }
    void pause(std::uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

} // namespace qv
