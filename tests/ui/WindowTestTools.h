#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace qv::test {

/// Ends every event loop if a window that should close by itself never does, so
/// a fault fails the test instead of hanging it.
class Watchdog {
public:
    Watchdog() {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            ADD_FAILURE() << "the window never closed";
            QCoreApplication::exit(1);
        });
        m_timer.start(10000);
    }

private:
    QTimer m_timer;
};

/// Saves what the window shows when QV_SCREENSHOTS names a folder, so a person can
/// look at it.
inline void keepScreenshot(QWidget& window, const char* name) {
    const QByteArray folder = qgetenv("QV_SCREENSHOTS");
    if (!folder.isEmpty())
        window.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

} // namespace qv::test
