#include "match/PenaltyNotice.h"

#include "match/MainView.h"
#include "match/MatchState.h"

#include <charconv>
#include <cstdlib>

namespace qv {

namespace {

/// The score label's number. A label that holds no number (still its design
/// placeholder, say) counts as 0, so the count-down runs on instead of stopping
/// the game.
long long labelPoints(const std::string& caption) {
    const std::size_t first = caption.find_first_not_of(' ');
    const std::size_t last = caption.find_last_not_of(' ');
    if (first == std::string::npos)
        return 0;
    const char* begin = caption.data() + first;
    const char* end = caption.data() + last + 1;
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end)
        return 0;
    return value;
}

} // namespace

PenaltyNotice::PenaltyNotice(MatchState& state, MainView& view, Scheduler& scheduler)
    : countdownTimer(scheduler, "countdownTimer"), m_state(state), m_view(view) {
    countdownTimer.setHandler([this] { countDownStep(); });
}

bool PenaltyNotice::playerTwoSlower() const {
    return m_state.GameTime2 > m_state.GameTime1;
}

void PenaltyNotice::fill() {
    const MatchState& s = m_state;
    const bool twoSlower = playerTwoSlower();
    const std::string& slower = twoSlower ? s.PlayerName2 : s.PlayerName1;
    const std::string& other = twoSlower ? s.PlayerName1 : s.PlayerName2;
    Caption = " Penalidade para " + slower;
    lossLead = "Ele vai perder";
    ruleLines[1] = "O jogador: " + slower + " vai perder";
    ruleLines[2] = "20 pontos por cada segundo que ele";
    ruleLines[3] = "ficou acima do tempo de:" + other;
    penaltyPoints = std::to_string(s.PenaltyPoints);
}

void PenaltyNotice::open() {
    m_open = true;
    m_visible = true;
    PenaltyStepsLeft = 0;
}

void PenaltyNotice::okClick() {
    // Only the shown notice counts; a second press must not restart the count.
    if (!m_open || !m_visible)
        return;
    const MatchState& s = m_state;
    PenaltyStepsLeft = std::abs(s.GameTime1 - s.GameTime2);
    m_visible = false;
    if (PenaltyStepsLeft <= 0) {
        // Equal times cost nothing; a count-down from 0 would never end.
        finish();
    } else {
        countdownTimer.setInterval(kStepMilliseconds);
    }
    changed();
}

void PenaltyNotice::countDownStep() {
    if (!m_open || PenaltyStepsLeft <= 0) {
        countdownTimer.stop();
        return;
    }
    Control& label = m_view[playerTwoSlower() ? Role::Player2Points : Role::Player1Points];
    label.caption = std::to_string(labelPoints(label.caption) - kPointsPerSecond);
    --PenaltyStepsLeft;
    if (PenaltyStepsLeft == 0)
        finish();
    changed();
}

void PenaltyNotice::finish() {
    countdownTimer.stop();
    MatchState& s = m_state;
    (playerTwoSlower() ? s.Score2 : s.Score1) -= s.PenaltyPoints;
    m_visible = false;
    m_open = false;
}

void PenaltyNotice::changed() const {
    if (m_onChange)
        m_onChange();
}

} // namespace qv
