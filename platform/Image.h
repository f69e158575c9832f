#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

/// A decoded picture for the rules' side, free of any toolkit: 3 bytes (red,
/// green, blue) per pixel, rows from top to bottom with no padding between them.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    bool empty() const { return width <= 0 || height <= 0; }
    std::size_t stride() const { return static_cast<std::size_t>(width) * 3; }
    /// First of the three bytes of pixel (x, y); no bounds check.
    const std::uint8_t* pixel(int x, int y) const {
        return rgb.data() + static_cast<std::size_t>(y) * stride() +
               static_cast<std::size_t>(x) * 3;
    }

    friend bool operator==(const Image&, const Image&) = default;
};

} // namespace qv
