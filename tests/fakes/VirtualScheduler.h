#pragma once

#include "platform/Clock.h"
#include "platform/Timer.h"

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace qv::test {

/// Virtual time for tests: timers fire in time order as time is advanced, a
/// handler's wait lets the other timers fire inside it (as a nested event loop
/// does; a timer whose handler is still running is passed over, as Qt does), and
/// a blocking call can hold time without anything firing. It is the clock too, so
/// a three-minute match runs in milliseconds and always the same way.
class VirtualScheduler final : public Scheduler, public Clock {
public:
    explicit VirtualScheduler(std::int64_t startOfDayMilliseconds = 10 * 3600 * 1000);

    void add(Timer& timer) override;
    void remove(Timer& timer) override;
    void intervalChanged(Timer& timer) override;
    void waitProcessingEvents(int milliseconds) override { advance(milliseconds); }

    /// From now on timers fire as a busy desktop fires precise timers: on a grid
    /// from their start, each tick 0-3 ms late; after one tick in fifty the loop
    /// stalls for 50-450 ms, and a tick that is overdue then fires once, its grid
    /// starting again from then. The seed makes a run repeatable.
    void firePrecisely(std::uint32_t seed);
    /// When the loop last came back from a stall.
    std::int64_t freeSince() const { return m_freeSince; }
    /// Called after every timer tick, as the window renders after every event.
    void setAfterEvent(std::function<void()> afterEvent) { m_afterEvent = std::move(afterEvent); }

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
        std::int64_t grid; ///< when the tick is meant to come
        std::int64_t due;  ///< when it comes
    };
    Entry* nextDue(std::int64_t until);
    void schedule(Entry& entry, std::int64_t grid);
    /// The entry's next tick after the one due now.
    void reschedule(Entry& entry);
    void fire(Entry& entry);
    bool handlerRunning(const Timer& timer) const;

    std::int64_t m_now = 0;
    std::int64_t m_startOfDay;
    std::vector<Entry> m_entries;
    /// Timers whose handler is running, the innermost last.
    std::vector<const Timer*> m_running;
    bool m_precise = false;
    std::int64_t m_freeSince = 0;
    std::mt19937 m_random;
    std::function<void()> m_afterEvent;
};

} // namespace qv::test
