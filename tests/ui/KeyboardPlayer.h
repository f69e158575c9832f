#pragma once

#include "app/TFORM1.h"
#include "tests/fakes/VirtualScheduler.h"

#include <QApplication>
#include <QTest>

#include <map>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace qv::test {

/// A player who uses only the keyboard: keys go where the window's focus is,
/// and what the player knows of the board is what the frame shows.
class KeyboardPlayer {
public:
    KeyboardPlayer(TFORM1& window, VirtualScheduler& scheduler)
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
    /// The two positions of every pair still on the board.
    std::vector<std::pair<int, int>> pairs() const {
        const Game& game = m_window.game();
        std::map<int, std::vector<int>> byFigure;
        for (int k = 1; k <= game.state.BlockCount; ++k) {
            if (game.view.face(k).visible)
                byFigure[game.state.SlotFigure[static_cast<std::size_t>(k)].holder].push_back(k);
        }
        std::vector<std::pair<int, int>> result;
        for (const auto& [figure, positions] : byFigure) {
            if (positions.size() == 2)
                result.emplace_back(positions[0], positions[1]);
        }
        return result;
    }

private:
    TFORM1& m_window;
    VirtualScheduler& m_scheduler;
};

} // namespace qv::test
