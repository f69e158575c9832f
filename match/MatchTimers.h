#pragma once

#include "platform/Timer.h"

namespace qv {

/// The main window's four timers, named by what they pace; several rules start
/// or stop one another's, so they are held together.
struct MatchTimers {
    explicit MatchTimers(Scheduler& scheduler)
        : matchTick(scheduler, "matchTick"), revealPause(scheduler, "revealPause"),
          endAnimation(scheduler, "endAnimation"), computerWait(scheduler, "computerWait") {}

    Timer matchTick;    ///< every 100 ms while a match runs
    Timer revealPause;  ///< uncovers a turned block, then holds the try on show
    Timer endAnimation; ///< the result panel's winner or loser animation
    Timer computerWait; ///< the computer's wait before its move

    /// A match is in progress exactly while the match clock runs.
    bool matchInProgress() const { return matchTick.running(); }
};

} // namespace qv
