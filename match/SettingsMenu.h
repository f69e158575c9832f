#pragma once

#include "match/EndDisplay.h"
#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "platform/Dialogs.h"

namespace qv {

/// The menu's settings: time limit, board size and who plays. Each handler
/// refuses with its own box while a match is in progress.
class SettingsMenu {
public:
    SettingsMenu(MatchState& state, MainView& view, const MatchTimers& timers, Dialogs& dialogs,
                 EndDisplay& endDisplay)
        : m_state(state), m_view(view), m_timers(timers), m_dialogs(dialogs),
          m_endDisplay(endDisplay) {}

    void onThreeMinutes();
    void onTwoMinutes();
    void onOneMinute();
    void onFortyFiveSeconds();
    void onTwentyFourBlocks();
    void onSixteenBlocks();
    void onPlayAlone();
    void onTwoPlayers();

private:
    enum class TimeEntry { ThreeMinutes, TwoMinutes, OneMinute, FortyFiveSeconds };
    void setTimeLimit(TimeEntry entry, int minutes, int seconds);
    void tickTimeEntry(TimeEntry entry);
    bool refuseTimeChange(bool plainBox);

    MatchState& m_state;
    MainView& m_view;
    const MatchTimers& m_timers;
    Dialogs& m_dialogs;
    EndDisplay& m_endDisplay;
};

} // namespace qv
