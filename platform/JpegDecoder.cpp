#include "platform/JpegDecoder.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>
// After jpeglib.h: which messages exist depends on its configuration.
#include <jerror.h>

namespace qv {
namespace {

// A picture needing more working memory than this inside libjpeg (progressive
// files keep every coefficient) is refused instead of exhausting the machine.
constexpr long kMaxLibjpegMemory = 1L << 30;
// Real progressive files have a dozen scans; thousands of tiny ones only make the
// decoder walk the whole picture again and again.
constexpr int kMaxScans = 500;

// ---- libjpeg error handling -------------------------------------------------
//
// libjpeg reports errors by calling error_exit, which must not return. We jump
// back to the setjmp in runDecode. Nothing between that setjmp and the jump owns
// resources of its own: the decompressor and every buffer live in the caller.

struct ErrorState {
    jpeg_error_mgr manager; // first member: libjpeg hands us a pointer to it
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorState*>(cinfo->err)->jump, 1);
}

// Warnings that mean the pixels are wrong or missing fail the decode; the rest
// (stray bytes before a marker, odd JFIF versions, bad ICC data) leave a correct
// picture and are ignored.
void onMessage(j_common_ptr cinfo, int level) {
    if (level >= 0)
        return; // trace messages
    switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_BOGUS_PROGRESSION:
        jumpOut(cinfo);
    default:
        ++cinfo->err->num_warnings;
    }
}

void silent(j_common_ptr) {
}

void checkProgress(j_common_ptr cinfo) {
    if (cinfo->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        jumpOut(cinfo);
}

// ---- decoding -----------------------------------------------------------------

unsigned scaledSide(JDIMENSION side, unsigned eighths) {
    return static_cast<unsigned>((std::uint64_t{side} * eighths + 7) / 8);
}

// libjpeg-turbo reduces (or enlarges) by n/8 for n = 1..16 while decoding, far
// cheaper than decoding at full size. The smallest n whose result still covers the
// target keeps the most detail for the final averaging.
unsigned eighthsFor(JDIMENSION width, JDIMENSION height, TargetSize target) {
    if (!target.given())
        return 8;
    for (unsigned n = 1; n < 16; ++n) {
        if (scaledSide(width, n) >= static_cast<unsigned>(target.width) &&
            scaledSide(height, n) >= static_cast<unsigned>(target.height))
            return n;
    }
    return 16;
}

std::uint64_t pixelsOf(std::uint64_t width, std::uint64_t height) {
    return width * height;
}

struct Job {
    std::span<const std::uint8_t> data;
    TargetSize target;
    Image decoded;                  // at the size libjpeg delivers
    std::vector<std::uint8_t> cmyk; // one row, for four-channel files
    bool adobeInverted = false;     // CMYK stored inverted, as Photoshop writes it
};

// Adobe's CMYK JPEGs store 255 - value; the plain form (rare) stores the ink.
void cmykRowToRgb(const std::uint8_t* cmyk, std::uint8_t* rgb, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const unsigned k = inverted ? cmyk[3] : 255u - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned ink = inverted ? cmyk[c] : 255u - cmyk[c];
            rgb[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
        }
    }
}

