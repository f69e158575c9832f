#pragma once

namespace qv {

class Game;

/// The computer as the second contender on one board. For now it remembers the
/// person's latest try; its moves come with the level choice.
class ComputerOpponent {
public:
    explicit ComputerOpponent(Game& game) : m_game(game) {}

    /// The turn is the computer's: its wait and its move.
    void trigger() {}
    void recebe_fig_usu(int position);
    void recebe_fig_usu2(int position);

private:
    Game& m_game;
};

} // namespace qv
