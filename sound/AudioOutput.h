#pragma once

#include "sound/TonePlayer.h"
#include "sound/WavePlayer.h"

#include <chrono>
#include <filesystem>

namespace qv {

/// The game's one audio output: waves and melodies through the same device.
/// Without an output everything passes in silence (a melody still takes its time).
class AudioOutput : public WavePlayer, public ToneService {
public:
    /// Starts opening the output in the background, unless it is open or an
    /// opening is under way.
    virtual void open() = 0;
    /// Waits for an opening under way; true when an output is open.
    virtual bool waitUntilOpen() = 0;
    /// A wave asked for at `asked`: while the output is still opening it waits
    /// for it, and plays if the output opens soon enough after `asked` to still
    /// belong to its moment.
    virtual void playAsked(const std::filesystem::path& file,
                           std::chrono::steady_clock::time_point asked) = 0;
    void play(const std::filesystem::path& file) override {
        playAsked(file, std::chrono::steady_clock::now());
    }
};

/// How late a wave asked for while the output opens may still start.
inline constexpr std::chrono::milliseconds kWaveStillOnTime{100};

/// What the audio module offers: the output for the waves of `waveFolder`,
/// owned by the caller and not yet open.
using MakeAudioOutput = AudioOutput* (*)(const char* waveFolder);
inline constexpr const char* kMakeAudioOutput = "quorvanella_make_audio_output";

} // namespace qv
