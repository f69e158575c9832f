#pragma once

#include <string>

namespace qv {

class Game;

/// The end of a game: the time ran out or the board was cleared. Decides the
/// winner, offers the result to the records, charges the slower of two players
/// who played one after the other, and starts the end-of-match display.
class MatchEnd {
public:
    explicit MatchEnd(Game& game) : m_game(game) {}

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

    Game& m_game;
};

} // namespace qv
