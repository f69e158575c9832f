#include "sound/MelodyWave.h"

#include <algorithm>
#include <numeric>

namespace qv {

std::uint64_t melodyMilliseconds(std::span<const Tone> tones) {
    return std::accumulate(tones.begin(), tones.end(), std::uint64_t{0},
                           [](std::uint64_t sum, const Tone& tone) { return sum + tone.ms; });
}

std::vector<std::int16_t> melodyWave(std::span<const Tone> tones, int rate,
                                     std::int16_t amplitude) {
    const auto sampleAt = [rate](std::uint64_t ms) {
        return static_cast<std::size_t>((ms * static_cast<std::uint64_t>(rate) + 500) / 1000);
    };
    std::vector<std::int16_t> samples(sampleAt(melodyMilliseconds(tones)));

    // The phase counts in units of 1/(2·rate) of a period, so any whole
    // frequency is exact; it carries over from tone to tone.
    const auto period = static_cast<std::uint64_t>(rate);
    std::uint64_t phase = 0;
    std::uint64_t elapsedMs = 0;
    for (const Tone& tone : tones) {
        const std::size_t from = sampleAt(elapsedMs);
        elapsedMs += tone.ms;
        const std::size_t to = sampleAt(elapsedMs);
        if (tone.hz <= 1)
            continue;
        for (std::size_t k = from; k < to; ++k) {
            samples[k] = phase < period ? amplitude : static_cast<std::int16_t>(-amplitude);
            phase = (phase + 2u * tone.hz) % (2 * period);
        }
    }

    const std::size_t ramp = std::min(static_cast<std::size_t>(rate / 1000), samples.size() / 2);
    for (std::size_t k = 0; k < ramp; ++k) {
        const auto scale = [&](std::int16_t& s) {
            s = static_cast<std::int16_t>(static_cast<long>(s) * static_cast<long>(k) /
                                          static_cast<long>(ramp));
        };
        scale(samples[k]);
        scale(samples[samples.size() - 1 - k]);
    }
    return samples;
}

} // namespace qv
