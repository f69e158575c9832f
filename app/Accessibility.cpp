#include "app/Accessibility.h"

#include "app/Announcer.h"
#include "app/BoardKeyboard.h"
#include "app/MainWindow.h"
#include "match/SpokenText.h"
#include "widgets/PictureBox.h"

#include <QAccessible>

namespace qv {

namespace {

void setName(QWidget* widget, const std::string& name) {
    const QString text = QString::fromStdString(name);
    if (widget && widget->accessibleName() != text)
        widget->setAccessibleName(text);
}

constexpr Role kScoreBoard[] = {Role::Player1Name, Role::Player1Points, Role::Player1Time,
                                Role::Player2Name, Role::Player2Points, Role::Player2Time,
                                Role::Clock,       Role::TallyWins1,    Role::TallyWins2,
                                Role::ResultText};

} // namespace

MainWindowAccessibility::MainWindowAccessibility(MainWindow& window, const BoardKeyboard& keyboard)
    : m_window(window), m_keyboard(keyboard),
      m_narrator(window.game().state, window.game().view, window.game().timers),
      m_announcer(new Announcer(window.centralWidget())) {
    QWidget* holder = window.control(Role::FocusHolder);
    holder->setAccessibleName(QStringLiteral("Tabuleiro"));
    holder->setAccessibleDescription(
        QStringLiteral("Setas: escolher um bloco. Espaço ou Enter: virar o bloco. "
                       "F2: jogar. Esc: parar a partida."));
    window.control(Role::SoundSwitch)->setAccessibleName(QStringLiteral("Som"));
}

void MainWindowAccessibility::update() {
    nameBlocks();
    nameScoreBoard();
    followPointedBlock();
    const std::string news = m_narrator.news();
    if (!news.empty())
        m_announcer->say(QString::fromStdString(news));
}

void MainWindowAccessibility::nameBlocks() {
    const Game& game = m_window.game();
    for (int k = 1; k <= 24; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        setName(m_window.control(coverNames()[slot]), spoken::closedBlock(k));
        // Under its cover a face says nothing, or a screen reader would tell it;
        // through the cover's flash as a block turns it is open all the same.
        setName(m_window.control(faceNames()[slot]),
                m_narrator.isOpen(k) ? spoken::openBlock(k, game.state.SlotFigure[slot])
                                     : std::string());
    }
}

void MainWindowAccessibility::nameScoreBoard() {
    for (Role label : kScoreBoard)
        setName(m_window.control(label), spoken::scoreLabel(m_window.game().view, label));
}

void MainWindowAccessibility::followPointedBlock() {
    const int pointed = m_keyboard.pointed();
    // The face from the moment the block turns, so the focus does not go back to
    // the cover for its flash.
    PictureBox* shown = nullptr;
    if (pointed != 0) {
        const std::string& name = m_narrator.isOpen(pointed)
                                      ? faceNames()[static_cast<std::size_t>(pointed)]
                                      : coverNames()[static_cast<std::size_t>(pointed)];
        shown = static_cast<PictureBox*>(m_window.control(name));
    }
    if (shown == m_pointed)
        return;
    if (m_pointed)
        m_pointed->setPointed(false);
    m_pointed = shown;
    if (!shown)
        return;
    shown->setPointed(true);
    // Only while the board has the keyboard: an open menu or box keeps the
    // screen reader where the player is.
    if (!m_window.control(Role::FocusHolder)->hasFocus())
        return;
    QAccessibleEvent focus(shown, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace qv
