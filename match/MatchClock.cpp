#include "match/MatchClock.h"

#include "match/ComputerOpponent.h"
#include "match/Deal.h"
#include "match/EndDisplay.h"
#include "match/MatchEnd.h"
#include "match/TimeText.h"

#include <algorithm>
#include <cstdint>

namespace qv {

namespace {

// Ticks come every 100 ms from the moment the full board is shown, so every tenth
// one falls 100 ms before a clock second is complete: that tick shows it. Half a
// tick more of margin lets a tick that comes a little early show it too.
constexpr std::int64_t kShownEarly = 150;

// Steady milliseconds since the full board was shown.
std::int64_t sinceStart(const Clock& clock, const MatchState& state) {
    return clock.steadyMilliseconds() - state.ClockStart;
}

// Those milliseconds rounded to the second, so a tick a few milliseconds early or
// late counts the same second; at most the time limit.
int secondsUsed(const Clock& clock, const MatchState& state) {
    return static_cast<int>(
        std::min<std::int64_t>((sinceStart(clock, state) + 500) / 1000, state.TimeLimitSeconds));
}

} // namespace

MatchClock::MatchClock(MatchState& state, MainView& view, MatchTimers& timers, const Clock& clock,
                       Dialogs& dialogs, Deal& deal, MatchEnd& matchEnd, ComputerOpponent& computer,
                       EndDisplay& endDisplay)
    : m_state(state), m_view(view), m_timers(timers), m_clock(clock), m_dialogs(dialogs),
      m_deal(deal), m_matchEnd(matchEnd), m_computer(computer), m_endDisplay(endDisplay) {
    m_timers.matchTick.setHandler([this] { onTick(); });
}

void MatchClock::applySettingsStep() {
    MatchState& s = m_state;
    if (s.SettingsChanged != 1)
        return;
    m_view[Role::Player1Points].caption = "0";
    m_view[Role::Player2Points].caption = "0";
    s.SettingsChanged = 0;
    s.RoundIndex = 0;
}

void MatchClock::prepareAndStart() {
    MatchState& s = m_state;
    MainView& v = m_view;
    const Role tally[] = {Role::TallyName1,  Role::TallyName2, Role::TallyCaption,
                          Role::TallyVersus, Role::TallyWins1, Role::TallyWins2};
    if (s.OpponentMode == PlayMode::Alone) {
        v[Role::Player1Time].caption.clear();
        v[Role::Player2Time].caption.clear();
        if (s.PlayerName1.empty())
            s.PlayerName1 = "INDIVIDUAL";
        v[Role::Player1Name].caption = s.PlayerName1;
        s.PlayerName2.clear();
        v[Role::Player2Name].caption.clear();
        v[Role::Player2Points].caption.clear();
        v[Role::Player1Points].caption = "0";
        s.RoundIndex = 0;
        for (Role role : tally)
            v[role].visible = false;
        s.WinTally1 = 0;
        s.WinTally2 = 0;
    } else {
        for (Role role : tally)
            v[role].visible = true;
        v[Role::TallyWins1].caption = std::to_string(s.WinTally1);
        v[Role::TallyWins2].caption = std::to_string(s.WinTally2);
        v[Role::TallyName1].caption = s.PlayerName1;
        v[Role::TallyName2].caption = s.PlayerName2;
    }
    if (s.OpponentMode == PlayMode::OneAfterOther) {
        v[Role::Player1Name].caption = s.PlayerName1;
        v[Role::Player2Name].caption = s.PlayerName2;
        if (s.RoundIndex == 0) {
            v[Role::Player1Time].caption.clear();
            v[Role::Player2Time].caption.clear();
        }
    }
    m_timers.matchTick.setInterval(100);
    s.ElapsedSeconds = 0;
    s.ClockMinutes = s.TimeLimitMinutes;
    s.ClockSeconds = s.TimeLimitSecondsPart;
    if (s.OpponentMode == PlayMode::OneBoard) {
        v[Role::Player1Name].caption = s.PlayerName1;
        v[Role::Player2Name].caption = s.PlayerName2;
        v[Role::Clock].caption = "Livre";
        v[Role::Player1Time].caption.clear();
        v[Role::Player2Time].caption.clear();
        v[Role::Player1Points].caption = "0";
        v[Role::Player2Points].caption = "0";
        s.SecondTurn = 0;
        return;
    }
    if (s.TimeLimitSeconds <= 0) {
        s.TimeLimitSeconds = 180;
        s.TimeLimitMinutes = 3;
        s.TimeLimitSecondsPart = 0;
        s.ClockMinutes = 3;
        s.ClockSeconds = 0;
        s.ElapsedSeconds = 0;
    }
    v[Role::Clock].caption = timeText(s.ClockMinutes, s.ClockSeconds);
}

void MatchClock::onTick() {
    MatchState& s = m_state;
    if (s.BoardShrunk == 1) {
        s.BoardShrunk = 0;
        m_deal.restoreFaces();
        s.ClockStart = m_clock.steadyMilliseconds();
    }
    if (s.RoundIndex == 0)
        s.SettingsChanged = 0;
    if (s.BoardPoints == s.MaxBoardPoints || s.SharedScore1 + s.SharedScore2 == s.MaxBoardPoints) {
        // The last pair may have been found well after the clock last changed.
        if (s.OpponentMode != PlayMode::OneBoard)
            s.ElapsedSeconds = secondsUsed(m_clock, m_state);
        m_matchEnd.boardCleared();
        return;
    }
    if (s.Phase == MatchPhase::Starting) {
        beginGame();
        if (!m_timers.matchTick.running())
            return;
    }
    if (s.OpponentMode == PlayMode::OneBoard) {
        passTurnDisplay();
        return;
    }
    clockSecond();
}

void MatchClock::beginGame() {
    MatchState& s = m_state;
    s.RoundIndex += 1;
    s.Phase = MatchPhase::Playing;
    s.FirstPlayerPlays = s.PlayerCount == 1 || s.PlayerCount / 2.0 >= s.RoundIndex;
    if (s.RoundIndex > s.PlayerCount)
        m_matchEnd.closeSeriesAtOnce();
}

void MatchClock::passTurnDisplay() {
    MatchState& s = m_state;
    MainView& v = m_view;
    if (s.SecondTurn == 0) {
        v.form.enabled = true;
        v[Role::Player2Name].visible = true;
        s.ComputerMoving = 0;
        m_timers.computerWait.stop();
        s.ComputerWaitCount = 0;
        v[Role::Player1Name].visible = !v[Role::Player1Name].visible;
    } else {
        v[Role::Player1Name].visible = true;
        v[Role::Player2Name].visible = !v[Role::Player2Name].visible;
        if (s.RivalIsComputer && s.ComputerMoving == 0)
            m_computer.trigger();
    }
}

void MatchClock::clockSecond() {
    MatchState& s = m_state;
    if ((sinceStart(m_clock, m_state) + kShownEarly) / 1000 <= s.ElapsedSeconds)
        return;
    s.ElapsedSeconds = secondsUsed(m_clock, m_state);
    const int remaining = s.TimeLimitSeconds - s.ElapsedSeconds;
    s.ClockMinutes = remaining / 60;
    s.ClockSeconds = remaining % 60;
    m_view[Role::Clock].caption = timeText(s.ClockMinutes, s.ClockSeconds);
    if (remaining == 0)
        m_matchEnd.timeOut();
}

void MatchClock::computeUsedTime() {
    MatchState& s = m_state;
    if (s.ElapsedSeconds == 0) {
        s.UsedMinutes = s.TimeLimitMinutes;
        s.UsedSeconds = s.TimeLimitSecondsPart;
        return;
    }
    s.UsedMinutes = s.ElapsedSeconds / 60;
    s.UsedSeconds = s.ElapsedSeconds % 60;
}

void MatchClock::onStop() {
    MatchState& s = m_state;
    MainView& v = m_view;
    const bool running = m_timers.matchInProgress();
    if (running && m_dialogs.messageBox("Deseja parar/cancerlar essa partida?", "Quorvanella 2.0",
                                        MessageIcon::Stop, Buttons::YesNo) != Answer::Yes)
        return;
    v.focus = Role::FocusHolder;
    s.EndAnimFrame = 0;
    v[Role::PlayButton].color = colors::kBlue;
    if (!running) {
        m_endDisplay.clearResult();
        s.EndAnimInterval = 0;
        v[Role::WinnerCaption].visible = false;
        v[Role::WinnerFrame].visible = false;
        v[Role::CancelNotice].visible = false;
        return;
    }
    m_timers.matchTick.stop();
    v[Role::Player1Name].visible = true;
    v[Role::Player2Name].visible = true;
    s.Phase = MatchPhase::Stopped;
    v[Role::CancelNotice].visible = true;
    m_view.setCoversEnabled(false);
    s.RoundIndex = 0;
    s.SettingsChanged = 1;
    s.SharedScore1 = 0;
    s.SharedScore2 = 0;
    s.Score1 = 0;
    s.Score2 = 0;
}

} // namespace qv
