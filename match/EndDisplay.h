#pragma once

#include <array>
#include <string>

namespace qv {

class Game;
struct Control;

/// The result panel's winner and loser animation.
class EndDisplay {
public:
    explicit EndDisplay(Game& game);
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
    Game& m_game;
    std::array<Control*, 10> m_nameLetters{}; ///< the winner's travelling letters
    std::array<Control*, 5> m_loserLetters{}; ///< the letters of PERDI
    Control* m_trophy = nullptr;              ///< the trophy picture
};

} // namespace qv
