#include "platform/GifDecoder.h"

#include <gtest/gtest.h>

#include <gif_lib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::filesystem::path definirPictures() {
    return std::filesystem::path(QV_SOURCE_DIR) / "assets" / "pictures" / "definir";
}

int appendBytes(GifFileType* gif, const GifByteType* data, int count) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + count);
    return count;
}

/// A GIF of the given palette indices, written with giflib, with a table of
/// `colours` entries (a power of two).
Bytes encode(int width, int height, const std::vector<GifPixelType>& indices, int colours,
             bool interlaced) {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    std::vector<GifColorType> table(static_cast<std::size_t>(colours));
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {GifByteType(i * 40), GifByteType(255 - i * 40), GifByteType(i)};
    ColorMapObject* map = GifMakeMapObject(int(table.size()), table.data());
    EGifPutScreenDesc(gif, width, height, GifBitSize(colours), 0, map);
    EGifPutImageDesc(gif, 0, 0, width, height, interlaced, nullptr);
    // Interlaced rows are stored in four passes: 0, 8, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...
    std::vector<int> order;
    if (interlaced) {
        for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < height; y += step)
                order.push_back(y);
    } else {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
    }
    for (int y : order)
        EGifPutLine(gif, const_cast<GifPixelType*>(indices.data() + y * width), width);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

TEST(GifDecoder, DecodesEveryPictureOfTheGameDefinitionDialog) {
    int pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(definirPictures())) {
        const std::string name = entry.path().stem().string();
        const DecodeResult result = decodeGif(readFile(entry.path()));
        ASSERT_TRUE(result.ok()) << name;
        const bool time =
            name.find("min") != std::string::npos || name.find("seg") != std::string::npos;
        // Drawn at twice the size the window shows them.
        EXPECT_EQ(result.image.width, time ? 242 : 274) << name;
        EXPECT_EQ(result.image.height, time ? 50 : 58) << name;
        ++pictures;
    }
    EXPECT_EQ(pictures, 14);
}

TEST(GifDecoder, PutsInterlacedRowsBackInPlace) {
    constexpr int kWidth = 3, kHeight = 11;
    std::vector<GifPixelType> indices(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            indices[std::size_t(y * kWidth + x)] = GifPixelType((y + x) % 4);
    for (bool interlaced : {false, true}) {
        const DecodeResult result = decodeGif(encode(kWidth, kHeight, indices, 4, interlaced));
        ASSERT_TRUE(result.ok());
        for (int y = 0; y < kHeight; ++y)
            EXPECT_EQ(result.image.pixel(0, y)[0], ((y % 4) * 40) & 0xff) << "row " << y;
    }
}

TEST(GifDecoder, RefusesWhatIsNoWholeGif) {
    const Bytes good = readFile(definirPictures() / "img_3min.gif");
    ASSERT_TRUE(decodeGif(good).ok());
    // Only the closing trailer byte may go: every pixel is in place without it.
    for (std::size_t length = 0; length + 1 < good.size(); ++length) {
        const Bytes cut(good.begin(), good.begin() + std::ptrdiff_t(length));
        EXPECT_EQ(decodeGif(cut).status, DecodeStatus::Damaged) << "cut at " << length;
    }
    const std::string text = "GIF89a is what this text starts with, and nothing more";
    EXPECT_FALSE(decodeGif(Bytes(text.begin(), text.end())).ok());
    // A table of 2 colours: index 1 is its last colour, index 2 points past it.
    EXPECT_TRUE(decodeGif(encode(2, 2, {0, 1, 1, 0}, 2, false)).ok());
    EXPECT_FALSE(decodeGif(encode(2, 2, {0, 1, 2, 0}, 2, false)).ok());
}

// Damaged copies of the real pictures: random bytes changed, runs inserted or
// removed, the end cut. Only Ok with the right size or Damaged may come back;
// the sanitizer build checks that nothing is read or written out of place.
TEST(GifDecoder, SurvivesThousandsOfDamagedPictures) {
    std::vector<Bytes> samples;
    for (const auto& entry : std::filesystem::directory_iterator(definirPictures()))
        samples.push_back(readFile(entry.path()));
    ASSERT_FALSE(samples.empty());
    std::mt19937 random(2024);
    int damaged = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes = samples[std::size_t(round) % samples.size()];
        const int changes = 1 + int(random() % 8);
        for (int c = 0; c < changes && !bytes.empty(); ++c) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0:
                bytes[at] = std::uint8_t(random());
                break;
            case 1:
                bytes.insert(bytes.begin() + std::ptrdiff_t(at), 1 + random() % 16,
                             std::uint8_t(random()));
                break;
            case 2:
                bytes.erase(bytes.begin() + std::ptrdiff_t(at),
                            bytes.begin() +
                                std::ptrdiff_t(std::min(bytes.size(), at + 1 + random() % 16)));
                break;
            default:
                bytes.resize(at);
            }
        }
        const DecodeResult result = decodeGif(bytes);
        if (result.ok()) {
            EXPECT_EQ(result.image.rgb.size(),
                      std::size_t(result.image.width) * std::size_t(result.image.height) * 3);
        } else {
            EXPECT_TRUE(result.image.empty());
            ++damaged;
        }
    }
    EXPECT_GT(damaged, 1000);
}

} // namespace
} // namespace qv
