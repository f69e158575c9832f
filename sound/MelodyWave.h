#pragma once

#include "sound/TonePlayer.h"

#include <cstdint>
#include <span>
#include <vector>

namespace qv {

/// How long a melody lasts: the sum of its tones' milliseconds.
std::uint64_t melodyMilliseconds(std::span<const Tone> tones);

/// A melody as one square wave of 16-bit mono samples at `rate`: each tone
/// lasts its milliseconds to the sample (counted from the melody's start, so
/// rounding never adds up), the wave runs on from one tone into the next
/// without a gap or a jump, and a rest (1 Hz) is silence. The very start and
/// end rise and fall over a millisecond so they do not click.
std::vector<std::int16_t> melodyWave(std::span<const Tone> tones, int rate, std::int16_t amplitude);

} // namespace qv
