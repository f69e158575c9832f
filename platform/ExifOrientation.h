#pragma once

#include <cstdint>
#include <span>

namespace qv {

/// The orientation (1..8) a camera wrote into a JPEG's EXIF segment, given the
/// segment's contents ("Exif\0\0" and what follows); 1, upright, when it has none
/// or the segment cannot be read.
int exifOrientation(std::span<const std::uint8_t> segment);

} // namespace qv
