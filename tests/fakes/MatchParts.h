#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "tests/fakes/RecordingCues.h"
#include "tests/fakes/TestPorts.h"

namespace qv::test {

/// What the match's rules read and write, with no rules made: a test builds the
/// one component it checks on these, and fakes or real peers as it needs.
struct MatchParts {
    TestPorts ports;
    MatchState state;
    MainView view;
    MatchTimers timers{ports.scheduler};
    RecordingCues cues;
    RecordingRecords records{state};
};

} // namespace qv::test
