#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

namespace qv {

class ComputerOpponent;
class Deal;
class EndDisplay;
class MatchEnd;

/// The match clock `matchTick`: it restores the board after the deal, counts the
/// time down from the steady clock, passes the blinking turn on one board, and
/// notices the end of a game. Also "PARAR".
class MatchClock {
public:
    MatchClock(MatchState& state, MainView& view, MatchTimers& timers, const Clock& clock,
               Dialogs& dialogs, Deal& deal, MatchEnd& matchEnd, ComputerOpponent& computer,
               EndDisplay& endDisplay);

    /// Before a deal: a change of time or players zeroes the score labels.
    void applySettingsStep();
    /// After the deal: scoreboard and clock, then the clock starts.
    void prepareAndStart();
    void onTick();
    /// Splits ElapsedSeconds into UsedMinutes and UsedSeconds.
    void computeUsedTime();
    /// "PARAR" and "&Parar".
    void onStop();

private:
    void beginGame();
    void passTurnDisplay();
    /// Shows the next clock second once it has come: the time remaining, rounded
    /// to the second, since the full board was shown.
    void clockSecond();

    MatchState& m_state;
    MainView& m_view;
    MatchTimers& m_timers;
    const Clock& m_clock;
    Dialogs& m_dialogs;
    Deal& m_deal;
    MatchEnd& m_matchEnd;
    ComputerOpponent& m_computer;
    EndDisplay& m_endDisplay;
};

} // namespace qv
