#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "match/PlayerPhotos.h"
#include "match/SoundCues.h"
#include "platform/Ports.h"

#include <array>
#include <utility>

namespace qv {

class EndDisplay;
class MatchClock;

/// Starting a match: the board is reset, the figures of the category are dealt
/// twice each in a random arrangement, and the blocks are opened.
class Deal {
public:
    /// `screen` is read at every deal: the window sets it once it knows the screen.
    /// The player's photos are loaded into `photos`' holders.
    Deal(MatchState& state, MainView& view, MatchTimers& timers, const Ports& ports,
         const ScreenSize& screen, SoundCues& sound, EndDisplay& endDisplay, MatchClock& clock,
         PlayerPhotos& photos)
        : m_state(state), m_view(view), m_timers(timers), m_ports(ports), m_screen(screen),
          m_sound(sound), m_endDisplay(endDisplay), m_clock(clock), m_photos(photos) {}

    /// "&Iniciar".
    void onStart();
    /// "JOGAR": as "&Iniciar", then the computer forgets what it has seen.
    void onPlay();

    void shuffleBoard();
    void fillPairDeck();
    void chooseFigures();
    /// Collapses the faces so nothing of the arrangement shows while it is dealt.
    void collapseFaces();
    void restoreFaces();

    /// Starts decoding the player's photos in the background at the size the next
    /// deal will ask for, so that it finds them ready.
    void preloadPhotos();

private:
    /// The size of a face in device pixels, as a deal now would take it.
    std::pair<int, int> photoSize(int faceWidth) const;
    /// Loads the player's photos into their holders; false, after telling the
    /// player which file is missing, when one cannot be read.
    bool loadPhotos();

    MatchState& m_state;
    MainView& m_view;
    MatchTimers& m_timers;
    Ports m_ports;
    const ScreenSize& m_screen;
    SoundCues& m_sound;
    EndDisplay& m_endDisplay;
    MatchClock& m_clock;
    PlayerPhotos& m_photos;
};

} // namespace qv
