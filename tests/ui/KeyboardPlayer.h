#pragma once

#include "app/MainWindow.h"
#include "platform/qt/QtScreen.h"
#include "tests/fakes/MatchDriver.h"
#include "tests/fakes/TestPorts.h"

#include <QApplication>
#include <QTest>

#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace qv::test {

/// A player who uses only the keyboard: keys go where the window's focus is,
/// and what the player knows of the board is what the frame shows.
class KeyboardPlayer {
public:
    KeyboardPlayer(MainWindow& window, VirtualScheduler& scheduler)
        : m_window(window), m_scheduler(scheduler) {}

    void press(Qt::Key key) {
        QWidget* focused = m_window.focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key);
    }
    /// Lets virtual time pass, then draws what it changed, as the program does
    /// after every timer event.
    void wait(int milliseconds) {
        m_scheduler.advance(milliseconds);
        m_window.render();
    }
    /// The block the frame surrounds; 0 while no frame shows.
    int framed() const {
        const QWidget* frame = m_window.findChild<QWidget*>(QStringLiteral("FocusFrame"));
        if (!frame || !frame->isVisible())
            return 0;
        for (int k = 1; k <= 24; ++k) {
            if (m_window.control(frameNames()[static_cast<std::size_t>(k)])->geometry() ==
                frame->geometry())
                return k;
        }
        return -1;
    }
    /// Home, then right until the frame is on the block.
    void goTo(int position) {
        press(Qt::Key_Home);
        for (int step = 0; step < 24 && framed() != position; ++step)
            press(Qt::Key_Right);
        ASSERT_EQ(framed(), position);
    }
    /// Frames a block and presses Space, then waits for its uncovering.
    void turn(int position) {
        goTo(position);
        press(Qt::Key_Space);
        wait(60);
    }
    std::vector<std::pair<int, int>> pairs() const { return pairsOnBoard(m_window.game()); }

private:
    MainWindow& m_window;
    VirtualScheduler& m_scheduler;
};

/// The main window shown on the test ports, and a player at its keyboard.
class ShownMainWindow : public ::testing::Test {
protected:
    TestPorts fakes;
    QtScreen screen;
    Ports ports{fakes.scheduler, fakes.scheduler, fakes.random, fakes.dialogs, screen, fakes.paths};
    MainWindow window{ports};
    KeyboardPlayer player{window, fakes.scheduler};

    void SetUp() override {
        window.initialize();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

} // namespace qv::test
