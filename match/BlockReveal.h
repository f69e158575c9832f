#pragma once

namespace qv {

class Game;

/// Turning blocks: a try is two clicks; the same figure is a pair that leaves the
/// board after a short pause, two different ones close again after a longer one.
/// `Timer2` animates the uncovering and runs both pauses.
class BlockReveal {
public:
    explicit BlockReveal(Game& game);

    /// The click on the cover of board position 1..24 (Image9Click ... Image60Click).
    void onBlockClick(int position);
    /// The click gate: a person turns the next block only after the previous one
    /// has finished uncovering.
    bool Evita_dupAbrir();
    /// Every 30 ms while `Timer2` runs.
    void imageclose();

private:
    bool computerProbing() const;
    void showCover(int position, bool visible);
    void showFace(int position, bool visible);

    Game& m_game;
};

} // namespace qv
