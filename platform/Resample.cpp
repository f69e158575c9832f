#include "platform/Resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace qv {
namespace {

constexpr int kWeightBits = 14;
constexpr std::int32_t kWeightOne = 1 << kWeightBits;

// For each output position along one side: the source positions it draws from and
// their weights, summing to exactly kWeightOne.
struct Taps {
    std::vector<int> first;
    std::vector<int> begin; // into weights; one more entry than outputs
    std::vector<std::int32_t> weights;
};

Taps makeTaps(int source, int output) {
    Taps taps;
    taps.first.reserve(static_cast<std::size_t>(output));
    taps.begin.reserve(static_cast<std::size_t>(output) + 1);
    std::vector<double> raw;
    for (int o = 0; o < output; ++o) {
        raw.clear();
        int first = 0;
        if (output < source) {
            // Each output pixel averages the source area it covers.
            const double from = static_cast<double>(o) * source / output;
            const double to = static_cast<double>(o + 1) * source / output;
            first = static_cast<int>(std::floor(from));
            const int last = std::min(source, static_cast<int>(std::ceil(to)));
            for (int i = first; i < last; ++i)
                raw.push_back(std::min(to, i + 1.0) - std::max(from, static_cast<double>(i)));
        } else {
            // Pixel centres are lined up, then the two nearest source pixels mixed.
            const double at = std::max(0.0, (o + 0.5) * static_cast<double>(source) / output - 0.5);
            first = std::min(static_cast<int>(at), source - 1);
            const double fraction = first + 1 < source ? at - first : 0.0;
            raw.push_back(1.0 - fraction);
            if (fraction > 0.0)
                raw.push_back(fraction);
        }
        double total = 0;
        for (double w : raw)
            total += w;
        taps.first.push_back(first);
        taps.begin.push_back(static_cast<int>(taps.weights.size()));
        const auto start = taps.weights.end() - taps.weights.begin();
        std::int32_t sum = 0;
        for (double w : raw) {
            taps.weights.push_back(static_cast<std::int32_t>(std::lround(w / total * kWeightOne)));
            sum += taps.weights.back();
        }
        // Rounding leftovers go to the heaviest tap, so flat areas stay exactly flat.
        *std::max_element(taps.weights.begin() + start, taps.weights.end()) += kWeightOne - sum;
    }
    taps.begin.push_back(static_cast<int>(taps.weights.size()));
    return taps;
}

std::uint8_t weighted(std::int32_t sum) {
    return static_cast<std::uint8_t>(std::clamp((sum + kWeightOne / 2) >> kWeightBits, 0, 255));
}

Image resizedWidth(const Image& source, int width) {
    const Taps taps = makeTaps(source.width, width);
    Image out{width, source.height, {}};
    out.rgb.resize(out.stride() * static_cast<std::size_t>(out.height));
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* in = source.pixel(0, y);
        std::uint8_t* dst = out.rgb.data() + out.stride() * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x, dst += 3) {
            std::int32_t r = 0, g = 0, b = 0;
            const std::uint8_t* p = in + static_cast<std::size_t>(taps.first[x]) * 3;
            for (int t = taps.begin[x]; t < taps.begin[x + 1]; ++t, p += 3) {
                const std::int32_t w = taps.weights[static_cast<std::size_t>(t)];
                r += p[0] * w;
                g += p[1] * w;
                b += p[2] * w;
            }
            dst[0] = weighted(r);
            dst[1] = weighted(g);
            dst[2] = weighted(b);
        }
    }
    return out;
}

Image resizedHeight(const Image& source, int height) {
    const Taps taps = makeTaps(source.height, height);
    Image out{source.width, height, {}};
    const std::size_t stride = source.stride();
    out.rgb.resize(stride * static_cast<std::size_t>(height));
    std::vector<std::int32_t> sums(stride);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        int row = taps.first[y];
        for (int t = taps.begin[y]; t < taps.begin[y + 1]; ++t, ++row) {
            const std::int32_t w = taps.weights[static_cast<std::size_t>(t)];
            const std::uint8_t* in = source.pixel(0, row);
            for (std::size_t i = 0; i < stride; ++i)
                sums[i] += in[i] * w;
        }
        std::uint8_t* dst = out.rgb.data() + stride * static_cast<std::size_t>(y);
        for (std::size_t i = 0; i < stride; ++i)
            dst[i] = weighted(sums[i]);
    }
    return out;
}

} // namespace

Image resized(const Image& source, int width, int height) {
    if (source.empty() || width <= 0 || height <= 0 ||
        source.rgb.size() < source.stride() * static_cast<std::size_t>(source.height))
        return {};
    const std::uint64_t widthFirst = std::uint64_t(width) * std::uint64_t(source.height);
    const std::uint64_t heightFirst = std::uint64_t(source.width) * std::uint64_t(height);
    if (heightFirst < widthFirst) {
        Image out = source.height != height ? resizedHeight(source, height) : source;
        return out.width != width ? resizedWidth(out, width) : out;
    }
    Image out = source.width != width ? resizedWidth(source, width) : source;
    return out.height != height ? resizedHeight(out, height) : out;
}

Image upright(Image stored, int orientation) {
    if (orientation < 2 || orientation > 8 || stored.empty())
        return stored;
    const bool swapped = orientation >= 5;
    const int width = swapped ? stored.height : stored.width;
    const int height = swapped ? stored.width : stored.height;
    Image out{width, height, {}};
    out.rgb.resize(out.stride() * static_cast<std::size_t>(height));
    std::uint8_t* dst = out.rgb.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, dst += 3) {
            // Where the stored picture keeps the pixel shown at (x, y).
            int sx = x, sy = y;
            switch (orientation) {
            case 2:
                sx = width - 1 - x;
                break;
            case 3:
                sx = width - 1 - x;
                sy = height - 1 - y;
                break;
            case 4:
                sy = height - 1 - y;
                break;
            case 5:
                sx = y;
                sy = x;
                break;
            case 6:
                sx = y;
                sy = width - 1 - x;
                break;
            case 7:
                sx = height - 1 - y;
                sy = width - 1 - x;
                break;
            default:
                sx = height - 1 - y;
                sy = x;
                break; // 8
            }
            const std::uint8_t* src = stored.pixel(sx, sy);
            std::copy(src, src + 3, dst);
        }
    }
    return out;
}

} // namespace qv
