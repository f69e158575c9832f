#pragma once

namespace qv {

/// The game's sound requests, one per event; the sound settings decide whether
/// and how each one sounds.
class SoundCues {
public:
    virtual ~SoundCues() = default;
    virtual void firstClick() = 0;
    virtual void secondClick() = 0;
    virtual void pairFound() = 0;
    virtual void pairMissed() = 0;
    virtual void victory() = 0;
    virtual void defeat() = 0;
    virtual void timeUp() = 0;
    virtual void optionChosen() = 0;
    /// Stops a wave that is still playing.
    virtual void stopWave() = 0;
    /// Reads the sound settings again; each time the main window becomes active.
    virtual void reloadSettings() {}
    /// Whether the sounds go to the computer's speaker ("Alto-falante do micro"),
    /// whose tones hold the game while they sound.
    virtual bool speakerChosen() const { return false; }
};

/// Cues that make no sound, until the sound settings are in place.
class SilentCues final : public SoundCues {
public:
    void firstClick() override {}
    void secondClick() override {}
    void pairFound() override {}
    void pairMissed() override {}
    void victory() override {}
    void defeat() override {}
    void timeUp() override {}
    void optionChosen() override {}
    void stopWave() override {}
};

} // namespace qv
