#include "sound/WaveFile.h"

#include <sndfile.h>

#include <memory>

namespace qv {

std::optional<DecodedWave> decodeWave(const std::filesystem::path& file) {
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> in(sf_open(file.c_str(), SFM_READ, &info),
                                                         sf_close);
    // The game's sounds are short; anything over a minute is not one of them.
    constexpr sf_count_t kMaxFrames = sf_count_t{60} * 192000;
    if (!in || info.channels < 1 || info.channels > 2 || info.samplerate <= 0 || info.frames <= 0 ||
        info.frames > kMaxFrames)
        return std::nullopt;
    DecodedWave wave;
    wave.rate = info.samplerate;
    wave.channels = info.channels;
    wave.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t read = sf_readf_short(in.get(), wave.samples.data(), info.frames);
    if (read <= 0)
        return std::nullopt;
    wave.samples.resize(static_cast<std::size_t>(read * info.channels));
    return wave;
}

} // namespace qv
