#include "app/TFORM1.h"

#include <QMenuBar>

// The main window's menu: entries named and captioned as the game's design has
// them, with the check marks of the settings.

namespace qv {

QAction* TFORM1::addEntry(QMenu* menu, const char* name, const QString& caption,
                          void (TFORM1::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    m_entries.emplace(action->objectName(), action);
    return action;
}

void TFORM1::buildMenu() {
    auto setting = [this](QMenu* menu, const char* name, const QString& caption,
                          void (SettingsMenu::*handler)()) {
        QAction* action = addEntry(menu, name, caption);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, handler] { handle([this, handler] { (m_game.settings.*handler)(); }); });
        return action;
    };
    auto asDefault = [](QAction* action) {
        QFont bold = action->font();
        bold.setBold(true);
        action->setFont(bold);
    };

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* game = bar->addMenu(QStringLiteral("&Jogo"));
    game->setObjectName(QStringLiteral("IniciarJogo1"));
    QMenu* time = game->addMenu(QStringLiteral("&Tempo"));
    time->setObjectName(QStringLiteral("Tempo1"));
    setting(time, "N300", QStringLiteral("3:00 min"), &SettingsMenu::onThreeMinutes);
    setting(time, "N200", QStringLiteral("2:00 min"), &SettingsMenu::onTwoMinutes);
    setting(time, "N100", QStringLiteral("1:00 min"), &SettingsMenu::onOneMinute);
    setting(time, "N45", QStringLiteral("0:45 seg"), &SettingsMenu::onFortyFiveSeconds);
    QMenu* against = game->addMenu(QStringLiteral("&Jogar contra"));
    against->setObjectName(QStringLiteral("Cadastrar1"));
    setting(against, "Participantes1", QStringLiteral("&Seu colega"), &SettingsMenu::onTwoPlayers);
    asDefault(
        setting(against, "Individual1", QStringLiteral("&Individual"), &SettingsMenu::onPlayAlone));
    addEntry(against, "computador", QStringLiteral("&Computador"), &TFORM1::computadorClick);
    addEntry(game, "MelhoresRecords1", QStringLiteral("&Melhores Records"),
             &TFORM1::MelhoresRecords1Click);
    game->addSeparator()->setObjectName(QStringLiteral("N1"));
    addEntry(game, "Novo1", QStringLiteral("&Iniciar"), &TFORM1::Novo1Click);
    addEntry(game, "Parar1", QStringLiteral("&Parar"), &TFORM1::BitBtn3Click);
    addEntry(game, "Sair1", QStringLiteral("&Sair"), &TFORM1::Sair1Click);

    QMenu* options = bar->addMenu(QStringLiteral("&Opções"));
    options->setObjectName(QStringLiteral("Opes1"));
    QMenu* blocks = options->addMenu(QStringLiteral("Nº de &Blocos"));
    blocks->setObjectName(QStringLiteral("NdeFiguras1"));
    asDefault(setting(blocks, "N24Blocos1", QStringLiteral("24 Blocos"),
                      &SettingsMenu::onTwentyFourBlocks));
    setting(blocks, "N16Blocos1", QStringLiteral("16 Blocos"), &SettingsMenu::onSixteenBlocks);
    addEntry(options, "MudasFiguras1", QStringLiteral("&Figuras dos Blocos"),
             &TFORM1::MudasFiguras1Click);
    addEntry(options, "EfeitosSonoros1", QStringLiteral("&Efeitos Sonoros"),
             &TFORM1::EfeitosSonoros1Click);
    addEntry(options, "Pers_fig", QStringLiteral("&Personalizar figuras"), &TFORM1::Pers_figClick);

    QMenu* help = bar->addMenu(QStringLiteral("&Ajuda"));
    help->setObjectName(QStringLiteral("Sobre1"));
    addEntry(help, "Crdito1", QStringLiteral("&Sobre"), &TFORM1::Crdito1Click);
    addEntry(help, "Instrues1", QStringLiteral("&Instruções"), &TFORM1::Instrues1Click);
}

void TFORM1::renderMenu() {
    const MenuMarks& marks = m_game.view.menu;
    const std::pair<const char*, bool> checks[] = {
        {"N300", marks.N300},
        {"N200", marks.N200},
        {"N100", marks.N100},
        {"N45", marks.N45},
        {"N24Blocos1", marks.N24Blocos1},
        {"N16Blocos1", marks.N16Blocos1},
        {"Individual1", marks.Individual1},
        {"Participantes1", marks.Participantes1},
    };
    for (const auto& [name, checked] : checks)
        m_entries.at(QString::fromLatin1(name))->setChecked(checked);
}

} // namespace qv
