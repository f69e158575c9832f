#pragma once

namespace qv {

class Game;

/// The result panel's winner and loser animation.
class EndDisplay {
public:
    explicit EndDisplay(Game& game) : m_game(game) {}

    /// Stops the animation and clears the panel.
    void apagarVenPerd();

private:
    Game& m_game;
};

} // namespace qv
