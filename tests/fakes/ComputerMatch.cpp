#include "tests/fakes/ComputerMatch.h"

namespace qv::test {

namespace {
constexpr int kStep = 10;
}

ComputerMatch::ComputerMatch(std::int64_t seed) {
    d.game.setSound(cues);
    d.wait(seed);
}

void ComputerMatch::start(int level, int blocks) {
    s.BlockCount = blocks;
    s.MaxBoardPoints = blocks * 75;
    s.OpponentMode = PlayMode::OneBoard;
    s.RivalIsComputer = true;
    s.PlayerName1 = "Ana";
    if (level > 0)
        d.game.computer.applyLevel(level);
    d.start();
}

void ComputerMatch::restart(std::int64_t seed, int level, int blocks) {
    Game& game = d.game;
    for (Timer* timer : {&game.timers.matchTick, &game.timers.revealPause,
                         &game.timers.endAnimation, &game.timers.computerWait})
        timer->stop();
    s.ComputerMoving = 0;
    s.ComputerAttempt = 0;
    s.ComputerWaitCount = 0;
    s.Try = TryState::None;
    // What the end of a match or PARAR would have zeroed.
    s.Score1 = s.Score2 = s.SharedScore1 = s.SharedScore2 = 0;
    game.view.form.enabled = true;
    d.wait(seed);
    start(level, blocks);
}

void ComputerMatch::leaveOnBoard(int left) {
    auto pairs = d.pairs();
    for (std::size_t i = 0; i < pairs.size() && d.pairs().size() * 2 > std::size_t(left); ++i) {
        for (int k : {pairs[i].first, pairs[i].second}) {
            d.game.view.face(k).visible = false;
            d.game.view.cover(k).visible = false;
        }
        s.BoardPoints += 150;
    }
}

void ComputerMatch::personTries(int first, int second) {
    d.turn(first);
    d.turn(second);
}

bool ComputerMatch::computerPlays(int limitMilliseconds) {
    // The turn passes at the person's miss; the computer's turn then lasts until
    // it misses openly and the next clock tick gives the window back.
    for (int waited = 0; waited < limitMilliseconds; waited += kStep) {
        if (s.BoardPoints == s.MaxBoardPoints)
            return true;
        if (s.SecondTurn == 0 && s.ComputerMoving == 0 && d.game.view.form.enabled)
            return true;
        d.wait(kStep);
    }
    return false;
}

int ComputerMatch::openBlocks() const {
    int open = 0;
    for (int k = 1; k <= s.BlockCount; ++k)
        open += d.game.view.face(k).visible && !d.game.view.cover(k).visible ? 1 : 0;
    return open;
}

bool ComputerMatch::closedOnBoard(int position) const {
    return d.game.view.face(position).visible && d.game.view.cover(position).visible;
}

} // namespace qv::test
