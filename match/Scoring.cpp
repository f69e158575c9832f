#include "match/Scoring.h"

#include <string>

namespace qv {

void Scoring::add(int points) {
    MatchState& s = m_state;
    const bool firstPlays =
        s.OpponentMode == PlayMode::OneBoard ? s.SecondTurn == 0 : s.FirstPlayerPlays;
    if (firstPlays) {
        s.Score1 += points;
        if (s.OpponentMode == PlayMode::OneBoard)
            s.SharedScore1 = s.Score1;
        m_view[Role::Player1Points].caption = std::to_string(s.Score1);
    } else {
        s.Score2 += points;
        if (s.OpponentMode == PlayMode::OneBoard)
            s.SharedScore2 = s.Score2;
        m_view[Role::Player2Points].caption = std::to_string(s.Score2);
    }
}

void Scoring::scorePair() {
    add(150);
}

void Scoring::scoreMiss() {
    MatchState& s = m_state;
    // The computer's hidden tests neither cost points nor pass the turn.
    if (s.ComputerAttempt > 0 && s.ComputerAttempt < s.AttemptLimit)
        return;
    add(-25);
    if (s.OpponentMode == PlayMode::OneBoard)
        s.SecondTurn = s.SecondTurn == 0 ? 1 : 0;
}

} // namespace qv
