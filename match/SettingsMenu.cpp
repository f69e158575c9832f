#include "match/SettingsMenu.h"

namespace qv {

namespace {
const char* const kTimeRefusal =
    "Partida está em andamento, para mudar o tempo, antes clique em PARAR.";
const char* const kBlocksRefusal =
    "Partida está em andamento, para mudar o Nº de Blocos, antes clique em PARAR.";
const char* const kPlayerRefusal =
    "Partida está em andamento, para mudar o tipo de jogo, antes clique em PARAR.";
} // namespace

bool SettingsMenu::refuseTimeChange(bool plainBox) {
    if (!m_timers.matchInProgress())
        return false;
    if (plainBox)
        m_dialogs.messageBox(kTimeRefusal, "Quorvanella 2.0", MessageIcon::None, Buttons::Ok);
    else
        m_dialogs.messageDlg(kTimeRefusal, MessageKind::Warning, Buttons::Ok);
    return true;
}

void SettingsMenu::onThreeMinutes() {
    if (!refuseTimeChange(true))
        setTimeLimit(TimeEntry::ThreeMinutes, 3, 0);
}

void SettingsMenu::onTwoMinutes() {
    if (!refuseTimeChange(false))
        setTimeLimit(TimeEntry::TwoMinutes, 2, 0);
}

void SettingsMenu::onOneMinute() {
    if (!refuseTimeChange(false))
        setTimeLimit(TimeEntry::OneMinute, 1, 0);
}

void SettingsMenu::onFortyFiveSeconds() {
    if (!refuseTimeChange(false))
        setTimeLimit(TimeEntry::FortyFiveSeconds, 0, 45);
}

void SettingsMenu::setTimeLimit(TimeEntry entry, int minutes, int seconds) {
    MatchState& s = m_state;
    s.ElapsedSeconds = 0;
    s.TimeLimitSeconds = minutes * 60 + seconds;
    s.TimeLimitMinutes = minutes;
    s.TimeLimitSecondsPart = seconds;
    s.ClockMinutes = minutes;
    s.ClockSeconds = seconds;
    tickTimeEntry(entry);
    s.SettingsChanged = 1;
}

void SettingsMenu::tickTimeEntry(TimeEntry entry) {
    MenuMarks& menu = m_view.menu;
    menu.time3min = entry == TimeEntry::ThreeMinutes;
    menu.time2min = entry == TimeEntry::TwoMinutes;
    menu.time1min = entry == TimeEntry::OneMinute;
    menu.time45s = entry == TimeEntry::FortyFiveSeconds;
}

void SettingsMenu::onTwentyFourBlocks() {
    if (m_timers.matchInProgress()) {
        m_dialogs.messageDlg(kBlocksRefusal, MessageKind::Warning, Buttons::Ok);
        return;
    }
    m_view.menu.blocks24 = true;
    m_view.menu.blocks16 = false;
    m_state.BlockCount = 24;
    m_state.MaxBoardPoints = 1800;
    m_dialogs.showMessage("A próxima partida iniciará com 24 blocos... Boa sorte");
}

void SettingsMenu::onSixteenBlocks() {
    if (m_timers.matchInProgress()) {
        m_dialogs.messageDlg(kBlocksRefusal, MessageKind::Warning, Buttons::Ok);
        return;
    }
    m_view.menu.blocks24 = false;
    m_view.menu.blocks16 = true;
    m_state.BlockCount = 16;
    m_state.MaxBoardPoints = 1200;
    m_dialogs.showMessage("A próxima partida iniciará apenas com 16 blocos... Boa "
                          "sorte\n\nOBS.:Jogar com 16 blocos, não vale para disputar "
                          "RECORDS!");
}

void SettingsMenu::onPlayAlone() {
    if (m_timers.matchInProgress()) {
        m_dialogs.messageDlg(kPlayerRefusal, MessageKind::Information, Buttons::Ok);
        return;
    }
    MatchState& s = m_state;
    s.PlayerName1 = m_dialogs.inputBox("Definir jogador", "Digite seu nome", s.PlayerName1);
    s.RivalIsComputer = false;
    m_endDisplay.clearResult();
    s.ClickCount = 0;
    s.WaitTicks = 0;
    m_view[Role::ClockCaption].visible = true;
    s.EndAnimFrame = 0;
    s.LostAlone = false;
    s.SettingsChanged = 1;
    s.PlayerCount = 1;
    s.OpponentMode = PlayMode::Alone;
    m_view.menu.playWithFriend = false;
    m_view.menu.playAlone = true;
}

void SettingsMenu::onTwoPlayers() {
    if (m_timers.matchInProgress()) {
        m_dialogs.messageDlg(kPlayerRefusal, MessageKind::Warning, Buttons::Ok);
        return;
    }
    m_endDisplay.clearResult();
    // The names window's OK makes the two people the players; closed without it,
    // the opponent stays as it was (the computer goes on playing its turns).
    m_dialogs.showModal(ModalWindow::PlayerNames);
}

} // namespace qv
