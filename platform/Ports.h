#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/RandomSource.h"
#include "platform/Screen.h"
#include "platform/Timer.h"

namespace qv {

/// The outside world as the rules reach it; the program hands in Qt's side, tests
/// hand in fakes.
struct Ports {
    Clock& clock;
    Scheduler& scheduler;
    RandomSource& random;
    Dialogs& dialogs;
    Screen& screen;
    Paths& paths;
};

} // namespace qv
