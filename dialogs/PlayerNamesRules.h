#pragma once

#include <string>

namespace qv {

class Game;

/// The rules of the "Cadastrar Jogadores" window: two names and whether the two
/// people share one board. The window renders these fields and forwards its
/// events; one instance lives as long as one opening of the window.
class PlayerNamesRules {
public:
    /// A longer name would not fit the scoreboard nor the winner's letters.
    static constexpr int kMaxNameLength = 10;

    explicit PlayerNamesRules(Game& game) : m_game(game) {}

    // What the window shows.
    std::string firstName;
    std::string secondName;
    bool sameBoard = false;
    std::string focus =
        "firstPlayerName"; ///< "firstPlayerName", "secondPlayerName", "ok" or "sameBoard"
    bool closed() const { return m_closed; }

    /// The boxes start with the names already known.
    void activate();
    /// A key typed in a name box; Enter is swallowed and moves the focus on.
    /// Returns whether the key was swallowed.
    bool firstNameKeyPress(char key);
    bool secondNameKeyPress(char key);
    /// Takes both names, or refuses with a message and leaves the window open.
    void acceptClick();

private:
    Game& m_game;
    bool m_closed = false;
};

} // namespace qv
