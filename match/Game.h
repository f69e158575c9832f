#pragma once

#include "dialogs/GameDefinition.h"
#include "dialogs/PenaltyNotice.h"
#include "figures/PhotoSet.h"
#include "match/BlockReveal.h"
#include "match/ComputerOpponent.h"
#include "match/Deal.h"
#include "match/EndDisplay.h"
#include "match/MainView.h"
#include "match/MatchClock.h"
#include "match/MatchEnd.h"
#include "match/MatchState.h"
#include "match/Ports.h"
#include "match/Scoring.h"
#include "match/SettingsMenu.h"
#include "platform/Image.h"
#include "platform/Timer.h"
#include "records/RecordRoutines.h"
#include "sound/SoundCues.h"

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
    Deal deal;
    BlockReveal reveal;
    Scoring scoring;
    MatchClock clock;
    MatchEnd matchEnd;
    ComputerOpponent computer;
    EndDisplay endDisplay;
    PenaltyNotice penaltyNotice;
    GameDefinition definir;

    /// The photo holders cate_p1 .. cate_p12 (entry 0 unused); the generation
    /// grows with every load, so the window knows to draw them again.
    std::array<Image, 13> photoHolders{};
    int photoGeneration = 0;
    PhotoSet photoSet;

    SoundCues& sound() { return *m_sound; }
    void setSound(SoundCues& sound) { m_sound = &sound; }
    RecordRoutines& records() { return *m_records; }
    void setRecords(RecordRoutines& records) { m_records = &records; }

    /// A match is in progress exactly while the match clock runs.
    bool matchInProgress() const { return Timer1.running(); }

    void FormCreate();
    void FormShow();
    /// Each time the main window becomes active: the records tables and the sound
    /// settings are read again.
    void FormActivate();

    /// Makes sure the photo folder exists; throws with the game's message when it
    /// can neither be found nor created.
    void cria_dir();
    /// The master sound switch; its label is red while ticked, grey while not.
    void onSoundSwitch();
    /// Lets all 24 covers take clicks, or stops them.
    void bloquear(bool enabled);

private:
    SilentCues m_silence;
    SoundCues* m_sound = &m_silence;
    NoRecords m_noRecords;
    RecordRoutines* m_records = &m_noRecords;
};

} // namespace qv
