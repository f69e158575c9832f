#pragma once

#include "dialogs/GameDefinition.h"
#include "match/BlockReveal.h"
#include "match/ComputerOpponent.h"
#include "match/EndDisplay.h"
#include "match/Scoring.h"
#include "match/SettingsMenu.h"
#include "match/WindowLayout.h"
#include "tests/fakes/MatchParts.h"

namespace qv::test {

/// The game definition window's rules on the match's parts, with the real peers
/// its choices hand over to: the settings menu, and the computer, whose level
/// panel is this window. No deal, match clock or match end is made.
struct DefinitionParts : MatchParts {
    DefinitionParts() { setUpMainWindow(state, view, ports.screen.value); }

    EndDisplay endDisplay{state, view, timers, cues, ports.screen.value};
    SettingsMenu settings{state, view, timers, ports.dialogs, endDisplay};
    Scoring scoring{state, view};
    BlockReveal reveal{state, view, timers, cues, scoring, computer};
    ComputerOpponent computer{state, view, timers, ports.ports(), cues, reveal, definition};
    GameDefinition definition{state, view, timers, ports.dialogs, cues, settings, computer};
};

} // namespace qv::test
