#include "match/ComputerOpponent.h"

#include "match/BlockReveal.h"
#include "match/LevelPanel.h"
#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "match/SoundCues.h"
#include "platform/Utf8.h"

namespace qv {

namespace {

constexpr std::array<ComputerLevel, kLevelCount> kLevels{{
    {"Sabidinho", "SAB", "Computador Sab", {3, 5, 8}},
    {"Inteligente", "INT", "Computador Int", {4, 7, 10}},
    {"Superdotado", "SUP", "Computador Sup", {5, 8, 11}},
}};

constexpr int kWaitInterval = 50;
constexpr int kWaitTicksSpeaker = 35;
constexpr int kWaitTicks = 40;
constexpr int kRevealPause = 100;
/// Attempts beyond this number draw no new candidate.
constexpr int kLastDrawnAttempt = 12;
/// At these levels every candidate is tested, seen before or not.
constexpr int kTestsEveryCandidate = 5;
constexpr std::size_t kNameLength = 13;

const char* const kPlayerRefusal =
    "Partida está em andamento, para mudar o tipo de jogo, antes clique em PARAR.";

} // namespace

const ComputerLevel& computerLevel(int level) {
    return kLevels.at(static_cast<std::size_t>(level - 1));
}

int levelOfCode(const std::string& code) {
    for (int level = 1; level <= kLevelCount; ++level) {
        if (code == computerLevel(level).code)
            return level;
    }
    return 1;
}

ComputerOpponent::ComputerOpponent(MatchState& state, MainView& view, MatchTimers& timers,
                                   const Ports& ports, SoundCues& sound, BlockReveal& reveal,
                                   LevelPanel& levelPanel)
    : m_state(state), m_view(view), m_timers(timers), m_ports(ports), m_sound(sound),
      m_reveal(reveal), m_levelPanel(levelPanel) {
    m_timers.computerWait.setHandler([this] { onWaitTick(); });
    // Until a level is chosen the computer plays at level 1: a table of no
    // attempts would leave it moving for ever, with the window locked.
    m_state.LevelAttempts = computerLevel(1).attempts;
}

void ComputerOpponent::notePersonFirstBlock(int position) {
    if (m_state.ComputerMoving == 0)
        m_state.HumanFirstPos = position;
}

void ComputerOpponent::notePersonSecondBlock(int position) {
    if (m_state.ComputerMoving == 0)
        m_state.HumanSecondPos = position;
}

int ComputerOpponent::waitTicks() const {
    // Speaker tones hold the program while they sound; the wait is shorter to match.
    return m_sound.speakerChosen() ? kWaitTicksSpeaker : kWaitTicks;
}

void ComputerOpponent::trigger() {
    MatchState& s = m_state;
    s.ComputerWaitTicks = waitTicks();
    m_timers.computerWait.setInterval(kWaitInterval);
    m_view.form.enabled = false;
    if (s.ComputerWaitCount >= s.ComputerWaitTicks) {
        s.ComputerWaitCount = 0;
        makeMove();
    }
}

void ComputerOpponent::onWaitTick() {
    MatchState& s = m_state;
    s.ComputerWaitTicks = waitTicks();
    s.ComputerWaitCount += 1;
    if (s.ComputerWaitCount >= s.ComputerWaitTicks)
        m_timers.computerWait.stop();
}

void ComputerOpponent::waitFor(int milliseconds) {
    m_ports.scheduler.waitProcessingEvents(milliseconds);
}

void ComputerOpponent::reseed() {
    m_ports.random.seed(static_cast<std::uint32_t>(m_ports.clock.millisecondsSinceMidnight()));
}

int ComputerOpponent::drawPosition() {
    const int count = m_state.BlockCount == 16 ? 17 : 25;
    int position = 0;
    while (position == 0)
        position = m_ports.random.below(count);
    return position;
}

bool ComputerOpponent::onBoard(int position) const {
    return position >= 1 && position <= m_state.BlockCount && m_view.face(position).visible;
}

int ComputerOpponent::positionsLeft() const {
    int left = 0;
    for (int k = 1; k <= m_state.BlockCount; ++k)
        left += onBoard(k) ? 1 : 0;
    return left;
}

bool ComputerOpponent::validCandidate(int position, int attempt, int first) const {
    if (!onBoard(position) || position == first)
        return false;
    // The first attempt's candidate may come again from the third attempt on.
    const int from = attempt == 2 ? 1 : 2;
    for (int earlier = from; earlier < attempt; ++earlier) {
        if (m_candidates[static_cast<std::size_t>(earlier)] == position)
            return false;
    }
    return true;
}

int ComputerOpponent::drawCandidate(int attempt, int first) {
    const int previous = m_state.ComputerPick;
    if (attempt > kLastDrawnAttempt)
        return previous;
    bool anyValid = false;
    for (int k = 1; k <= m_state.BlockCount && !anyValid; ++k)
        anyValid = validCandidate(k, attempt, first);
    // Drawing on with nothing left to draw would never end; the previous one stands.
    if (!anyValid)
        return previous;
    int candidate = drawPosition();
    while (!validCandidate(candidate, attempt, first))
        candidate = drawPosition();
    m_candidates[static_cast<std::size_t>(attempt)] = candidate;
    return candidate;
}

void ComputerOpponent::turnPick() {
    const int pick = m_state.ComputerPick;
    if (pick >= 1 && pick <= 24)
        m_reveal.onCoverClick(pick);
}

bool ComputerOpponent::testHidden(int position) {
    MatchState& s = m_state;
    s.ComputerPick = position;
    s.ComputerAttempt -= 1;
    turnPick();
    // A found pair ends the move; the click rule has then cleared ComputerMoving.
    if (s.ComputerMoving == 0)
        return true;
    s.ComputerAttempt += 1;
    return false;
}

bool ComputerOpponent::lookAtLatestTry(int first) {
    MatchState& s = m_state;
    if (s.HumanFirstPos != first && testHidden(s.HumanFirstPos))
        return true;
    if (s.HumanSecondPos != first && testHidden(s.HumanSecondPos))
        return true;
    s.ComputerAttempt = s.AttemptIndex;
    return false;
}

void ComputerOpponent::makeMove() {
    MatchState& s = m_state;
    if (s.BoardPoints >= s.MaxBoardPoints || s.SecondTurn != 1)
        return;
    // Seeded once a move: seeding again within the same millisecond would repeat
    // the very same draws, and the third attempt would retest the first candidate.
    reseed();
    s.ComputerAttempt = 0;
    s.ComputerMoving = 1;
    if (positionsLeft() == 0) {
        s.ComputerMoving = 0;
        return;
    }
    int first = drawPosition();
    while (!onBoard(first))
        first = drawPosition();
    m_reveal.onCoverClick(first);
    for (int pause = 0; pause < 3; ++pause)
        waitFor(kRevealPause);
    s.ClickArmed = true;

    const int left = positionsLeft();
    s.AttemptLimit = s.LevelAttempts[left <= 8 ? 0 : left <= 16 ? 1 : 2];
    if (s.AttemptLimit <= 0)
        return;
    m_candidates.fill(0);
    s.AttemptIndex = 1;
    for (int round = 0; round < s.AttemptLimit; ++round) {
        s.ComputerAttempt += 1;
        const int candidate = drawCandidate(s.AttemptIndex, first);
        s.ComputerPick = candidate;
        if (s.AttemptIndex == s.AttemptLimit) {
            if (lookAtLatestTry(first))
                return;
            s.ComputerPick = candidate;
            s.SlotSeen[static_cast<std::size_t>(candidate)] = 1;
        }
        if (s.AttemptLimit <= kTestsEveryCandidate)
            s.SlotSeen[static_cast<std::size_t>(candidate)] = 1;
        if (s.SlotSeen[static_cast<std::size_t>(s.ComputerPick)] == 1)
            turnPick();
        if (s.AttemptIndex >= s.AttemptLimit)
            return;
        s.AttemptIndex += 1;
    }
}

void ComputerOpponent::applyLevel(int level) {
    MatchState& s = m_state;
    const ComputerLevel& chosen = computerLevel(level);
    s.LevelAttempts = chosen.attempts;
    s.LevelCode = chosen.code;
    s.PlayerName2 = chosen.playerName;
}

void ComputerOpponent::onPlayComputer() {
    Dialogs& dialogs = m_ports.dialogs;
    if (m_timers.matchInProgress()) {
        dialogs.messageDlg(kPlayerRefusal, MessageKind::Warning, Buttons::Ok);
        return;
    }
    MatchState& s = m_state;
    const auto answer = dialogs.inputQuery(
        "Quorvanella 2.0", "Digite o nome do jogador que deseja jogar contra mim", s.PlayerName1);
    if (!answer)
        return;
    s.PlayerName1 = firstCharacters(*answer, kNameLength);
    // Only the computer picture of a dialog that is up asks from inside it; a
    // dialog that "Jogador" opened and that was closed since asks like the menu.
    const bool fromOpenDialog = s.DefinitionFromPlayerButton && m_levelPanel.isOpen();
    s.OpponentMode = PlayMode::OneBoard;
    s.RivalIsComputer = true;
    s.WinTally1 = 0;
    s.WinTally2 = 0;
    // A new opponent, a new match: a game alone lost on time leaves its round
    // counted, which would end the next start at once as a draw.
    s.SettingsChanged = 1;
    if (fromOpenDialog) {
        m_levelPanel.showLevelPanel();
        m_sound.optionChosen();
        return;
    }
    m_levelPanel.create(false);
    m_levelPanel.showLevelPanel();
    m_ports.dialogs.showModal(ModalWindow::GameDefinition);
}

} // namespace qv
