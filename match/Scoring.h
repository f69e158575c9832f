#pragma once

namespace qv {

class Game;

/// +150 for a pair, -25 for a miss, to whoever plays; on one board a miss passes
/// the turn and a pair keeps it.
class Scoring {
public:
    explicit Scoring(Game& game) : m_game(game) {}

    void scorePair();
    void scoreMiss();

private:
    void add(int points);

    Game& m_game;
};

} // namespace qv
