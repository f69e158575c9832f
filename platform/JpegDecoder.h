#pragma once

#include "platform/Image.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace qv {

enum class DecodeStatus {
    Ok,
    Missing, ///< no such file
    Damaged, ///< unreadable, not a JPEG, truncated, corrupt, unsupported or too large
};

struct DecodeResult {
    DecodeStatus status = DecodeStatus::Damaged;
    Image image; ///< empty unless the status is Ok

    bool ok() const { return status == DecodeStatus::Ok; }
};

/// Size the decoded picture must have. Only a size with both sides positive is a
/// target; anything else keeps the picture's own size.
struct TargetSize {
    int width = 0;
    int height = 0;

    bool given() const { return width > 0 && height > 0; }
};

/// A player's photo is never this large; anything bigger is refused rather than
/// read into memory.
inline constexpr std::size_t kMaxJpegFileBytes = std::size_t{64} << 20;
/// Checked from the header, before any pixel memory is taken, and again for the
/// decoded and the target size.
inline constexpr std::uint64_t kMaxJpegPixels = 100'000'000;

/// Decodes a JPEG held in memory. With a target, the result is exactly that size:
/// the picture is reduced while decoding as far as it still covers the target, then
/// averaged down (or interpolated up) to it; the aspect ratio is not kept. Never
/// throws and never prints.
DecodeResult decodeJpeg(std::span<const std::uint8_t> data, TargetSize target = {});

/// The same for a file, read whole in one go. A file that does not exist is
/// Missing; one that exists but cannot be read as a regular file is Damaged.
DecodeResult decodeJpegFile(const std::filesystem::path& file, TargetSize target = {});

/// Resamples to exactly width x height: area averaging along a side that shrinks,
/// bilinear along one that grows. An empty source or size gives an empty image.
Image resized(const Image& source, int width, int height);

} // namespace qv
