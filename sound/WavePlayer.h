#pragma once

#include <filesystem>

namespace qv {

/// Plays wave files in the background: a call returns at once, and a new wave
/// replaces one that is still playing.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void play(const std::filesystem::path& file) = 0;
    /// Stops a wave that is still playing.
    virtual void stop() = 0;
    /// Each time the main window becomes active: an audio output that went away
    /// (or never opened) is opened again.
    virtual void recover() {}
};

} // namespace qv
