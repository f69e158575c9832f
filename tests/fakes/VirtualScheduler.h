#pragma once

#include "platform/Clock.h"
#include "platform/Timer.h"

#include <cstdint>
#include <vector>

namespace qv::test {

/// Virtual time for tests: timers fire in time order as time is advanced, a
/// handler's wait lets timers fire inside it (as a nested event loop does), and a
/// blocking call can hold time without anything firing. It is the clock too, so
/// a three-minute match runs in milliseconds and always the same way.
class VirtualScheduler final : public Scheduler, public Clock {
public:
    explicit VirtualScheduler(std::int64_t startOfDayMilliseconds = 10 * 3600 * 1000);

    void add(Timer& timer) override;
    void remove(Timer& timer) override;
    void intervalChanged(Timer& timer) override;
    void waitProcessingEvents(int milliseconds) override { advance(milliseconds); }

    /// Lets time pass, firing every timer that falls due on the way.
    void advance(std::int64_t milliseconds);
    /// Lets time pass without firing: a call that blocks the event loop.
    void hold(std::int64_t milliseconds) { m_now += milliseconds; }
    std::int64_t now() const { return m_now; }

    std::int64_t millisecondsSinceMidnight() const override;
    std::int64_t steadyMilliseconds() const override { return m_now; }

private:
    struct Entry {
        Timer* timer;
        std::int64_t due;
    };
    Entry* nextDue(std::int64_t until);

    std::int64_t m_now = 0;
    std::int64_t m_startOfDay;
    std::vector<Entry> m_entries;
};

} // namespace qv::test
