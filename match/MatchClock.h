#pragma once

namespace qv {

class Game;

/// The match clock `Timer1`: it restores the board after the deal, counts the
/// time down from the steady clock, passes the blinking turn on one board, and
/// notices the end of a game. Also "PARAR".
class MatchClock {
public:
    explicit MatchClock(Game& game);

    /// Before a deal: a change of time or players zeroes the score labels.
    void applySettingsStep();
    /// After the deal: scoreboard and clock, then the clock starts.
    void prepareAndStart();
    void Timer1Timer();
    /// Splits ElapsedSeconds into UsedMinutes and UsedSeconds.
    void CALCULATEMPO();
    /// "PARAR" and "&Parar".
    void onStop();

private:
    void beginGame();
    void passTurnDisplay();
    /// Shows the next clock second once it has come: the time remaining, rounded
    /// to the second, since the full board was shown.
    void clockSecond();

    Game& m_game;
};

} // namespace qv
