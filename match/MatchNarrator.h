#pragma once

#include <array>
#include <string>

namespace qv {

class MainView;
struct MatchState;
struct MatchTimers;

/// Tells a player who cannot see the board what just happened: a block turned
/// and its figure, a pair found, a miss, the turn passing, the clock reaching
/// 1:00, 0:30 and 0:10, the start and the end of a match. It compares the match with how it stood
/// at the last call, so the window asks it after every event, whoever made the move.
class MatchNarrator {
public:
    MatchNarrator(const MatchState& state, const MainView& view, const MatchTimers& timers);

    /// What happened since the last call, as one sentence or a few; empty when
    /// nothing worth saying happened.
    std::string news();

    /// A block whose figure shows: its cover is gone, or it is still flashing
    /// while it uncovers.
    bool isOpen(int position) const;

private:
    struct Moment {
        bool inProgress = false;
        std::array<bool, 25> open{};
        int boardPoints = 0;
        bool missOpen = false;
        int firstCover = 0;
        int secondCover = 0;
        int secondTurn = 0;
        std::string points1;
        std::string points2;
        int secondsLeft = -1; ///< what the clock shows; -1 while it does not count down
    };

    Moment now() const;
    std::string ending() const;
    std::string turnOf(int secondTurn) const;

    const MatchState& m_state;
    const MainView& m_view;
    const MatchTimers& m_timers;
    Moment m_last;
};

} // namespace qv
