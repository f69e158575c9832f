#pragma once

#include <cstdint>

namespace qv {

/// Where the game reads time: the time of day (seeds, wall-clock display) and a
/// steady counter for durations, so a match that runs past midnight keeps its time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t millisecondsSinceMidnight() const = 0;
    virtual std::int64_t steadyMilliseconds() const = 0;
};

} // namespace qv
