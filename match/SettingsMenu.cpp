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

void SettingsMenu::N300Click() {
    if (!refuseTimeChange(true))
        setTimeLimit(TimeEntry::N300, 3, 0);
}

void SettingsMenu::N200Click() {
    if (!refuseTimeChange(false))
        setTimeLimit(TimeEntry::N200, 2, 0);
}

void SettingsMenu::N100Click() {
    if (!refuseTimeChange(false))
        setTimeLimit(TimeEntry::N100, 1, 0);
}

void SettingsMenu::N45Click() {
    if (!refuseTimeChange(false))
        setTimeLimit(TimeEntry::N45, 0, 45);
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
    menu.N300 = entry == TimeEntry::N300;
    menu.N200 = entry == TimeEntry::N200;
    menu.N100 = entry == TimeEntry::N100;
    menu.N45 = entry == TimeEntry::N45;
}

void SettingsMenu::N24Blocos1Click() {
    if (m_game.matchInProgress()) {
        m_game.ports.dialogs.messageDlg(kBlocksRefusal, MessageKind::Warning, Buttons::Ok);
        return;
    }
    m_game.view.menu.N24Blocos1 = true;
    m_game.view.menu.N16Blocos1 = false;
    m_game.state.BlockCount = 24;
    m_game.state.MaxBoardPoints = 1800;
    m_game.ports.dialogs.showMessage("A próxima partida iniciará com 24 blocos... Boa sorte");
}

void SettingsMenu::N16Blocos1Click() {
    if (m_game.matchInProgress()) {
        m_game.ports.dialogs.messageDlg(kBlocksRefusal, MessageKind::Warning, Buttons::Ok);
        return;
    }
    m_game.view.menu.N24Blocos1 = false;
    m_game.view.menu.N16Blocos1 = true;
    m_game.state.BlockCount = 16;
    m_game.state.MaxBoardPoints = 1200;
    m_game.ports.dialogs.showMessage("A próxima partida iniciará apenas com 16 blocos... Boa "
                                     "sorte\n\nOBS.:Jogar com 16 blocos, não vale para disputar "
                                     "RECORDS!");
}

void SettingsMenu::Individual1Click() {
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
    m_game.view["Label15"].visible = true;
    s.EndAnimFrame = 0;
    s.LostFlag.clear();
    s.SettingsChanged = 1;
    s.PlayerCount = 1;
    s.OpponentMode = mode::kIndividual;
    m_game.view.menu.Participantes1 = false;
    m_game.view.menu.Individual1 = true;
}

void SettingsMenu::Participantes1Click() {
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
