#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace qv {

/// A sound decoded into memory: interleaved 16-bit samples.
struct DecodedWave {
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
};

/// Decodes a wave file whole; nothing when it cannot be read, is not a sound
/// file, or has more than two channels or no samples.
std::optional<DecodedWave> decodeWave(const std::filesystem::path& file);

} // namespace qv
