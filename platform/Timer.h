#pragma once

#include <functional>
#include <string>

namespace qv {

class Scheduler;

/// A timer component as the game describes it: it calls its handler every
/// `interval()` milliseconds while the interval is not 0. Setting the interval it
/// already has changes nothing, so a running timer keeps its rhythm.
class Timer {
public:
    Timer(Scheduler& scheduler, std::string name);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return m_name; }
    int interval() const { return m_interval; }
    bool running() const { return m_interval != 0; }
    void setInterval(int milliseconds);
    void stop() { setInterval(0); }

    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    /// Called by the scheduler when the timer is due.
    void fire();

private:
    Scheduler& m_scheduler;
    std::string m_name;
    int m_interval = 0;
    std::function<void()> m_handler;
};

/// The event loop's side of the timers: it starts, restarts and stops them as
/// their intervals change, and lets a handler wait while events go on.
class Scheduler {
public:
    virtual ~Scheduler() = default;
    virtual void add(Timer& timer) = 0;
    virtual void remove(Timer& timer) = 0;
    /// The interval changed: restart the rhythm from now, or stop on 0.
    virtual void intervalChanged(Timer& timer) = 0;
    /// Waits the given time while timers keep firing and windows keep painting.
    virtual void waitProcessingEvents(int milliseconds) = 0;
};

} // namespace qv
