#include "platform/JpegDecoder.h"

#include "platform/DecodeMemory.h"
#include "platform/ExifOrientation.h"

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>
// After jpeglib.h: which messages exist depends on its configuration.
#include <jerror.h>

namespace qv {
namespace {

// libjpeg's own tables and row buffers, beside the pictures it holds.
constexpr std::size_t kLibjpegOverhead = std::size_t{4} << 20;
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

std::uint64_t pixelsOf(std::uint64_t width, std::uint64_t height) {
    return width * height;
}

struct Progress {
    jpeg_progress_mgr manager; // first member: libjpeg hands us a pointer to it
    std::uint64_t maxWork = kMaxDecodeWork;
    bool overBudget = false;
};

// Every scan makes the decoder go over the whole picture again.
void checkProgress(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor)
        return;
    const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    auto* progress = reinterpret_cast<Progress*>(cinfo->progress);
    const auto scans = static_cast<std::uint64_t>(std::max(d->input_scan_number, 1));
    if (scans > kMaxScans)
        jumpOut(cinfo);
    if (scans * pixelsOf(d->image_width, d->image_height) > progress->maxWork) {
        progress->overBudget = true;
        jumpOut(cinfo);
    }
}

// ---- decoding -----------------------------------------------------------------

unsigned scaledSide(JDIMENSION side, unsigned eighths) {
    return static_cast<unsigned>((std::uint64_t{side} * eighths + 7) / 8);
}

// The smallest n in 1..16 whose n/8 scaling makes `side` at least `wanted`, or 0.
unsigned eighthsCovering(JDIMENSION side, int wanted) {
    for (unsigned n = 1; n <= 16; ++n) {
        if (scaledSide(side, n) >= static_cast<unsigned>(wanted))
            return n;
    }
    return 0;
}

// libjpeg-turbo reduces (or enlarges) by n/8 for n = 1..16 while decoding, far
// cheaper than decoding at full size. The smallest n whose result still covers the
// target keeps the most detail for the final averaging. A side that no n covers is
// stretched afterwards and does not push the other side to a needless size.
unsigned eighthsFor(JDIMENSION width, JDIMENSION height, TargetSize target) {
    if (!target.given())
        return 8;
    const unsigned across = eighthsCovering(width, target.width);
    const unsigned down = eighthsCovering(height, target.height);
    if (across == 0 && down == 0)
        return 16;
    return std::max(across, down);
}

struct Job {
    std::span<const std::uint8_t> data; // the file's bytes, or empty when read from `file`
    std::FILE* file = nullptr;
    TargetSize target;              // of the upright picture
    TargetSize decodeTarget;        // the same before the picture is turned upright
    int orientation = 1;            // EXIF, 1..8
    Image decoded;                  // at the size libjpeg delivers
    std::vector<std::uint8_t> cmyk; // one row, for four-channel files
    bool adobeInverted = false;     // CMYK stored inverted, as Photoshop writes it
    std::size_t reserved = 0;       // taken from the shared decode memory
    std::uint64_t maxWork = kMaxDecodeWork;
    bool tooLarge = false; // sound, but beyond the budgets

