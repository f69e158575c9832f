#pragma once

namespace qv {

class ComputerOpponent;
class MainView;
class Scoring;
class SoundCues;
struct MatchState;
struct MatchTimers;

/// Turning blocks: a try is two clicks; the same figure is a pair that leaves the
/// board after a short pause, two different ones close again after a longer one.
/// `revealPause` animates the uncovering and runs both pauses.
class BlockReveal {
public:
    BlockReveal(MatchState& state, MainView& view, MatchTimers& timers, SoundCues& sound,
                Scoring& scoring, ComputerOpponent& computer);

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

    MatchState& m_state;
    MainView& m_view;
    MatchTimers& m_timers;
    SoundCues& m_sound;
    Scoring& m_scoring;
    ComputerOpponent& m_computer;
};

} // namespace qv
