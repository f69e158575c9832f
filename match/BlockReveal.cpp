#include "match/BlockReveal.h"

#include "game/Game.h"

namespace qv {

namespace {
constexpr int kBlinkInterval = 30;
constexpr int kPairPause = 12;
constexpr int kMissPause = 19;
constexpr int kMissPauseComputer = 28;
} // namespace

BlockReveal::BlockReveal(Game& game) : m_game(game) {
    m_game.timers.revealPause.setHandler([this] { onRevealTick(); });
}

bool BlockReveal::computerProbing() const {
    const MatchState& s = m_game.state;
    return s.ComputerAttempt != 0 && s.ComputerAttempt < s.AttemptLimit;
}

// Position 0 names no block yet (before the first try of the run): nothing to show.
void BlockReveal::showCover(int position, bool visible) {
    if (position >= 1 && position <= 24)
        m_game.view.cover(position).visible = visible;
}

void BlockReveal::showFace(int position, bool visible) {
    if (position >= 1 && position <= 24)
        m_game.view.face(position).visible = visible;
}

bool BlockReveal::acceptClick() {
    MatchState& s = m_game.state;
    if (s.ComputerMoving == 1)
        return true;
    if (!s.ClickArmed)
        return false;
    s.ClickArmed = false;
    return true;
}

void BlockReveal::onCoverClick(int k) {
    MatchState& s = m_game.state;
    if (!acceptClick())
        return;
    const auto slot = static_cast<std::size_t>(k);
    s.ClickedCover = k;
    s.SlotSeen[slot] = 1;
    s.BlinkStep = 0;
    m_game.timers.revealPause.setInterval(kBlinkInterval);
    s.ClickCount += 1;
    if (s.ComputerAttempt == 0 && s.ClickCount == 1)
        showCover(k, false);
    if (s.Try == TryState::PairShown) {
        showFace(s.FirstFace, false);
        showFace(s.SecondFace, false);
        s.Try = TryState::None;
    }
    if (s.ClickCount == 1) {
        s.FirstFigure = s.SlotFigure[slot];
        m_game.sound().firstClick();
        m_game.computer.notePersonFirstBlock(k);
        if (s.Try == TryState::MissShown) {
            showCover(s.FirstCover, true);
            showCover(s.SecondCover, true);
            s.Try = TryState::MissClosed;
        }
        s.FirstCover = k;
        s.FirstFace = k;
    }
    if (s.ClickCount < 2)
        return;

    m_game.computer.notePersonSecondBlock(k);
    s.WaitTicks = 0;
    s.Try = TryState::MissShown;
    s.SecondFigure = s.SlotFigure[slot];
    s.SecondCover = k;
    const bool pair = s.FirstFigure == s.SecondFigure;
    if (s.ComputerAttempt == 0 || s.ComputerAttempt >= s.AttemptLimit || pair) {
        showCover(k, false);
        s.ClickCount = 0;
        m_game.sound().secondClick();
    }
    if (pair) {
        s.ClickCount = 0;
        s.ComputerAttempt = 0;
        s.ComputerMoving = 0;
        s.AttemptIndex = s.AttemptLimit;
        s.SecondFace = k;
        s.Try = TryState::PairShown;
        s.BoardPoints += 150;
        m_game.scoring.scorePair();
    } else {
        m_game.scoring.scoreMiss();
    }
}

void BlockReveal::onRevealTick() {
    MatchState& s = m_game.state;
    if (computerProbing())
        return;
    Control* clicked =
        s.ClickedCover >= 1 && s.ClickedCover <= 24 ? &m_game.view.cover(s.ClickedCover) : nullptr;
    // A cover takes clicks again only while a match runs: a pause that outlasts
    // the match must not open the board after the time-out or PARAR.
    const bool playing = m_game.timers.matchInProgress();
    auto finishUncovering = [&] {
        s.BlinkStep = 3;
        if (clicked) {
            clicked->visible = false;
            clicked->enabled = playing;
        }
        s.ClickArmed = true;
    };
    // Photos are not blinked: the cover is simply gone.
    if (s.FigureCategory == category::kPersonaliz)
        finishUncovering();
    if (s.BlinkStep <= 2) {
        s.BlinkStep += 1;
        if (clicked) {
            clicked->enabled = false;
            clicked->visible = !clicked->visible;
        }
        if (s.BlinkStep == 2)
            finishUncovering();
    } else {
        s.WaitTicks += 1;
        if (s.Try == TryState::PairShown && s.WaitTicks == kPairPause) {
            s.Try = TryState::None;
            m_game.sound().pairFound();
            showFace(s.FirstFace, false);
            showFace(s.SecondFace, false);
            s.WaitTicks = 0;
            m_game.timers.revealPause.stop();
            s.BlinkStep = 0;
        }
    }
    const int limit = s.ComputerMoving == 1 ? kMissPauseComputer : kMissPause;
    if (s.Try == TryState::MissShown && s.WaitTicks == limit) {
        s.Try = TryState::None;
        showCover(s.FirstCover, true);
        showCover(s.SecondCover, true);
        if (clicked)
            clicked->enabled = playing;
        if (s.ClickCount == 0)
            m_game.sound().pairMissed();
    }
    if (s.WaitTicks >= limit) {
        s.WaitTicks = 0;
        m_game.timers.revealPause.stop();
        s.BlinkStep = 0;
    }
}

} // namespace qv
