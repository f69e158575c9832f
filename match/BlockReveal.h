#pragma once

namespace qv {

class Game;

/// Turning blocks: a try is two clicks; the same figure is a pair that leaves the
/// board after a short pause, two different ones close again after a longer one.
/// `revealPause` animates the uncovering and runs both pauses.
class BlockReveal {
public:
    explicit BlockReveal(Game& game);

    /// A click on the cover of board position 1..24, a person's or the computer's.
    void onCoverClick(int position);
    /// The click gate: a person turns the next block only after the previous one
    /// has finished uncovering.
    bool acceptClick();
    /// Every 30 ms while `revealPause` runs.
    void onRevealTick();

private:
    bool computerProbing() const;
    void showCover(int position, bool visible);
    void showFace(int position, bool visible);

    Game& m_game;
};

} // namespace qv
