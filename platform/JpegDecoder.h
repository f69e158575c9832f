#pragma once

#include "platform/Image.h"
#include "platform/Resample.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace qv {

enum class DecodeStatus {
    Ok,
    Missing,  ///< no such file
    Damaged,  ///< unreadable, not a JPEG, truncated, corrupt or unsupported
    TooLarge, ///< a sound JPEG beyond the file, work or memory budget
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

/// A camera's 200-megapixel photo takes some 60 MB at its best quality; a larger
/// file is refused as too large before it is read.
inline constexpr std::size_t kMaxJpegFileBytes = std::size_t{128} << 20;
/// Scans times pixels: the work of decoding a progressive file grows with both.
/// A 200-megapixel photo of one scan needs 200 million; past this a file would
/// hold the game for about a second and is refused as too large, from its header
/// already when one scan would pass it.
inline constexpr std::uint64_t kMaxDecodeWork = 2'000'000'000;
/// All decodes running at one time together hold at most this much memory;
/// one that alone would need more is refused as too large, the others wait their
/// turn. A photo of one scan is read a few rows at a time and reduced while it is
/// read, so only what it is reduced to counts; a progressive one keeps every
/// coefficient (3 bytes a pixel), which caps it near 170 megapixels.
inline constexpr std::size_t kMaxDecodeMemory = std::size_t{512} << 20;

/// Decodes a JPEG held in memory. With a target, the result is exactly that size:
/// the picture is reduced while decoding as far as it still covers the target, then
/// averaged down (or interpolated up) to it; the aspect ratio is not kept. A camera's
/// EXIF orientation is applied, so the result is upright and the target is the
/// size of the upright picture. A file needing more than `maxWork` (scans times
/// pixels) or more memory than the shared budget is TooLarge. Never throws and
/// never prints.
DecodeResult decodeJpeg(std::span<const std::uint8_t> data, TargetSize target = {},
                        std::uint64_t maxWork = kMaxDecodeWork);

/// The same for a file, read as it is decoded. A file that does not exist is
/// Missing; one that exists but cannot be read as a regular file is Damaged.
DecodeResult decodeJpegFile(const std::filesystem::path& file, TargetSize target = {});

} // namespace qv
