#pragma once

#include "game/Game.h"
#include "sound/SoundEffects.h"
#include "tests/fakes/FakeSound.h"
#include "tests/fakes/TestPorts.h"

namespace qv::test {

/// The main window's rules with real sound settings and cues, a recording
/// beeper on virtual time and recording waves.
struct SoundGame {
    TestPorts ports;
    Game game{ports.ports()};
    VirtualTicks ticks{ports.scheduler, 0};
    RecordingBeep beep{ports.scheduler};
    TonePlayer tonePlayer{ticks, &beep};
    RecordingWaves waves;
    SoundEffects effects{game.view, game.state, ports.paths, ports.dialogs, waves, tonePlayer};

    SoundGame() { game.setSound(effects); }
};

} // namespace qv::test
