#pragma once

#include "platform/Image.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

// JPEG files made on the spot with libjpeg's compressor, for the tests and the
// benchmarks; no picture files are kept in the repository.
namespace qv::test {

enum class JpegKind {
    Rgb,         ///< baseline YCbCr, chroma halved both ways
    Grey,        ///< one channel, from the pixels' luma
    Progressive, ///< as Rgb, written in progressive scans
    Cmyk,        ///< four channels stored inverted, with Adobe's marker (as Photoshop)
    Ycck,        ///< the same inks, stored as YCCK
};

struct RGB {
    std::uint8_t r = 0, g = 0, b = 0;
};

/// Encodes `image`; empty on failure.
std::vector<std::uint8_t> encodeJpeg(const Image& image, JpegKind kind = JpegKind::Rgb,
                                     int quality = 95);

Image solidImage(int width, int height, RGB colour);
/// Four quarters: top left, top right, bottom left, bottom right.
Image quartersImage(int width, int height, RGB topLeft, RGB topRight, RGB bottomLeft,
                    RGB bottomRight);
/// Broad colour waves under fine grain, compressing about like a camera photo: at
/// quality 92 a 4000 x 3000 picture gives near 3 MB. Each seed gives another picture.
Image photoLikeImage(int width, int height, std::uint32_t seed);

/// Whether pixel (x, y) is within `tolerance` of `colour` in every channel.
bool pixelNear(const Image& image, int x, int y, RGB colour, int tolerance);

/// Writes the bytes, replacing any file; false on failure.
bool writeBytes(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
/// Adds an EXIF segment saying the camera was turned: `orientation` 1..8, as
/// EXIF numbers them, in Intel's byte order ("II") or Motorola's ("MM").
std::vector<std::uint8_t> withExifOrientation(std::vector<std::uint8_t> jpeg, int orientation,
                                              bool littleEndian = false);
/// A sound mid-grey picture of any size up to 65535 x 65535 in one scan, made
/// without its pixels: about one byte per 85 pixels, so a 100-megapixel camera
/// photo's size costs a megabyte.
std::vector<std::uint8_t> flatGreyJpeg(std::uint16_t width, std::uint16_t height);
/// Rewrites the frame header's size (for files claiming absurd dimensions).
bool patchFrameSize(std::vector<std::uint8_t>& jpeg, std::uint16_t width, std::uint16_t height);

} // namespace qv::test
