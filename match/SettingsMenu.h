#pragma once

namespace qv {

class Game;

/// The menu's settings: time limit, board size and who plays. Each handler
/// refuses with its own box while a match is in progress.
class SettingsMenu {
public:
    explicit SettingsMenu(Game& game) : m_game(game) {}

    void N300Click();
    void N200Click();
    void N100Click();
    void N45Click();
    void N24Blocos1Click();
    void N16Blocos1Click();
    void Individual1Click();
    void Participantes1Click();

private:
    enum class TimeEntry { N300, N200, N100, N45 };
    void setTimeLimit(TimeEntry entry, int minutes, int seconds);
    void tickTimeEntry(TimeEntry entry);
    bool refuseTimeChange(bool plainBox);

    Game& m_game;
};

} // namespace qv
