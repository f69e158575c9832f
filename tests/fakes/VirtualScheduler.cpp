#include "tests/fakes/VirtualScheduler.h"

#include <algorithm>

namespace qv::test {

namespace {
constexpr std::int64_t kDay = 24LL * 3600 * 1000;
}

VirtualScheduler::VirtualScheduler(std::int64_t startOfDayMilliseconds)
    : m_startOfDay(startOfDayMilliseconds) {
}

void VirtualScheduler::add(Timer& timer) {
    m_entries.push_back({&timer, 0});
}

void VirtualScheduler::remove(Timer& timer) {
    std::erase_if(m_entries, [&timer](const Entry& e) { return e.timer == &timer; });
}

void VirtualScheduler::intervalChanged(Timer& timer) {
    for (Entry& e : m_entries) {
        if (e.timer == &timer)
            e.due = m_now + timer.interval();
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

void VirtualScheduler::advance(std::int64_t milliseconds) {
    const std::int64_t until = m_now + milliseconds;
    while (Entry* entry = nextDue(until)) {
        m_now = std::max(m_now, entry->due);
        Timer* timer = entry->timer;
        // Ticks missed while time was held are not caught up, as on a real event loop.
        entry->due = std::max(entry->due + timer->interval(), m_now + 1);
        timer->fire();
    }
    m_now = std::max(m_now, until);
}

std::int64_t VirtualScheduler::millisecondsSinceMidnight() const {
    return (m_startOfDay + m_now) % kDay;
}

} // namespace qv::test
