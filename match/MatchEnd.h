#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "match/RecordRoutines.h"
#include "match/SoundCues.h"
#include "platform/Dialogs.h"

#include <string>

namespace qv {

class EndDisplay;
class MatchClock;
class PenaltyNotice;

/// The end of a game: the time ran out or the board was cleared. Decides the
/// winner, offers the result to the records, charges the slower of two players
/// who played one after the other, and starts the end-of-match display.
class MatchEnd {
public:
    MatchEnd(MatchState& state, MainView& view, MatchTimers& timers, SoundCues& sound,
             RecordRoutines& records, Dialogs& dialogs, MatchClock& clock, EndDisplay& endDisplay,
             PenaltyNotice& penaltyNotice)
        : m_state(state), m_view(view), m_timers(timers), m_sound(sound), m_records(records),
          m_dialogs(dialogs), m_clock(clock), m_endDisplay(endDisplay),
          m_penaltyNotice(penaltyNotice) {}

    void timeOut();
    void boardCleared();
    /// Player 2's game of a series played one after the other is over.
    void endOfSeries();
    /// Charges the slower player 20 points per second of difference.
    void chargePenalty();
    /// A game began beyond the players of the series: it closes at once.
    void closeSeriesAtOnce();

private:
    /// Shows player 1 or 2 as the winner and counts the win.
    void declareWinner(int player);
    void offerRecord(int score, const std::string& name, int seconds, const std::string& time);
    std::string usedTimeText();
    void stopClock();
    void loseAlone();

    MatchState& m_state;
    MainView& m_view;
    MatchTimers& m_timers;
    SoundCues& m_sound;
    RecordRoutines& m_records;
    Dialogs& m_dialogs;
    MatchClock& m_clock;
    EndDisplay& m_endDisplay;
    PenaltyNotice& m_penaltyNotice;
};

} // namespace qv