    ~Job() {
        if (reserved)
            DecodeMemory::shared().release(reserved);
    }
};

// What a decode may hold at once: every coefficient of the picture when it comes
// in several scans (a single scan is read a few rows at a time), the decoded
// pixels, and room for resizing and turning them.
std::size_t memoryNeeded(j_decompress_ptr cinfo, TargetSize target) {
    std::size_t coefficients = 0;
    for (int c = 0; jpeg_has_multiple_scans(cinfo) && c < cinfo->num_components; ++c) {
        const jpeg_component_info& component = cinfo->comp_info[c];
        coefficients += std::size_t{component.width_in_blocks} * component.height_in_blocks *
                        DCTSIZE2 * sizeof(JCOEF);
    }
    const std::size_t decoded = std::size_t{cinfo->output_width} * cinfo->output_height * 3;
    const std::size_t result = target.given() ? std::size_t(target.width) * target.height * 3 : 0;
    return coefficients + 2 * decoded + 2 * result + kLibjpegOverhead;
}

// Waits for the memory of this decode; false when the picture is too big to fit.
bool reserveMemory(jpeg_decompress_struct& cinfo, Job& job) {
    const std::size_t needed = memoryNeeded(&cinfo, job.decodeTarget);
    if (!DecodeMemory::shared().acquire(needed)) {
        job.tooLarge = true;
        return false;
    }
    job.reserved = needed;
    cinfo.mem->max_memory_to_use = static_cast<long>(needed);
    return true;
}

void readOrientation(const jpeg_decompress_struct& cinfo, Job& job) {
    static constexpr std::uint8_t kExif[] = {'E', 'x', 'i', 'f', 0, 0};
    for (jpeg_saved_marker_ptr marker = cinfo.marker_list; marker; marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1 && marker->data_length > sizeof kExif &&
            std::equal(std::begin(kExif), std::end(kExif), marker->data)) {
            job.orientation = exifOrientation({marker->data, marker->data_length});
            break;
        }
    }
    job.decodeTarget =
        job.orientation >= 5 ? TargetSize{job.target.height, job.target.width} : job.target;
}

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
bool runDecode(jpeg_decompress_struct& cinfo, ErrorState& errors, Progress& progress, Job& job) {
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpOut;
    errors.manager.emit_message = onMessage;
    errors.manager.output_message = silent;
    progress.manager.progress_monitor = checkProgress;

    if (setjmp(errors.jump))
        return false;

    jpeg_create_decompress(&cinfo);
    cinfo.progress = &progress.manager;
    cinfo.mem->max_memory_to_use = static_cast<long>(kLibjpegOverhead);
    if (job.file)
        jpeg_stdio_src(&cinfo, job.file);
    else
        jpeg_mem_src(&cinfo, job.data.data(), static_cast<unsigned long>(job.data.size()));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK)
        return false;
    // Even one scan would pass the work budget: refused before any pixel memory.
    if (pixelsOf(cinfo.image_width, cinfo.image_height) > job.maxWork) {
        job.tooLarge = true;
        return false;
    }
    readOrientation(cinfo, job);

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

    cinfo.scale_num = eighthsFor(cinfo.image_width, cinfo.image_height, job.decodeTarget);
    cinfo.scale_denom = 8;
    jpeg_calc_output_dimensions(&cinfo);
    const JDIMENSION width = cinfo.output_width;
    const JDIMENSION height = cinfo.output_height;
    if (width == 0 || height == 0 || !reserveMemory(cinfo, job))
        return false;

    // When at least half of the decoded pixels in each direction are averaged away
    // afterwards, the faster transform and plain chroma upsampling cannot be seen.
    const TargetSize target = job.decodeTarget;
    const bool averagedDown = target.given() && width >= 2 * static_cast<unsigned>(target.width) &&
                              height >= 2 * static_cast<unsigned>(target.height);
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
        std::uint8_t* pixels = job.decoded.rgb.data() + cinfo.output_scanline * stride;
        JSAMPROW row = fourChannels ? job.cmyk.data() : pixels;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            return false;
        if (fourChannels)
            cmykRowToRgb(job.cmyk.data(), pixels, width, job.adobeInverted);
    }
    // Reads up to the end marker, so a file cut after its last scan is still caught.
    jpeg_finish_decompress(&cinfo);
    return true;
}

DecodeResult damaged() {
    return {DecodeStatus::Damaged, {}};
}

DecodeResult tooLarge() {
    return {DecodeStatus::TooLarge, {}};
}

DecodeResult decode(Job& job) {
    jpeg_decompress_struct cinfo{};
    ErrorState errors{};
    Progress progress{{}, job.maxWork, false};
    bool decoded = false;
    try {
        decoded = runDecode(cinfo, errors, progress, job);
    } catch (const std::bad_alloc&) {
        job.tooLarge = true;
    }
    jpeg_destroy_decompress(&cinfo);
    if (!decoded)
        return job.tooLarge || progress.overBudget ? tooLarge() : damaged();

    try {
        const TargetSize size = job.decodeTarget;
        if (size.given() && (job.decoded.width != size.width || job.decoded.height != size.height))
            job.decoded = resized(job.decoded, size.width, size.height);
        return {DecodeStatus::Ok, upright(std::move(job.decoded), job.orientation)};
    } catch (const std::bad_alloc&) {
        return tooLarge();
    }
}

} // namespace

DecodeResult decodeJpeg(std::span<const std::uint8_t> data, TargetSize target,
                        std::uint64_t maxWork) {
    if (data.empty())
        return damaged();
    if (data.size() > kMaxJpegFileBytes)
        return tooLarge();
    Job job;
    job.data = data;
    job.target = target;
    job.maxWork = maxWork;
    return decode(job);
}

DecodeResult decodeJpegFile(const std::filesystem::path& file, TargetSize target) {
    // O_NONBLOCK: opening a named pipe must not hang; regular files ignore it.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? DecodeStatus::Missing : DecodeStatus::Damaged,
                {}};
    }
    std::FILE* stream = ::fdopen(fd, "rb");
    if (!stream) {
        ::close(fd);
        return damaged();
    }
    struct Closer {
        std::FILE* stream;
        ~Closer() { std::fclose(stream); }
    } closer{stream};

    // Read as it is decoded: the file's bytes are never held whole.
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0)
        return damaged();
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxJpegFileBytes)
        return tooLarge();
    Job job;
    job.file = stream;
    job.target = target;
    return decode(job);
}

} // namespace qv
