#include "tests/fakes/JpegSamples.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <jpeglib.h>

namespace qv::test {
namespace {

struct ErrorState {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorState*>(cinfo->err)->jump, 1);
}

void silent(j_common_ptr) {
}

struct Encoding {
    const Image& image;
    JpegKind kind;
    int quality;
    std::vector<std::uint8_t> row; // the pixels as handed to libjpeg
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
};

// Inverted CMYK as Adobe stores it: 255 - ink. With the darkest channel as black,
// an RGB value r is recovered as inverted(c) * inverted(k) / 255.
void toInvertedCmyk(const std::uint8_t* rgb, std::uint8_t* cmyk, int width) {
    for (int x = 0; x < width; ++x, rgb += 3, cmyk += 4) {
        const int light = std::max({rgb[0], rgb[1], rgb[2]});
        for (int c = 0; c < 3; ++c)
            cmyk[c] =
                light == 0 ? 255 : static_cast<std::uint8_t>((rgb[c] * 255 + light / 2) / light);
        cmyk[3] = static_cast<std::uint8_t>(light);
    }
}

void toGrey(const std::uint8_t* rgb, std::uint8_t* grey, int width) {
    for (int x = 0; x < width; ++x, rgb += 3)
        grey[x] =
            static_cast<std::uint8_t>((299 * rgb[0] + 587 * rgb[1] + 114 * rgb[2] + 500) / 1000);
}

// No objects with destructors here: libjpeg errors longjmp back into it.
bool runEncode(jpeg_compress_struct& cinfo, ErrorState& errors, Encoding& job) {
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpOut;
    errors.manager.output_message = silent;
    if (setjmp(errors.jump))
        return false;
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &job.output, &job.outputSize);
    cinfo.image_width = static_cast<JDIMENSION>(job.image.width);
    cinfo.image_height = static_cast<JDIMENSION>(job.image.height);
    const bool inks = job.kind == JpegKind::Cmyk || job.kind == JpegKind::Ycck;
    if (inks) {
        cinfo.input_components = 4;
        cinfo.in_color_space = JCS_CMYK;
    } else if (job.kind == JpegKind::Grey) {
        cinfo.input_components = 1;
        cinfo.in_color_space = JCS_GRAYSCALE;
    } else {
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
    }
    jpeg_set_defaults(&cinfo);
    if (inks) {
        jpeg_set_colorspace(&cinfo, job.kind == JpegKind::Cmyk ? JCS_CMYK : JCS_YCCK);
        cinfo.write_Adobe_marker = TRUE;
    }
    jpeg_set_quality(&cinfo, job.quality, TRUE);
    if (job.kind == JpegKind::Progressive)
        jpeg_simple_progression(&cinfo);
    job.row.resize(static_cast<std::size_t>(job.image.width) * 4);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const std::uint8_t* source = job.image.pixel(0, static_cast<int>(cinfo.next_scanline));
        JSAMPROW row = job.row.data();
        if (inks)
            toInvertedCmyk(source, row, job.image.width);
        else if (job.kind == JpegKind::Grey)
            toGrey(source, row, job.image.width);
        else
            std::copy_n(source, job.image.stride(), row);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

std::uint32_t nextRandom(std::uint32_t& state) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

std::uint8_t clampByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

} // namespace

std::vector<std::uint8_t> encodeJpeg(const Image& image, JpegKind kind, int quality) {
    if (image.empty() || image.rgb.size() < image.stride() * static_cast<std::size_t>(image.height))
        return {};
    jpeg_compress_struct cinfo{};
    ErrorState errors{};
    Encoding job{image, kind, quality, {}, nullptr, 0};
    const bool ok = runEncode(cinfo, errors, job);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> bytes;
    if (ok && job.output)
        bytes.assign(job.output, job.output + job.outputSize);
    std::free(job.output);
    return bytes;
}

Image solidImage(int width, int height, RGB colour) {
    return quartersImage(width, height, colour, colour, colour, colour);
}

Image quartersImage(int width, int height, RGB topLeft, RGB topRight, RGB bottomLeft,
                    RGB bottomRight) {
    Image image{width, height, {}};
    image.rgb.reserve(image.stride() * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const RGB c =
                y < height / 2 ? (right ? topRight : topLeft) : (right ? bottomRight : bottomLeft);
            image.rgb.insert(image.rgb.end(), {c.r, c.g, c.b});
        }
    }
    return image;
}

