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
    void apagarVenPerd();

    /// Puts the first ten characters of `text` on the travelling letters and starts
    /// the winner animation.
    void nomevencedor(const std::string& text);

    /// One frame of the animation: the trophy frames, then the travelling letters.
    void Timer3Timer();

    /// One step of the winner's name along its path: ten steps in, ten steps out.
    void Mostrarvencedor();

    /// One step of PERDI along its path: five steps in, one on, five steps out.
    void Mostrarperdedor();

private:
    Game& m_game;
    std::array<Control*, 10> m_nameLetters{}; ///< L1 .. L10
    std::array<Control*, 5> m_loserLetters{}; ///< LB1 .. LB5
    Control* m_trophy = nullptr;              ///< TROFEU
};

} // namespace qv
