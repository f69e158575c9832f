#include "tests/fakes/VirtualScheduler.h"

#include <algorithm>

namespace qv::test {

namespace {
constexpr std::int64_t kDay = 24LL * 3600 * 1000;
}

VirtualScheduler::VirtualScheduler(std::int64_t startOfDayMilliseconds)
    : m_startOfDay(startOfDayMilliseconds) {
}

void VirtualScheduler::firePrecisely(std::uint32_t seed) {
    m_precise = true;
    m_random.seed(seed);
}

void VirtualScheduler::add(Timer& timer) {
    m_entries.push_back({&timer, 0, 0});
}

void VirtualScheduler::remove(Timer& timer) {
    std::erase_if(m_entries, [&timer](const Entry& e) { return e.timer == &timer; });
    std::erase(m_running, &timer);
}

void VirtualScheduler::schedule(Entry& entry, std::int64_t grid) {
    entry.grid = grid;
    entry.due = grid;
    if (m_precise)
        entry.due += std::uniform_int_distribution<int>(0, 3)(m_random);
}

void VirtualScheduler::intervalChanged(Timer& timer) {
    // A timer started again is a new timer to the event loop: it may fire inside
    // the handler that started it.
    std::erase(m_running, &timer);
    for (Entry& e : m_entries) {
        if (e.timer == &timer)
            schedule(e, m_now + timer.interval());
    }
}

VirtualScheduler::Entry* VirtualScheduler::nextDue(std::int64_t until) {
    Entry* next = nullptr;
    for (Entry& e : m_entries) {
        if (e.timer->running() && e.due <= until && (!next || e.due < next->due))
            next = &e;
    }
    return next;
}

void VirtualScheduler::reschedule(Entry& entry) {
    const int interval = entry.timer->interval();
    if (!m_precise) {
        // Ticks missed while time was held are not caught up, as on a real event loop.
        entry.due = std::max(entry.due + interval, m_now + 1);
        return;
    }
    // The next tick keeps to the grid unless it is overdue already.
    const std::int64_t grid = entry.grid + interval;
    schedule(entry, grid < m_now ? m_now + interval : grid);
}

bool VirtualScheduler::handlerRunning(const Timer& timer) const {
    return std::find(m_running.begin(), m_running.end(), &timer) != m_running.end();
}

void VirtualScheduler::fire(Entry& entry) {
    m_now = std::max(m_now, entry.due);
    reschedule(entry);
    Timer* timer = entry.timer; // the entry may move while the handler runs
    // Qt never enters a timer's handler again while it runs (in a nested wait):
    // the tick is lost, and the rhythm goes on from it.
    if (handlerRunning(*timer))
        return;
    m_running.push_back(timer);
    timer->fire();
    if (auto mine = std::find(m_running.rbegin(), m_running.rend(), timer);
        mine != m_running.rend())
        m_running.erase(std::next(mine).base());
    if (m_afterEvent)
        m_afterEvent();
    if (m_precise && std::uniform_int_distribution<int>(0, 49)(m_random) == 0) {
        m_now += std::uniform_int_distribution<int>(50, 450)(m_random);
        m_freeSince = m_now;
    }
}

void VirtualScheduler::advance(std::int64_t milliseconds) {
    const std::int64_t until = m_now + milliseconds;
    while (Entry* entry = nextDue(until))
        fire(*entry);
    m_now = std::max(m_now, until);
}

std::int64_t VirtualScheduler::millisecondsSinceMidnight() const {
    return (m_startOfDay + m_now) % kDay;
}

} // namespace qv::test
