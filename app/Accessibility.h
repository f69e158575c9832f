#pragma once

#include "match/MatchNarrator.h"

#include <QString>

namespace qv {

class Announcer;
class BoardKeyboard;
class PictureBox;
class MainWindow;

/// What a screen reader finds in the main window: every block with its number
/// and state, the score board in words, the focus holder as the board, and the
/// news of the match spoken as it happens.
class MainWindowAccessibility {
public:
    MainWindowAccessibility(MainWindow& window, const BoardKeyboard& keyboard);

    /// Brings names and states in line with the window; runs after every render.
    void update();

private:
    void nameBlocks();
    void nameScoreBoard();
    void followPointedBlock();

    MainWindow& m_window;
    const BoardKeyboard& m_keyboard;
    MatchNarrator m_narrator;
    Announcer* m_announcer;
    PictureBox* m_pointed = nullptr;
};

} // namespace qv
