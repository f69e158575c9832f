#pragma once

namespace qv {

class Game;

/// The menu's settings: time limit, board size and who plays. Each handler
/// refuses with its own box while a match is in progress.
class SettingsMenu {
public:
    explicit SettingsMenu(Game& game) : m_game(game) {}

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

    Game& m_game;
};

} // namespace qv