Image photoLikeImage(int width, int height, std::uint32_t seed) {
    Image image{width, height, {}};
    image.rgb.resize(image.stride() * static_cast<std::size_t>(height));
    // Broad light and shade from a few waves along each side, per channel.
    std::vector<int> across(static_cast<std::size_t>(width) * 3);
    std::vector<int> down(static_cast<std::size_t>(height) * 3);
    std::uint32_t state = seed * 2654435761u + 1u;
    for (int c = 0; c < 3; ++c) {
        const double phase = (nextRandom(state) % 1000) / 159.0;
        const double waves = 2.0 + nextRandom(state) % 7;
        for (int x = 0; x < width; ++x)
            across[static_cast<std::size_t>(x) * 3 + static_cast<std::size_t>(c)] =
                static_cast<int>(50 * std::sin(phase + waves * 6.283 * x / width) +
                                 14 * std::sin(phase * 3 + waves * 41.0 * x / width));
        for (int y = 0; y < height; ++y)
            down[static_cast<std::size_t>(y) * 3 + static_cast<std::size_t>(c)] =
                static_cast<int>(128 + 40 * std::cos(phase + waves * 4.1 * y / height) +
                                 12 * std::sin(phase * 5 + waves * 29.0 * y / height));
    }
    // Grain shared by the channels, like sensor noise on a lit scene.
    constexpr int kGrain = 6;
    std::uint8_t* out = image.rgb.data();
    for (int y = 0; y < height; ++y) {
        const int* row = &down[static_cast<std::size_t>(y) * 3];
        for (int x = 0; x < width; ++x, out += 3) {
            const int* column = &across[static_cast<std::size_t>(x) * 3];
            const std::uint32_t r = nextRandom(state);
            const int grain = static_cast<int>(r % (2 * kGrain + 1)) - kGrain;
            const int tint = static_cast<int>((r >> 16) % 5) - 2;
            out[0] = clampByte(row[0] + column[0] + grain + tint);
            out[1] = clampByte(row[1] + column[1] + grain);
            out[2] = clampByte(row[2] + column[2] + grain - tint);
        }
    }
    return image;
}

bool pixelNear(const Image& image, int x, int y, RGB colour, int tolerance) {
    const std::uint8_t* p = image.pixel(x, y);
    return std::abs(p[0] - colour.r) <= tolerance && std::abs(p[1] - colour.g) <= tolerance &&
           std::abs(p[2] - colour.b) <= tolerance;
}

bool writeBytes(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::vector<std::uint8_t> withExifOrientation(std::vector<std::uint8_t> jpeg, int orientation,
                                              bool littleEndian) {
    // A TIFF with one entry in its first folder: Orientation, a SHORT.
    const auto o = static_cast<std::uint8_t>(orientation);
    const std::vector<std::uint8_t> segment =
        littleEndian
            ? std::vector<std::uint8_t>{0xFF, 0xE1, 0x00, 0x22, 'E',  'x',  'i',  'f',  0x00,
                                        0x00, 'I',  'I',  0x2A, 0x00, 0x08, 0x00, 0x00, 0x00,
                                        0x01, 0x00, 0x12, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00,
                                        0x00, o,    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}
            : std::vector<std::uint8_t>{0xFF, 0xE1, 0x00, 0x22, 'E',  'x',  'i',  'f',  0x00,
                                        0x00, 'M',  'M',  0x00, 0x2A, 0x00, 0x00, 0x00, 0x08,
                                        0x00, 0x01, 0x01, 0x12, 0x00, 0x03, 0x00, 0x00, 0x00,
                                        0x01, 0x00, o,    0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    if (jpeg.size() >= 2)
        jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
    return jpeg;
}

bool patchFrameSize(std::vector<std::uint8_t>& jpeg, std::uint16_t width, std::uint16_t height) {
    // Walks the segments after SOI: FF, marker, 2-byte length covering itself.
    // The frame header holds precision (1), height (2), width (2).
    std::size_t at = 2;
    while (at + 9 <= jpeg.size() && jpeg[at] == 0xFF) {
        const std::uint8_t marker = jpeg[at + 1];
        if (marker >= 0xC0 && marker <= 0xC2) {
            jpeg[at + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[at + 6] = static_cast<std::uint8_t>(height & 0xFF);
            jpeg[at + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[at + 8] = static_cast<std::uint8_t>(width & 0xFF);
            return true;
        }
        at += 2 + (std::size_t{jpeg[at + 2]} << 8 | jpeg[at + 3]);
    }
    return false;
}

std::vector<std::uint8_t> flatGreyJpeg(std::uint16_t width, std::uint16_t height) {
    // The headers and standard tables of a one-block grey picture, then one scan
    // of blocks that each hold nothing but a zero difference: the DC code "00" and
    // the end-of-block code "1010", six bits, so four blocks make three bytes.
    std::vector<std::uint8_t> jpeg = encodeJpeg(solidImage(8, 8, {128, 128, 128}), JpegKind::Grey);
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && !(jpeg[at] == 0xFF && jpeg[at + 1] == 0xDA))
        at += 2 + (std::size_t{jpeg[at + 2]} << 8 | jpeg[at + 3]);
    if (at + 4 > jpeg.size() || !patchFrameSize(jpeg, width, height))
        return {};
    jpeg.resize(at + 2 + (std::size_t{jpeg[at + 2]} << 8 | jpeg[at + 3]));
    const std::size_t blocks = std::size_t{(width + 7u) / 8u} * ((height + 7u) / 8u);
    jpeg.reserve(jpeg.size() + blocks * 3 / 4 + 6);
    for (std::size_t i = 0; i < blocks / 4; ++i)
        jpeg.insert(jpeg.end(), {0x28, 0xA2, 0x8A});
    // The last one to three blocks, the byte filled up with ones.
    static const std::vector<std::uint8_t> kTail[] = {{}, {0x2B}, {0x28, 0xAF}, {0x28, 0xA2, 0xBF}};
    const std::vector<std::uint8_t>& tail = kTail[blocks % 4];
    jpeg.insert(jpeg.end(), tail.begin(), tail.end());
    jpeg.insert(jpeg.end(), {0xFF, 0xD9});
    return jpeg;
}

} // namespace qv::test
