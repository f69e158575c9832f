#include "match/Scoring.h"
#include "tests/fakes/MatchParts.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

// One rule per row: who gains or loses, and whether the turn passes. The points
// start at 100 and 200 so a change to the wrong player shows.
struct ScoringRow {
    const char* what;
    PlayMode mode;
    bool firstPlays; ///< one board: SecondTurn is 0; otherwise FirstPlayerPlays
    int computerAttempt;
    bool pair;
    int score1, score2;
    bool turnPasses;
};

void PrintTo(const ScoringRow& row, std::ostream* os) {
    *os << row.what;
}

class Scores : public ::testing::TestWithParam<ScoringRow>, protected MatchParts {
protected:
    Scoring scoring{state, view};
};

TEST_P(Scores, GoToWhoeverPlaysAndOnOneBoardAMissPassesTheTurn) {
    const ScoringRow row = GetParam();
    MatchState& s = state;
    s.OpponentMode = row.mode;
    s.Score1 = s.SharedScore1 = 100;
    s.Score2 = s.SharedScore2 = 200;
    const bool oneBoard = row.mode == PlayMode::OneBoard;
    // On one board the turn alone decides, whatever a series left in FirstPlayerPlays.
    s.FirstPlayerPlays = oneBoard ? !row.firstPlays : row.firstPlays;
    s.SecondTurn = oneBoard && !row.firstPlays ? 1 : 0;
    s.AttemptLimit = 5;
    s.ComputerAttempt = row.computerAttempt;
    const int turnBefore = s.SecondTurn;
    view[Role::Player1Points].caption = view[Role::Player2Points].caption = "?";

    if (row.pair)
        scoring.scorePair();
    else
        scoring.scoreMiss();

    EXPECT_EQ(s.Score1, row.score1);
    EXPECT_EQ(s.Score2, row.score2);
    EXPECT_EQ(s.SharedScore1, oneBoard ? row.score1 : 100);
    EXPECT_EQ(s.SharedScore2, oneBoard ? row.score2 : 200);
    const bool firstChanged = row.score1 != 100, secondChanged = row.score2 != 200;
    EXPECT_EQ(view[Role::Player1Points].caption, firstChanged ? std::to_string(row.score1) : "?");
    EXPECT_EQ(view[Role::Player2Points].caption, secondChanged ? std::to_string(row.score2) : "?");
    EXPECT_EQ(s.SecondTurn != turnBefore, row.turnPasses);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Scores,
    ::testing::Values(
        ScoringRow{"alone, pair", PlayMode::Alone, true, 0, true, 250, 200, false},
        ScoringRow{"alone, miss", PlayMode::Alone, true, 0, false, 75, 200, false},
        ScoringRow{"series, second player's miss", PlayMode::OneAfterOther, false, 0, false, 100,
                   175, false},
        ScoringRow{"one board, first's miss", PlayMode::OneBoard, true, 0, false, 75, 200, true},
        ScoringRow{"one board, second's miss", PlayMode::OneBoard, false, 0, false, 100, 175, true},
        ScoringRow{"one board, second's pair", PlayMode::OneBoard, false, 0, true, 100, 350, false},
        ScoringRow{"computer's hidden test", PlayMode::OneBoard, false, 2, false, 100, 200, false},
        ScoringRow{"computer's last attempt", PlayMode::OneBoard, false, 5, false, 100, 175,
                   true}));

} // namespace
} // namespace qv::test
