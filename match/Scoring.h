#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"

namespace qv {

/// +150 for a pair, -25 for a miss, to whoever plays; on one board a miss passes
/// the turn and a pair keeps it.
class Scoring {
public:
    Scoring(MatchState& state, MainView& view) : m_state(state), m_view(view) {}

    void scorePair();
    void scoreMiss();

private:
    void add(int points);

    MatchState& m_state;
    MainView& m_view;
};

} // namespace qv
