#include "match/MatchEnd.h"

#include "match/EndDisplay.h"
#include "match/MatchClock.h"
#include "match/PenaltyNotice.h"
#include "match/TimeText.h"

#include <charconv>
#include <cstdlib>

namespace qv {

namespace {

// The score labels only ever hold numbers the game wrote; anything else reads as 0.
int labelNumber(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

std::string MatchEnd::usedTimeText() {
    m_clock.computeUsedTime();
    return timeText(m_state.UsedMinutes, m_state.UsedSeconds);
}

void MatchEnd::offerRecord(int score, const std::string& name, int seconds,
                           const std::string& time) {
    MatchState& s = m_state;
    s.RecordCandidateScore = score;
    s.RecordCandidateName = name;
    s.RecordCandidateSeconds = seconds;
    s.RecordCandidateTimeText = time;
    m_records.offerRecord();
}

void MatchEnd::stopClock() {
    m_timers.matchTick.stop();
    m_view[Role::PlayButton].color = colors::kBlue;
}

void MatchEnd::loseAlone() {
    MatchState& s = m_state;
    m_timers.endAnimation.setInterval(250);
    s.LostAlone = true;
    s.BoardPoints = 0;
    s.Score1 = 0;
    s.Score2 = 0;
}

void MatchEnd::timeOut() {
    MatchState& s = m_state;
    MainView& v = m_view;
    if (s.OpponentMode == PlayMode::Alone) {
        m_sound.timeUp();
        v[Role::Player1Time].caption = usedTimeText();
        s.GameTime1 = s.TimeLimitSeconds;
        if (s.Score1 > 0)
            offerRecord(s.Score1, s.PlayerName1, s.GameTime1, v[Role::Player1Time].caption);
    } else {
        v[s.RoundIndex == 1 ? Role::Player1Time : Role::Player2Time].caption = usedTimeText();
    }
    m_view.setCoversEnabled(false);

    if (s.OpponentMode == PlayMode::OneAfterOther && s.RoundIndex == 1) {
        stopClock();
        m_sound.timeUp();
        m_dialogs.showMessage("TERMINOU O SEU TEMPO... AGORA É A VEZ DE...: " + s.PlayerName2);
        s.GameTime1 = s.TimeLimitSeconds;
        offerRecord(s.Score1, s.PlayerName1, s.GameTime1, v[Role::Player1Time].caption);
        s.Phase = MatchPhase::FirstTimedOut;
        v[Role::Clock].visible = false;
        v[Role::ClockCaption].visible = false;
        v[Role::Clock].caption = std::to_string(s.ClockMinutes) + ":00";
        v[Role::Player1Time].caption = usedTimeText();
        return;
    }
    stopClock();
    v[Role::Clock].caption = std::to_string(s.ClockMinutes) + ":00";
    m_sound.timeUp();
    m_clock.computeUsedTime();
    s.ElapsedSeconds = s.TimeLimitSeconds;
    s.BoardPoints = 0;
    if (s.OpponentMode == PlayMode::Alone)
        loseAlone();
    else if (s.OpponentMode == PlayMode::OneAfterOther)
        endOfSeries();
}

void MatchEnd::boardCleared() {
    MatchState& s = m_state;
    MainView& v = m_view;
    for (int face : {s.FirstFace, s.SecondFace}) {
        if (face >= 1 && face <= 24)
            v.face(face).visible = false;
    }
    v[Role::Player1Name].visible = true;
    v[Role::Clock].visible = false;
    v[Role::ClockCaption].visible = false;
    v.form.enabled = true;
    m_timers.matchTick.stop();

    if (s.OpponentMode == PlayMode::Alone) {
        m_clock.computeUsedTime();
        if (s.Score1 > 0) {
            m_endDisplay.showWinner(s.PlayerName1 == "INDIVIDUAL" ? "Consegui" : s.PlayerName1);
        } else {
            loseAlone();
            m_dialogs.showMessage("perdeu por não ter feito nenhum ponto positivo!");
        }
        v[Role::Player1Time].caption = usedTimeText();
        s.RoundIndex = 0;
        const int score = s.Score1;
        s.Score1 = 0;
        s.Score2 = 0;
        offerRecord(score, s.PlayerName1, s.ElapsedSeconds, v[Role::Player1Time].caption);
    } else if (s.OpponentMode == PlayMode::OneBoard) {
        const int first = labelNumber(v[Role::Player1Points].caption);
        const int second = labelNumber(v[Role::Player2Points].caption);
        if (first == second) {
            m_endDisplay.showWinner("Empatou...");
        } else if (first > second) {
            s.RecordCandidateScore = first;
            s.RecordCandidateName = v[Role::Player1Name].caption;
            if (s.LevelCode == "SUP")
                m_records.offerWinVersusGifted();
            else if (s.LevelCode == "INT")
                m_records.offerWinVersusIntelligent();
            declareWinner(1);
        } else {
            declareWinner(2);
        }
        v[Role::PlayButton].color = colors::kBlue;
        s.RoundIndex = 0;
        s.SharedScore1 = 0;
        s.SharedScore2 = 0;
        s.Score1 = 0;
        s.Score2 = 0;
        return;
    }

    if (s.RoundIndex == 1) {
        s.GameTime1 = s.ElapsedSeconds;
        offerRecord(s.Score1, s.PlayerName1, s.GameTime1,
                    v[Role::Player1Time].caption = usedTimeText());
        if (s.OpponentMode == PlayMode::OneAfterOther) {
            m_dialogs.showMessage("É a vez de " + s.PlayerName2);
            s.Phase = MatchPhase::Starting;
        }
    }
    if (s.Phase == MatchPhase::SeriesOver) {
        s.BoardPoints = 0;
        s.RoundIndex = 0;
    }
    v[Role::PlayButton].color = colors::kBlue;
    if (s.RoundIndex == 2) {
        endOfSeries();
    } else {
        s.GameTime1 = s.ElapsedSeconds;
        s.BoardPoints = 0;
    }
}

void MatchEnd::endOfSeries() {
    MatchState& s = m_state;
    MainView& v = m_view;
    s.GameTime2 = s.ElapsedSeconds;
    s.Phase = MatchPhase::SeriesOver;
    v[Role::Player2Time].caption = usedTimeText();
    offerRecord(s.Score2, s.PlayerName2, s.GameTime2, v[Role::Player2Time].caption);
    if (s.GameTime2 != s.GameTime1)
        chargePenalty();
    else
        m_dialogs.showMessage("Partida Geral Encerrada");
    s.RoundIndex = 0;
    s.SettingsChanged = 1;

    if (s.Score1 == s.Score2) {
        if (s.GameTime1 == s.GameTime2)
            m_endDisplay.showWinner("Empatou...");
        else
            declareWinner(s.GameTime1 > s.GameTime2 ? 1 : 2);
    } else {
        declareWinner(s.Score1 > s.Score2 ? 1 : 2);
    }
    s.BoardPoints = 0;
    s.Score1 = 0;
    s.Score2 = 0;
}

void MatchEnd::chargePenalty() {
    MatchState& s = m_state;
    s.PenaltyPoints = 20 * std::abs(s.GameTime1 - s.GameTime2);
    m_penaltyNotice.fill();
    m_dialogs.showModal(ModalWindow::PenaltyNotice);
}

void MatchEnd::closeSeriesAtOnce() {
    MatchState& s = m_state;
    s.Phase = MatchPhase::SeriesOver;
    s.RoundIndex = 0;
    stopClock();
    if (s.Score1 == s.Score2)
        m_endDisplay.showWinner("Empatou...");
    else
        declareWinner(s.Score1 > s.Score2 ? 1 : 2);
    s.BoardPoints = 0;
    s.Score1 = 0;
    s.Score2 = 0;
}

void MatchEnd::declareWinner(int player) {
    MatchState& s = m_state;
    MainView& v = m_view;
    m_endDisplay.showWinner(v[player == 1 ? Role::Player1Name : Role::Player2Name].caption);
    if (player == 1) {
        s.WinTally1 += 1;
        v[Role::TallyWins1].caption = std::to_string(s.WinTally1);
    } else {
        s.WinTally2 += 1;
        v[Role::TallyWins2].caption = std::to_string(s.WinTally2);
    }
}

} // namespace qv
