#include "platform/Timer.h"

namespace qv {

Timer::Timer(Scheduler& scheduler, std::string name)
    : m_scheduler(scheduler), m_name(std::move(name)) {
    m_scheduler.add(*this);
}

Timer::~Timer() {
    m_scheduler.remove(*this);
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds < 0)
        milliseconds = 0;
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    m_scheduler.intervalChanged(*this);
}

void Timer::fire() {
    if (m_interval != 0 && m_handler)
        m_handler();
}

} // namespace qv
