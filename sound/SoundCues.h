#pragma once

namespace qv {

/// The game's sound requests, one per event; the sound settings decide whether
/// and how each one sounds.
class SoundCues {
public:
    virtual ~SoundCues() = default;
    virtual void SOUND1() = 0;
    virtual void SOUND2() = 0;
    virtual void SOUND_CERTO() = 0;
    virtual void SOUND_ERRO() = 0;
    virtual void SOUND_GANHA() = 0;
    virtual void sound_perde() = 0;
    virtual void soundTempo() = 0;
    virtual void soundOp() = 0;
    /// Stops a wave that is still playing.
    virtual void StopWave() = 0;
    /// Reads the sound settings again; each time the main window becomes active.
    virtual void CriarArqSom() {}
    /// Whether the sounds go to the computer's speaker ("Alto-falante do micro"),
    /// whose tones hold the game while they sound.
    virtual bool speakerChosen() const { return false; }
};

/// Cues that make no sound, until the sound settings are in place.
class SilentCues final : public SoundCues {
public:
    void SOUND1() override {}
    void SOUND2() override {}
    void SOUND_CERTO() override {}
    void SOUND_ERRO() override {}
    void SOUND_GANHA() override {}
    void sound_perde() override {}
    void soundTempo() override {}
    void soundOp() override {}
    void StopWave() override {}
};

} // namespace qv
