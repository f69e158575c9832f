#pragma once

#include "platform/Timer.h"

#include <QObject>

#include <functional>
#include <unordered_map>

class QTimer;

namespace qv {

/// Runs the game's timers on QTimers of the event loop; after every tick the
/// window renders what the tick changed.
class QtScheduler final : public QObject, public Scheduler {
public:
    void setAfterEvent(std::function<void()> afterEvent) { m_afterEvent = std::move(afterEvent); }

    void add(Timer& timer) override;
    void remove(Timer& timer) override;
    void intervalChanged(Timer& timer) override;
    void waitProcessingEvents(int milliseconds) override;

private:
    std::unordered_map<Timer*, QTimer*> m_timers;
    std::function<void()> m_afterEvent;
};

} // namespace qv
