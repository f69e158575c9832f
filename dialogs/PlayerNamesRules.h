#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/SoundCues.h"
#include "platform/Dialogs.h"

#include <string>

namespace qv {

/// The rules of the "Cadastrar Jogadores" window: two names and whether the two
/// people share one board. The window renders these fields and forwards its
/// events; one instance lives as long as one opening of the window.
class PlayerNamesRules {
public:
    /// A longer name would not fit the scoreboard nor the winner's letters.
    static constexpr int kMaxNameLength = 10;

    /// Takes the names into `state` and ticks the menu of `view` on OK.
    PlayerNamesRules(MatchState& state, MainView& view, SoundCues& sound, Dialogs& dialogs)
        : m_state(state), m_view(view), m_sound(sound), m_dialogs(dialogs) {}

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
    MatchState& m_state;
    MainView& m_view;
    SoundCues& m_sound;
    Dialogs& m_dialogs;
    bool m_closed = false;
};

} // namespace qv
