#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/SoundCues.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "records/FileLayer.h"
#include "sound/SoundConfig.h"
#include "sound/SoundSettings.h"
#include "sound/TonePlayer.h"
#include "sound/WavePlayer.h"

#include <cstdint>
#include <optional>
#include <span>

namespace qv {

/// The game's eight sound cues: each plays its event's wave file beside the
/// program, or its melody on the beeper, as the sound settings say.
class SoundEffects final : public SoundCues {
    PosixFileLayer m_posix; // first: the file layer the other members may be handed

public:
    /// Reads the "Som" box from `view` and the end-of-match flag from `state`.
    SoundEffects(const MainView& view, const MatchState& state, const Paths& paths,
                 Dialogs& dialogs, WavePlayer& waves, TonePlayer& tonePlayer);
    /// The same over the given file layer.
    SoundEffects(const MainView& view, const MatchState& state, const Paths& paths,
                 Dialogs& dialogs, WavePlayer& waves, TonePlayer& tonePlayer, FileLayer& files);
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    SoundSettings settings;
    SoundConfig config;

    void firstClick() override;
    void secondClick() override;
    void pairFound() override;
    void pairMissed() override;
    void victory() override;
    void defeat() override;
    void timeUp() override;
    void optionChosen() override;
    void stopWave() override;
    void reloadSettings() override;
    bool speakerChosen() const override { return settings.SoundDevice == "A"; }

    /// Plays a sound name's wave at once, whatever the settings say (the dialog's Play).
    void playWave(const std::string& name);

private:
    /// The wave file of a sound name beside the program, whatever its letter case.
    std::optional<std::filesystem::path> findWave(const std::string& name) const;
    void cue(SoundEvent event, std::span<const Tone> melody);

    const MainView& m_view;
    const MatchState& m_state;
    const Paths& m_paths;
    WavePlayer& m_waves;
    TonePlayer& m_tonePlayer;
};

} // namespace qv
