#pragma once

#include "dialogs/GameDefinition.h"
#include "game/RecordRoutinesRelay.h"
#include "game/SoundCuesRelay.h"
#include "match/BlockReveal.h"
#include "match/ComputerOpponent.h"
#include "match/Deal.h"
#include "match/EndDisplay.h"
#include "match/MainView.h"
#include "match/MatchClock.h"
#include "match/MatchEnd.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "match/PenaltyNotice.h"
#include "match/PlayerPhotos.h"
#include "match/Scoring.h"
#include "match/SettingsMenu.h"
#include "platform/Ports.h"

namespace qv {

/// The main window's rules without the window: owns the state of the run, the
/// view record the window renders and its timers, makes one component per
/// concern and hands each only the parts, ports and peers it uses.
class Game {
public:
    explicit Game(const Ports& ports);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Ports ports;
    MatchState state;
    MainView view;
    ScreenSize screen;

    MatchTimers timers;

    PlayerPhotos photos;

private:
    // Made before the components, which keep them from their constructors on.
    SoundCuesRelay m_sound;
    RecordRoutinesRelay m_records;

public:
    SettingsMenu settings;
    Deal deal;
    BlockReveal reveal;
    Scoring scoring;
    MatchClock clock;
    MatchEnd matchEnd;
    ComputerOpponent computer;
    EndDisplay endDisplay;
    PenaltyNotice penaltyNotice;
    GameDefinition gameDefinition;

    SoundCues& sound() { return m_sound; }
    void setSound(SoundCues& sound) { m_sound.plug(sound); }
    RecordRoutines& records() { return m_records; }
    void setRecords(RecordRoutines& records) { m_records.plug(records); }

    bool matchInProgress() const { return timers.matchInProgress(); }

    void setUp();
    void onShown();
    /// Each time the main window becomes active: the records tables and the sound
    /// settings are read again.
    void onActivated();

    /// Makes sure the photo folder exists; throws with the game's message when it
    /// can neither be found nor created.
    void ensurePhotoFolder();
    /// The master sound switch; its label is red while ticked, grey while not.
    void onToggleSound();
};

} // namespace qv
