#include "match/BlockReveal.h"

#include "match/ComputerOpponent.h"
#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "match/Scoring.h"
#include "match/SoundCues.h"

namespace qv {

namespace {
constexpr int kBlinkInterval = 30;
constexpr int kPairPause = 12;
constexpr int kMissPause = 19;
constexpr int kMissPauseComputer = 28;
} // namespace

BlockReveal::BlockReveal(MatchState& state, MainView& view, MatchTimers& timers, SoundCues& sound,
                         Scoring& scoring, ComputerOpponent& computer)
    : m_state(state), m_view(view), m_timers(timers), m_sound(sound), m_scoring(scoring),
      m_computer(computer) {
    m_timers.revealPause.setHandler([this] { onRevealTick(); });
}

bool BlockReveal::computerProbing() const {
    const MatchState& s = m_state;
    return s.ComputerAttempt != 0 && s.ComputerAttempt < s.AttemptLimit;
}

// Position 0 names no block yet (before the first try of the run): nothing to show.
void BlockReveal::showCover(int position, bool visible) {
    if (position >= 1 && position <= 24)
        m_view.cover(position).visible = visible;
}

void BlockReveal::showFace(int position, bool visible) {
    if (position >= 1 && position <= 24)
        m_view.face(position).visible = visible;
}

bool BlockReveal::acceptClick() {
    MatchState& s = m_state;
    if (s.ComputerMoving == 1)
        return true;
    if (!s.ClickArmed)
        return false;
    s.ClickArmed = false;
    return true;
}

void BlockReveal::onCoverClick(int k) {
    MatchState& s = m_state;
    if (!acceptClick())
        return;
    const auto slot = static_cast<std::size_t>(k);
    s.ClickedCover = k;
    s.SlotSeen[slot] = 1;
    s.BlinkStep = 0;
    m_timers.revealPause.setInterval(kBlinkInterval);
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
        m_sound.firstClick();
        m_computer.notePersonFirstBlock(k);
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

    m_computer.notePersonSecondBlock(k);
    s.WaitTicks = 0;
    s.Try = TryState::MissShown;
    s.SecondFigure = s.SlotFigure[slot];
    s.SecondCover = k;
    const bool pair = s.FirstFigure == s.SecondFigure;
    if (s.ComputerAttempt == 0 || s.ComputerAttempt >= s.AttemptLimit || pair) {
        showCover(k, false);
        s.ClickCount = 0;
        m_sound.secondClick();
    }
    if (pair) {
        s.ClickCount = 0;
        s.ComputerAttempt = 0;
        s.ComputerMoving = 0;
        s.AttemptIndex = s.AttemptLimit;
        s.SecondFace = k;
        s.Try = TryState::PairShown;
        s.BoardPoints += 150;
        m_scoring.scorePair();
    } else {
        m_scoring.scoreMiss();
    }
}

void BlockReveal::onRevealTick() {
    MatchState& s = m_state;
    if (computerProbing())
        return;
    Control* clicked =
        s.ClickedCover >= 1 && s.ClickedCover <= 24 ? &m_view.cover(s.ClickedCover) : nullptr;
    // A cover takes clicks again only while a match runs: a pause that outlasts
    // the match must not open the board after the time-out or PARAR.
    const bool playing = m_timers.matchInProgress();
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
            m_sound.pairFound();
            showFace(s.FirstFace, false);
            showFace(s.SecondFace, false);
            s.WaitTicks = 0;
            m_timers.revealPause.stop();
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
            m_sound.pairMissed();
    }
    if (s.WaitTicks >= limit) {
        s.WaitTicks = 0;
        m_timers.revealPause.stop();
        s.BlinkStep = 0;
    }
}

} // namespace qv
