#pragma once

// A tiny additive synthesiser: notes made of harmonic partials under an
// attack-and-decay envelope, mixed into one mono track.

#include <array>
#include <cmath>
#include <filesystem>
#include <vector>

namespace makesounds {

inline constexpr int kSampleRate = 22050;

/// The sound of a note: the amplitudes of its harmonics (first = fundamental),
/// its attack in seconds and how fast it fades (per second, exponential).
struct Timbre {
    std::vector<double> partials;
    double attack;
    double decay;
};

class Wave {
public:
    explicit Wave(double seconds);

    /// Adds a note of `hz` from `start` for `length` seconds.
    void note(double hz, double start, double length, const Timbre& timbre, double gain = 1.0);
    /// Adds a note whose pitch slides from `fromHz` to `toHz`; `vibratoHz` > 0 adds
    /// a wobble of a semitone.
    void glide(double fromHz, double toHz, double start, double length, const Timbre& timbre,
               double gain = 1.0, double vibratoHz = 0.0);
    /// Adds a short burst of noise, fading fast (the knock of a click).
    void noiseBurst(double start, double length, double gain);

    /// Appends `seconds` of silence.
    void padEnd(double seconds);
    /// Scales to a common loudness, keeping the peaks below full scale.
    void normalise();
    /// Writes 16-bit mono PCM; false when the file cannot be written.
    bool save(const std::filesystem::path& file) const;

private:
    double envelope(const Timbre& timbre, double t, double length) const;
    std::size_t at(double seconds) const;

    std::vector<double> m_samples;
};

} // namespace makesounds
