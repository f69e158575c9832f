#pragma once

#include "match/EndDisplay.h"
#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/Ports.h"
#include "match/SettingsMenu.h"
#include "platform/Timer.h"

namespace qv {

/// The main window's rules without the window: the state of the run, the view
/// record the window renders, its timers and the handlers of its controls.
class Game {
public:
    explicit Game(const Ports& ports);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Ports ports;
    MatchState state;
    MainView view;
    ScreenSize screen;

    Timer Timer1;
    Timer Timer2;
    Timer Timer3;
    Timer Timer4;

    SettingsMenu settings;
    EndDisplay endDisplay;

    /// A match is in progress exactly while the match clock runs.
    bool matchInProgress() const { return Timer1.running(); }

    void FormCreate();
    void FormShow();

    /// Makes sure the photo folder exists; throws with the game's message when it
    /// can neither be found nor created.
    void cria_dir();
    /// The master sound switch; its label is red while ticked, grey while not.
    void checksomClick();
    /// Lets all 24 covers take clicks, or stops them.
    void bloquear(bool enabled);
};

} // namespace qv
