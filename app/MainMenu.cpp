#include "app/MainWindow.h"

#include <QMenuBar>

// The main window's menu: entries named by what they do and captioned as the
// game shows them, with the check marks of the settings.

namespace qv {

QAction* MainWindow::addEntry(QMenu* menu, const char* name, const QString& caption,
                              void (MainWindow::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    m_entries.emplace(action->objectName(), action);
    return action;
}

void MainWindow::buildMenu() {
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
    bar->setObjectName(QStringLiteral("mainMenu"));
    QMenu* game = bar->addMenu(QStringLiteral("&Jogo"));
    game->setObjectName(QStringLiteral("gameMenu"));
    QMenu* time = game->addMenu(QStringLiteral("&Tempo"));
    time->setObjectName(QStringLiteral("timeMenu"));
    setting(time, "time3min", QStringLiteral("3:00 min"), &SettingsMenu::onThreeMinutes);
    setting(time, "time2min", QStringLiteral("2:00 min"), &SettingsMenu::onTwoMinutes);
    setting(time, "time1min", QStringLiteral("1:00 min"), &SettingsMenu::onOneMinute);
    setting(time, "time45s", QStringLiteral("0:45 seg"), &SettingsMenu::onFortyFiveSeconds);
    QMenu* against = game->addMenu(QStringLiteral("&Jogar contra"));
    against->setObjectName(QStringLiteral("opponentMenu"));
    setting(against, "playWithFriend", QStringLiteral("&Seu colega"), &SettingsMenu::onTwoPlayers);
    asDefault(
        setting(against, "playAlone", QStringLiteral("&Individual"), &SettingsMenu::onPlayAlone));
    addEntry(against, "playComputer", QStringLiteral("&Computador"), &MainWindow::onPlayComputer);
    addEntry(game, "bestRecords", QStringLiteral("&Melhores Records"), &MainWindow::onBestRecords);
    game->addSeparator()->setObjectName(QStringLiteral("gameMenuSeparator"));
    addEntry(game, "newMatch", QStringLiteral("&Iniciar"), &MainWindow::onNewMatch);
    addEntry(game, "stopMatch", QStringLiteral("&Parar"), &MainWindow::onStop);
    addEntry(game, "quit", QStringLiteral("&Sair"), &MainWindow::onQuit);

    QMenu* options = bar->addMenu(QStringLiteral("&Opções"));
    options->setObjectName(QStringLiteral("optionsMenu"));
    QMenu* blocks = options->addMenu(QStringLiteral("Nº de &Blocos"));
    blocks->setObjectName(QStringLiteral("blocksMenu"));
    asDefault(setting(blocks, "blocks24", QStringLiteral("24 Blocos"),
                      &SettingsMenu::onTwentyFourBlocks));
    setting(blocks, "blocks16", QStringLiteral("16 Blocos"), &SettingsMenu::onSixteenBlocks);
    addEntry(options, "blockFigures", QStringLiteral("&Figuras dos Blocos"),
             &MainWindow::onBlockFigures);
    addEntry(options, "soundEffects", QStringLiteral("&Efeitos Sonoros"),
             &MainWindow::onSoundEffects);
    addEntry(options, "customFigures", QStringLiteral("&Personalizar figuras"),
             &MainWindow::onCustomFigures);

    QMenu* help = bar->addMenu(QStringLiteral("&Ajuda"));
    help->setObjectName(QStringLiteral("helpMenu"));
    addEntry(help, "about", QStringLiteral("&Sobre"), &MainWindow::onAbout);
    addEntry(help, "instructions", QStringLiteral("&Instruções"), &MainWindow::onInstructions);
}

void MainWindow::renderMenu() {
    const MenuMarks& marks = m_game.view.menu;
    const std::pair<const char*, bool> checks[] = {
        {"time3min", marks.time3min},   {"time2min", marks.time2min},
        {"time1min", marks.time1min},   {"time45s", marks.time45s},
        {"blocks24", marks.blocks24},   {"blocks16", marks.blocks16},
        {"playAlone", marks.playAlone}, {"playWithFriend", marks.playWithFriend},
    };
    for (const auto& [name, checked] : checks)
        m_entries.at(QString::fromLatin1(name))->setChecked(checked);
}

} // namespace qv
