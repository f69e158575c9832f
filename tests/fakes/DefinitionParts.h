#pragma once

#include "dialogs/GameDefinition.h"
#include "match/BlockReveal.h"
#include "match/ComputerOpponent.h"
#include "match/EndDisplay.h"
#include "match/Scoring.h"
#include "match/SettingsMenu.h"
#include "tests/fakes/MatchParts.h"

namespace qv::test {

/// The game definition window's rules on the match's parts, with the settings menu
/// and the computer (whose level panel it is) that its choices hand over to.
struct DefinitionParts : MatchParts {
    EndDisplay endDisplay{state, view, timers, cues, ports.screen.value};
    SettingsMenu settings{state, view, timers, ports.dialogs, endDisplay};
    Scoring scoring{state, view};
    BlockReveal reveal{state, view, timers, cues, scoring, computer};
    ComputerOpponent computer{state, view, timers, ports.ports(), cues, reveal, definition};
    GameDefinition definition{state, view, timers, ports.dialogs, cues, settings, computer};
};

} // namespace qv::test
