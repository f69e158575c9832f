#include "match/MatchNarrator.h"

#include "match/FigureNames.h"
#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "match/SpokenText.h"

#include <vector>

namespace qv {

namespace {

/// Seconds of a clock text such as "1:05"; -1 for anything else ("Livre").
int secondsOf(const std::string& clock) {
    const auto colon = clock.find(':');
    if (colon == std::string::npos || colon == 0 || clock.size() != colon + 3)
        return -1;
    int seconds = 0;
    for (std::size_t i = 0; i < clock.size(); ++i) {
        if (i == colon)
            continue;
        if (clock[i] < '0' || clock[i] > '9')
            return -1;
        seconds = seconds * 10 + (clock[i] - '0');
    }
    // The two digits after the colon are seconds, the rest minutes.
    const int minutes = seconds / 100;
    return minutes * 60 + seconds % 100;
}

/// Whether the clock went down to or past a warning time since the last look; a
/// stalled loop may skip the very second, so it is the passing that counts.
bool passedWarning(int before, int now) {
    for (int warning : {60, 30, 10}) {
        if (now >= 0 && before > warning && now <= warning)
            return true;
    }
    return false;
}

std::string joined(const std::vector<std::string>& sentences) {
    std::string text;
    for (const std::string& sentence : sentences) {
        if (sentence.empty())
            continue;
        if (!text.empty())
            text += ' ';
        text += sentence;
        if (text.back() != '.' && text.back() != '!')
            text += '.';
    }
    return text;
}

} // namespace

MatchNarrator::MatchNarrator(const MatchState& state, const MainView& view,
                             const MatchTimers& timers)
    : m_state(state), m_view(view), m_timers(timers) {
    m_last = now();
}

bool MatchNarrator::isOpen(int k) const {
    const MatchState& s = m_state;
    const MainView& v = m_view;
    if (k < 1 || k > s.BlockCount || !v.face(k).visible)
        return false;
    const bool flashing = k == s.ClickedCover && s.BlinkStep >= 1 && s.BlinkStep <= 2;
    return !v.cover(k).visible || flashing;
}

MatchNarrator::Moment MatchNarrator::now() const {
    const MatchState& s = m_state;
    Moment moment;
    moment.inProgress = m_timers.matchInProgress();
    for (int k = 1; k <= 24; ++k)
        moment.open[static_cast<std::size_t>(k)] = isOpen(k);
    moment.boardPoints = s.BoardPoints;
    // The computer's hidden tests leave the second block closed: no miss to tell.
    const bool probing = s.ComputerAttempt != 0 && s.ComputerAttempt < s.AttemptLimit;
    moment.missOpen = s.Try == TryState::MissShown && !probing;
    moment.firstCover = s.FirstCover;
    moment.secondCover = s.SecondCover;
    moment.secondTurn = s.SecondTurn;
    moment.points1 = m_view[Role::Player1Points].caption;
    moment.points2 = m_view[Role::Player2Points].caption;
    if (moment.inProgress)
        moment.secondsLeft = secondsOf(m_view[Role::Clock].caption);
    return moment;
}

std::string MatchNarrator::news() {
    const Moment current = now();
    const Moment last = m_last;
    m_last = current;
    const MainView& v = m_view;
    std::vector<std::string> said;
    if (current.inProgress && !last.inProgress)
        said.push_back("Partida iniciada. " + spoken::scoreLabel(v, Role::Clock));
    for (int k = 1; k <= 24; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        if (current.open[slot] && !last.open[slot])
            said.push_back("Bloco " + std::to_string(k) + ": " +
                           figureName(m_state.SlotFigure[slot]));
    }
    const bool pair = current.boardPoints > last.boardPoints;
    const bool miss =
        current.missOpen && (!last.missOpen || current.firstCover != last.firstCover ||
                             current.secondCover != last.secondCover);
    if (pair)
        said.emplace_back("Par encontrado!");
    else if (miss)
        said.emplace_back("Não é par");
    if (pair || miss) {
        if (current.points1 != last.points1)
            said.push_back(spoken::scoreLabel(v, Role::Player1Points));
        if (current.points2 != last.points2)
            said.push_back(spoken::scoreLabel(v, Role::Player2Points));
    }
    if (current.inProgress && last.inProgress && current.secondTurn != last.secondTurn &&
        m_state.OpponentMode == PlayMode::OneBoard)
        said.push_back(turnOf(current.secondTurn));
    if (last.inProgress && passedWarning(last.secondsLeft, current.secondsLeft))
        said.push_back("Atenção! " + spoken::scoreLabel(v, Role::Clock));
    if (last.inProgress && !current.inProgress)
        said.push_back(ending());
    return joined(said);
}

std::string MatchNarrator::turnOf(int secondTurn) const {
    const MatchState& s = m_state;
    const std::string& name = secondTurn == 0 ? s.PlayerName1 : s.PlayerName2;
    if (!name.empty())
        return "Vez de " + name;
    return secondTurn == 0 ? "Vez do 1º jogador" : "Vez do 2º jogador";
}

std::string MatchNarrator::ending() const {
    const MainView& v = m_view;
    if (v[Role::CancelNotice].visible)
        return v[Role::CancelNotice].caption;
    std::vector<std::string> said{"Fim da partida"};
    if (m_state.LostAlone) {
        said.emplace_back("Você perdeu");
    } else if (v[Role::WinnerCaption].visible) {
        std::string winner;
        for (int n = 1; n <= 10; ++n) {
            const Control& letter = v.winnerLetter(n);
            if (letter.caption != letter.name)
                winner += letter.caption;
        }
        while (!winner.empty() && winner.back() == ' ')
            winner.pop_back();
        // The letters hold the first ten characters of a player's name, or a word.
        const auto startsName = [&](Role label) {
            const std::string& name = v[label].caption;
            return !winner.empty() && name.rfind(winner, 0) == 0;
        };
        const bool person = startsName(Role::Player1Name) || startsName(Role::Player2Name);
        said.push_back(person ? "Vencedor: " + winner : winner);
    }
    said.push_back(spoken::scoreLabel(v, Role::Player1Points));
    if (m_state.PlayerCount == 2)
        said.push_back(spoken::scoreLabel(v, Role::Player2Points));
    return joined(said);
}

} // namespace qv
