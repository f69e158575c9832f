#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "match/SoundCues.h"
#include "platform/Screen.h"

#include <array>
#include <string>

namespace qv {

/// The result panel's winner and loser animation.
class EndDisplay {
public:
    /// `screen` is read at every step: the window sets it once it knows the screen.
    EndDisplay(MatchState& state, MainView& view, MatchTimers& timers, SoundCues& sound,
               const ScreenSize& screen);
    EndDisplay(const EndDisplay&) = delete;
    EndDisplay& operator=(const EndDisplay&) = delete;

    /// Stops the animation and clears the panel.
    void clearResult();

    /// Puts the first ten characters of `text` on the travelling letters and starts
    /// the winner animation.
    void showWinner(const std::string& text);

    /// One frame of the animation: the trophy frames, then the travelling letters.
    void onFrame();

    /// One step of the winner's name along its path: ten steps in, ten steps out.
    void stepWinnerName();

    /// One step of PERDI along its path: five steps in, one on, five steps out.
    void stepLoserLetters();

private:
    MatchState& m_state;
    MainView& m_view;
    MatchTimers& m_timers;
    SoundCues& m_sound;
    const ScreenSize& m_screen;
    std::array<Control*, 10> m_nameLetters{}; ///< the winner's travelling letters
    std::array<Control*, 5> m_loserLetters{}; ///< the letters of PERDI
    Control* m_trophy = nullptr;              ///< the trophy picture
};

} // namespace qv
