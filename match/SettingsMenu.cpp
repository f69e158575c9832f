#include "match/SettingsMenu.h"

#include "match/Game.h"

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
    if (!m_game.matchInProgress())
        return false;
    if (plainBox)
        m_game.ports.dialogs.messageBox(kTimeRefusal, "Quorvanella 2.0", MessageIcon::None,
                                        Buttons::Ok);
    else
        m_game.ports.dialogs.messageDlg(kTimeRefusal, MessageKind::Warning, Buttons::Ok);
    return true;
}

void SettingsMenu::onTime3min() {
    if (!refuseTimeChange(true))
        setTimeLimit(TimeEntry::Time3min, 3, 0);
}

void SettingsMenu::onTime2min() {
    if (!refuseTimeChange(false))
        setTimeLimit(TimeEntry::Time2min, 2, 0);
}

void SettingsMenu::onTime1min() {
    if (!refuseTimeChange(false))
        setTimeLimit(TimeEntry::Time1min, 1, 0);
}

void SettingsMenu::onTime45s() {
    if (!refuseTimeChange(false))
        setTimeLimit(TimeEntry::Time45s, 0, 45);
}

void SettingsMenu::setTimeLimit(TimeEntry entry, int minutes, int seconds) {
    MatchState& s = m_game.state;
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
    MenuMarks& menu = m_game.view.menu;
    menu.time3min = entry == TimeEntry::Time3min;
    menu.time2min = entry == TimeEntry::Time2min;
    menu.time1min = entry == TimeEntry::Time1min;
    menu.time45s = entry == TimeEntry::Time45s;
}

void SettingsMenu::onBlocks24() {
    if (m_game.matchInProgress()) {
        m_game.ports.dialogs.messageDlg(kBlocksRefusal, MessageKind::Warning, Buttons::Ok);
        return;
    }
    m_game.view.menu.blocks24 = true;
    m_game.view.menu.blocks16 = false;
    m_game.state.BlockCount = 24;
    m_game.state.MaxBoardPoints = 1800;
    m_game.ports.dialogs.showMessage("A próxima partida iniciará com 24 blocos... Boa sorte");
}

void SettingsMenu::onBlocks16() {
    if (m_game.matchInProgress()) {
        m_game.ports.dialogs.messageDlg(kBlocksRefusal, MessageKind::Warning, Buttons::Ok);
        return;
    }
    m_game.view.menu.blocks24 = false;
    m_game.view.menu.blocks16 = true;
    m_game.state.BlockCount = 16;
    m_game.state.MaxBoardPoints = 1200;
    m_game.ports.dialogs.showMessage("A próxima partida iniciará apenas com 16 blocos... Boa "
                                     "sorte\n\nOBS.:Jogar com 16 blocos, não vale para disputar "
                                     "RECORDS!");
}

void SettingsMenu::onPlayAlone() {
    if (m_game.matchInProgress()) {
        m_game.ports.dialogs.messageDlg(kPlayerRefusal, MessageKind::Information, Buttons::Ok);
        return;
    }
    MatchState& s = m_game.state;
    s.PlayerName1 =
        m_game.ports.dialogs.inputBox("Definir jogador", "Digite seu nome", s.PlayerName1);
    s.RivalKind.clear();
    m_game.endDisplay.apagarVenPerd();
    s.ClickCount = 0;
    s.WaitTicks = 0;
    m_game.view[Role::ClockCaption].visible = true;
    s.EndAnimFrame = 0;
    s.LostFlag.clear();
    s.SettingsChanged = 1;
    s.PlayerCount = 1;
    s.OpponentMode = mode::kIndividual;
    m_game.view.menu.playWithFriend = false;
    m_game.view.menu.playAlone = true;
}

void SettingsMenu::onPlayWithFriend() {
    if (m_game.matchInProgress()) {
        m_game.ports.dialogs.messageDlg(kPlayerRefusal, MessageKind::Warning, Buttons::Ok);
        return;
    }
    m_game.endDisplay.apagarVenPerd();
    // The names window's OK makes the two people the players; closed without it,
    // the opponent stays as it was (the computer goes on playing its turns).
    m_game.ports.dialogs.showModal(ModalWindow::PlayerNames);
}

} // namespace qv
