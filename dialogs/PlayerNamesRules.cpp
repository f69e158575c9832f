#include "dialogs/PlayerNamesRules.h"

#include "platform/Utf8.h"

namespace qv {

namespace {

constexpr char kEnter = '\r';

/// A name of spaces only would leave the scoreboard blank, so it counts as none.
bool blank(const std::string& name) {
    return name.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

void PlayerNamesRules::activate() {
    // A name typed elsewhere (the one-player box has no limit) shows as the box
    // would have taken it.
    firstName = firstCharacters(m_state.PlayerName1, kMaxNameLength);
    secondName = firstCharacters(m_state.PlayerName2, kMaxNameLength);
    focus = "firstPlayerName";
}

bool PlayerNamesRules::firstNameKeyPress(char key) {
    if (key != kEnter)
        return false;
    focus = "secondPlayerName";
    return true;
}

bool PlayerNamesRules::secondNameKeyPress(char key) {
    if (key != kEnter)
        return false;
    focus = "ok";
    return true;
}

void PlayerNamesRules::acceptClick() {
    MatchState& s = m_state;
    // A try or a computer move left half-done belongs to the old pairing.
    s.ClickCount = 0;
    s.WaitTicks = 0;
    m_sound.optionChosen();

    if (blank(firstName)) {
        m_dialogs.showMessage("Por favor, preencha o nome do 1º jogador!");
        focus = "firstPlayerName";
        return;
    }
    if (blank(secondName)) {
        m_dialogs.showMessage("Por favor, preencha o nome do 2º jogador!");
        focus = "secondPlayerName";
        return;
    }

    // Only now do two people become the players: a window closed without OK, or
    // refused, leaves the opponent as it was.
    if (sameBoard) {
        s.OpponentMode = PlayMode::OneBoard;
        // Two people on one board: no computer level applies.
        s.LevelCode.clear();
    } else {
        s.OpponentMode = PlayMode::OneAfterOther;
    }
    s.RivalIsComputer = false;
    s.PlayerCount = 2;
    s.SettingsChanged = 1;
    m_view.menu.playWithFriend = true;
    m_view.menu.playAlone = false;
    s.PlayerName1 = firstName;
    s.PlayerName2 = secondName;
    // New pair of names, new tally of wins.
    s.WinTally1 = 0;
    s.WinTally2 = 0;
    m_closed = true;
}

} // namespace qv
