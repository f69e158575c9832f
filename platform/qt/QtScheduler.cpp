#include "platform/qt/QtScheduler.h"

#include <QEventLoop>
#include <QTimer>

namespace qv {

void QtScheduler::add(Timer& timer) {
    auto* qtimer = new QTimer(this);
    qtimer->setTimerType(Qt::PreciseTimer);
    connect(qtimer, &QTimer::timeout, this, [this, &timer] {
        timer.fire();
        if (m_afterEvent)
            m_afterEvent();
    });
    m_timers.emplace(&timer, qtimer);
}

void QtScheduler::remove(Timer& timer) {
    auto found = m_timers.find(&timer);
    if (found == m_timers.end())
        return;
    delete found->second;
    m_timers.erase(found);
}

void QtScheduler::intervalChanged(Timer& timer) {
    QTimer* qtimer = m_timers.at(&timer);
    if (timer.interval() == 0)
        qtimer->stop();
    else
        qtimer->start(timer.interval());
}

void QtScheduler::waitProcessingEvents(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace qv
