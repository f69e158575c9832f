#pragma once

#include "match/BlockReveal.h"
#include "match/ComputerOpponent.h"
#include "match/Scoring.h"
#include "tests/fakes/MatchParts.h"
#include "tests/fakes/RecordingLevelPanel.h"

namespace qv::test {

/// Turning blocks, the scoring and the computer on the match's parts, over a
/// board of 24 dealt in order: positions 1-2, 3-4, ... 23-24 hold the pairs, all
/// face down and taking clicks. No match clock runs until a test starts one.
struct BoardParts : MatchParts {
    BoardParts() {
        for (int k = 1; k <= 24; ++k)
            state.SlotFigure[static_cast<std::size_t>(k)] = holders::figure(0, (k + 1) / 2);
        state.ClickArmed = true;
    }

    /// The match clock runs (with nothing to count): a match is in progress.
    void startMatch() { timers.matchTick.setInterval(100); }

    RecordingLevelPanel levelPanel;
    Scoring scoring{state, view};
    BlockReveal reveal{state, view, timers, cues, scoring, computer};
    ComputerOpponent computer{state, view, timers, ports.ports(), cues, reveal, levelPanel};
};

} // namespace qv::test
