#include "match/BlockReveal.h"

#include "match/Game.h"

namespace qv {

namespace {
constexpr int kBlinkInterval = 30;
constexpr int kPairPause = 12;
constexpr int kMissPause = 19;
constexpr int kMissPauseComputer = 28;
} // namespace

BlockReveal::BlockReveal(Game& game) : m_game(game) {
    m_game.Timer2.setHandler([this] { imageclose(); });
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

bool BlockReveal::Evita_dupAbrir() {
    MatchState& s = m_game.state;
    if (s.ComputerMoving == 1)
        return true;
    if (!s.ClickArmed)
        return false;
    s.ClickArmed = false;
    return true;
}

void BlockReveal::onBlockClick(int k) {
    MatchState& s = m_game.state;
    if (!Evita_dupAbrir())
        return;
    const auto slot = static_cast<std::size_t>(k);
    s.ClickedCover = k;
    s.SlotSeen[slot] = 1;
    s.BlinkStep = 0;
    m_game.Timer2.setInterval(kBlinkInterval);
    s.ClickCount += 1;
    if (s.ComputerAttempt == 0 && s.ClickCount == 1)
        showCover(k, false);
    if (s.TryMarker == "APAGAR") {
        showFace(s.FirstFace, false);
        showFace(s.SecondFace, false);
        s.TryMarker.clear();
    }
    if (s.ClickCount == 1) {
        s.FirstFigure = s.SlotFigure[slot];
        m_game.sound().SOUND1();
        m_game.computer.recebe_fig_usu(k);
        if (s.TryMarker == kSim) {
            showCover(s.FirstCover, true);
            showCover(s.SecondCover, true);
            s.TryMarker = kNao;
        }
        s.FirstCover = k;
        s.FirstFace = k;
    }
    if (s.ClickCount < 2)
        return;

    m_game.computer.recebe_fig_usu2(k);
    s.WaitTicks = 0;
    s.TryMarker = kSim;
    s.SecondFigure = s.SlotFigure[slot];
    s.SecondCover = k;
    const bool pair = s.FirstFigure == s.SecondFigure;
    if (s.ComputerAttempt == 0 || s.ComputerAttempt >= s.AttemptLimit || pair) {
        showCover(k, false);
        s.ClickCount = 0;
        m_game.sound().SOUND2();
    }
    if (pair) {
        s.ClickCount = 0;
        s.ComputerAttempt = 0;
        s.ComputerMoving = 0;
        s.AttemptIndex = s.AttemptLimit;
        s.SecondFace = k;
        s.TryMarker = "APAGAR";
        s.BoardPoints += 150;
        m_game.scoring.acertoudes();
    } else {
        m_game.scoring.erroudes();
    }
}

void BlockReveal::imageclose() {
    MatchState& s = m_game.state;
    if (computerProbing())
        return;
    Control* clicked =
        s.ClickedCover >= 1 && s.ClickedCover <= 24 ? &m_game.view.cover(s.ClickedCover) : nullptr;
    // A cover takes clicks again only while a match runs: a pause that outlasts
    // the match must not open the board after the time-out or PARAR.
    const bool playing = m_game.matchInProgress();
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
        if (s.TryMarker == "APAGAR" && s.WaitTicks == kPairPause) {
            s.TryMarker.clear();
            m_game.sound().SOUND_CERTO();
            showFace(s.FirstFace, false);
            showFace(s.SecondFace, false);
            s.WaitTicks = 0;
            m_game.Timer2.stop();
            s.BlinkStep = 0;
        }
    }
    const int limit = s.ComputerMoving == 1 ? kMissPauseComputer : kMissPause;
    if (s.TryMarker == kSim && s.WaitTicks == limit) {
        s.TryMarker.clear();
        showCover(s.FirstCover, true);
        showCover(s.SecondCover, true);
        if (clicked)
            clicked->enabled = playing;
        if (s.ClickCount == 0)
            m_game.sound().SOUND_ERRO();
    }
    if (s.WaitTicks >= limit) {
        s.WaitTicks = 0;
        m_game.Timer2.stop();
        s.BlinkStep = 0;
    }
}

} // namespace qv
