#pragma once

#include "platform/JpegDecoder.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace qv {

/// The game's GIF pictures are small; a bigger one is refused before any pixel
/// memory is taken.
inline constexpr std::uint64_t kMaxGifPixels = 4'000'000;

/// Decodes the first picture of a GIF held in memory, to RGB at its own size.
/// A file that is not a GIF, is truncated or damaged, has no colour table or no
/// picture, or is too large is Damaged. Never throws and never prints.
DecodeResult decodeGif(std::span<const std::uint8_t> data);

} // namespace qv