// Keep this function free of objects with destructors: a longjmp out of libjpeg
// lands in its setjmp and would skip them. It returns false on any failure and
// leaves the decompressor for the caller to destroy.
bool runDecode(jpeg_decompress_struct& cinfo, ErrorState& errors, jpeg_progress_mgr& progress,
               Job& job) {
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpOut;
    errors.manager.emit_message = onMessage;
    errors.manager.output_message = silent;
    progress.progress_monitor = checkProgress;

    if (setjmp(errors.jump))
        return false;

    jpeg_create_decompress(&cinfo);
    cinfo.progress = &progress;
    cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
    jpeg_mem_src(&cinfo, job.data.data(), static_cast<unsigned long>(job.data.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK)
        return false;
    if (pixelsOf(cinfo.image_width, cinfo.image_height) > kMaxJpegPixels)
        return false;

    bool fourChannels = false;
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
        cinfo.out_color_space = JCS_RGB;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        // libjpeg turns YCCK into CMYK; the step to RGB is ours.
        cinfo.out_color_space = JCS_CMYK;
        fourChannels = true;
        job.adobeInverted = cinfo.saw_Adobe_marker;
        break;
    default:
        return false;
    }

    cinfo.scale_num = eighthsFor(cinfo.image_width, cinfo.image_height, job.target);
    cinfo.scale_denom = 8;
    jpeg_calc_output_dimensions(&cinfo);
    const JDIMENSION width = cinfo.output_width;
    const JDIMENSION height = cinfo.output_height;
    if (width == 0 || height == 0 || pixelsOf(width, height) > kMaxJpegPixels)
        return false;

    // When at least half of the decoded pixels in each direction are averaged away
    // afterwards, the faster transform and plain chroma upsampling cannot be seen.
    const bool averagedDown = job.target.given() &&
                              width >= 2 * static_cast<unsigned>(job.target.width) &&
                              height >= 2 * static_cast<unsigned>(job.target.height);
    cinfo.dct_method = averagedDown ? JDCT_IFAST : JDCT_ISLOW;
    cinfo.do_fancy_upsampling = averagedDown ? FALSE : TRUE;

    job.decoded.width = static_cast<int>(width);
    job.decoded.height = static_cast<int>(height);
    job.decoded.rgb.resize(std::size_t{width} * height * 3);
    if (fourChannels)
        job.cmyk.resize(std::size_t{width} * 4);

    jpeg_start_decompress(&cinfo);
    if (cinfo.output_width != width || cinfo.output_height != height ||
        cinfo.output_components != (fourChannels ? 4 : 3))
        return false;

    const std::size_t stride = std::size_t{width} * 3;
    while (cinfo.output_scanline < height) {
        std::uint8_t* target = job.decoded.rgb.data() + cinfo.output_scanline * stride;
        JSAMPROW row = fourChannels ? job.cmyk.data() : target;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            return false;
        if (fourChannels)
            cmykRowToRgb(job.cmyk.data(), target, width, job.adobeInverted);
    }
    // Reads up to the end marker, so a file cut after its last scan is still caught.
    jpeg_finish_decompress(&cinfo);
    return true;
}

DecodeResult damaged() {
    return {DecodeStatus::Damaged, {}};
}

// ---- resampling -----------------------------------------------------------------

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
    // Narrow first when shrinking, so the second pass has less to do.
    Image out = source.width != width ? resizedWidth(source, width) : source;
    if (out.height != height)
        out = resizedHeight(out, height);
    return out;
}

DecodeResult decodeJpeg(std::span<const std::uint8_t> data, TargetSize target) {
    if (data.empty() || data.size() > kMaxJpegFileBytes)
        return damaged();
    if (target.given() && pixelsOf(static_cast<std::uint64_t>(target.width),
                                   static_cast<std::uint64_t>(target.height)) > kMaxJpegPixels)
        return damaged();

    jpeg_decompress_struct cinfo{};
    ErrorState errors{};
    jpeg_progress_mgr progress{};
    Job job{data, target, {}, {}, false};
    bool decoded = false;
    try {
        decoded = runDecode(cinfo, errors, progress, job);
    } catch (const std::bad_alloc&) {
        decoded = false;
    }
    jpeg_destroy_decompress(&cinfo);
    if (!decoded)
        return damaged();

    if (target.given() &&
        (job.decoded.width != target.width || job.decoded.height != target.height)) {
        try {
            job.decoded = resized(job.decoded, target.width, target.height);
        } catch (const std::bad_alloc&) {
            return damaged();
        }
    }
    return {DecodeStatus::Ok, std::move(job.decoded)};
}

DecodeResult decodeJpegFile(const std::filesystem::path& file, TargetSize target) {
    // O_NONBLOCK: opening a named pipe must not hang; regular files ignore it.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? DecodeStatus::Missing : DecodeStatus::Damaged,
                {}};
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0 ||
        static_cast<std::uintmax_t>(info.st_size) > kMaxJpegFileBytes)
        return damaged();

    const auto size = static_cast<std::size_t>(info.st_size);
    std::unique_ptr<std::uint8_t[]> bytes;
    try {
        bytes = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    } catch (const std::bad_alloc&) {
        return damaged();
    }
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, bytes.get() + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return damaged();
        if (n == 0)
            break; // shrank meanwhile: decoding what is there finds it cut short
        got += static_cast<std::size_t>(n);
    }
    return decodeJpeg({bytes.get(), got}, target);
}

} // namespace qv
