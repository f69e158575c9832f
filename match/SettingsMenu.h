#pragma once

namespace qv {

class Game;

/// The menu's settings: time limit, board size and who plays. Each handler
/// refuses with its own box while a match is in progress.
class SettingsMenu {
public:
    explicit SettingsMenu(Game& game) : m_game(game) {}

    void onTime3min();
    void onTime2min();
    void onTime1min();
    void onTime45s();
    void onBlocks24();
    void onBlocks16();
    void onPlayAlone();
    void onPlayWithFriend();

private:
    enum class TimeEntry { Time3min, Time2min, Time1min, Time45s };
    void setTimeLimit(TimeEntry entry, int minutes, int seconds);
    void tickTimeEntry(TimeEntry entry);
    bool refuseTimeChange(bool plainBox);

    Game& m_game;
};

} // namespace qv
