#include "platform/JpegDecoder.h"
#include "tests/fakes/JpegSamples.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace qv::test {
namespace {

constexpr RGB kRed{220, 30, 40}, kGreen{30, 200, 60}, kBlue{40, 50, 210}, kSand{240, 220, 90};

RGB luma(RGB c) {
    const auto y = static_cast<std::uint8_t>((299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000);
    return {y, y, y};
}

std::vector<std::uint8_t> quarters(JpegKind kind = JpegKind::Rgb) {
    return encodeJpeg(quartersImage(96, 64, kRed, kGreen, kBlue, kSand), kind);
}

struct ColourCase {
    const char* name;
    JpegKind kind;
    TargetSize target; // 0 x 0: full size
};

class Colours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(Colours, QuartersKeepTheirColoursAtTheAskedSize) {
    const ColourCase& c = GetParam();
    const DecodeResult result = decodeJpeg(quarters(c.kind), c.target);
    ASSERT_EQ(result.status, DecodeStatus::Ok);
    const Image& image = result.image;
    const int width = c.target.given() ? c.target.width : 96;
    const int height = c.target.given() ? c.target.height : 64;
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    ASSERT_EQ(image.rgb.size(), std::size_t(width) * height * 3);
    const bool grey = c.kind == JpegKind::Grey;
    const struct {
        int x, y;
        RGB colour;
    } spots[] = {{width / 4, height / 4, kRed},
                 {width * 3 / 4, height / 4, kGreen},
                 {width / 4, height * 3 / 4, kBlue},
                 {width * 3 / 4, height * 3 / 4, kSand}};
    for (const auto& spot : spots) {
        // JPEG loses a little, more so in chroma halved both ways.
        EXPECT_TRUE(pixelNear(image, spot.x, spot.y, grey ? luma(spot.colour) : spot.colour, 14))
            << spot.x << "," << spot.y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Colours,
    ::testing::Values(ColourCase{"Rgb", JpegKind::Rgb, {}}, ColourCase{"Grey", JpegKind::Grey, {}},
                      ColourCase{"Progressive", JpegKind::Progressive, {}},
                      ColourCase{"Cmyk", JpegKind::Cmyk, {}},
                      ColourCase{"Ycck", JpegKind::Ycck, {}},
                      // 1/8 while decoding, then averaged down, not keeping the shape
                      ColourCase{"RgbSmall", JpegKind::Rgb, {9, 7}},
                      ColourCase{"CmykSmall", JpegKind::Cmyk, {9, 7}},
                      ColourCase{"ProgressiveOdd", JpegKind::Progressive, {37, 50}},
                      // beyond 16/8: enlarged after decoding
                      ColourCase{"YcckLarge", JpegKind::Ycck, {250, 90}},
                      ColourCase{"GreyTall", JpegKind::Grey, {3, 200}}),
    [](const ::testing::TestParamInfo<ColourCase>& param) {
        return std::string(param.param.name);
    });

TEST(Resizing, AveragesTheCoveredAreaAndKeepsFlatAreasExact) {
    const Image row{4, 1, {0, 0, 0, 100, 100, 100, 200, 200, 200, 255, 255, 255}};
    EXPECT_EQ(resized(row, 2, 1).rgb, (std::vector<std::uint8_t>{50, 50, 50, 228, 228, 228}));
    const Image flat = solidImage(13, 11, {17, 130, 251});
    for (auto [w, h] : {std::pair{5, 3}, {13, 40}, {1, 1}, {29, 2}})
        EXPECT_EQ(resized(flat, w, h), solidImage(w, h, {17, 130, 251})) << w << "x" << h;
    EXPECT_TRUE(resized(flat, 0, 5).empty());
}

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> bytes, std::size_t keep) {
    bytes.resize(keep);
    return bytes;
}

std::vector<std::uint8_t> claimingSize(std::uint16_t width, std::uint16_t height) {
    auto bytes = quarters();
    EXPECT_TRUE(patchFrameSize(bytes, width, height));
    return bytes;
}

TEST(LargeJpeg, PhotosUnderThePixelLimitLoadWhateverTheirLongSide) {
    // Under the limit as width x height, though the long side squared is over it:
    // a 48-megapixel panorama and a tall strip.
    for (const auto& [width, height] : {std::pair{12000, 4000}, std::pair{600, 12000}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const auto bytes = encodeJpeg(quartersImage(width, height, kRed, kGreen, kBlue, kSand),
                                      JpegKind::Grey, 50);
        ASSERT_FALSE(bytes.empty());
        const DecodeResult result = decodeJpeg(bytes, {60, 60});
        ASSERT_EQ(result.status, DecodeStatus::Ok);
        EXPECT_TRUE(pixelNear(result.image, 10, 50, luma(kBlue), 14));
        EXPECT_TRUE(pixelNear(result.image, 50, 10, luma(kGreen), 14));
    }
}

TEST(LargeJpeg, TheWorkAndMemoryBudgetsDecideNotTheMegapixels) {
    constexpr RGB kGrey{128, 128, 128};
    // A 102-megapixel camera photo (108 and 200 are near) is read reduced as it is
    // decoded, so the preview needs little memory.
    const auto camera = flatGreyJpeg(11648, 8736);
    const DecodeResult preview = decodeJpeg(camera, {145, 163});
    ASSERT_EQ(preview.status, DecodeStatus::Ok);
    EXPECT_TRUE(pixelNear(preview.image, 72, 80, kGrey, 2));
    const std::uint64_t pixels = 11648ull * 8736;
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        TargetSize target;
        std::uint64_t maxWork;
        DecodeStatus status;
    } cases[] = {
        // One scan over every pixel is the work; both sides of the budget.
        {"work at the budget", camera, {145, 163}, pixels, DecodeStatus::Ok},
        {"work one over", camera, {145, 163}, pixels - 1, DecodeStatus::TooLarge},
        {"4.3 gigapixels claimed",
         claimingSize(65500, 65500),
         {20, 20},
         kMaxDecodeWork,
         DecodeStatus::TooLarge},
        // Whole, its pixels alone would pass the memory all decodes share.
        {"camera photo at full size", camera, {}, kMaxDecodeWork, DecodeStatus::TooLarge},
        {"camera photo at the face size", camera, {66, 66}, kMaxDecodeWork, DecodeStatus::Ok},
    };
    for (const auto& c : cases) {
        const DecodeResult result = decodeJpeg(c.bytes, c.target, c.maxWork);
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_EQ(result.image.empty(), c.status != DecodeStatus::Ok) << c.what;
    }
}

TEST(DamagedJpeg, IsReportedWithoutPixelsAndWithoutPrinting) {
    const auto good = quarters();
    const auto progressive = quarters(JpegKind::Progressive);
    std::vector<std::uint8_t> noise(5000);
    std::mt19937 random(7);
    for (auto& b : noise)
        b = static_cast<std::uint8_t>(random());
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"random bytes", noise},
        {"header only", cut(good, 200)},
        {"cut in the middle", cut(good, good.size() / 2)},
        {"no end marker", cut(good, good.size() - 2)},
        {"progressive cut", cut(progressive, progressive.size() * 2 / 3)},
        {"claims 0 wide", claimingSize(0, 64)},
        {"claims more than JPEG's 65500", claimingSize(65535, 64)},
    };
    for (const auto& c : cases) {
        for (TargetSize target : {TargetSize{}, TargetSize{20, 20}}) {
            ::testing::internal::CaptureStderr();
            const DecodeResult result = decodeJpeg(c.bytes, target);
            EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << c.name;
            EXPECT_EQ(result.status, DecodeStatus::Damaged) << c.name;
            EXPECT_TRUE(result.image.empty() && result.image.rgb.empty()) << c.name;
        }
    }
}

TEST(DamagedJpeg, HarmlessOdditiesStillDecode) {
    auto strayBytes = quarters();
    ASSERT_EQ(strayBytes[3], 0xE0); // the JFIF segment comes first
    const long afterJfif = 4 + (strayBytes[4] << 8 | strayBytes[5]);
    auto unknownSegment = strayBytes;
    strayBytes.insert(strayBytes.begin() + afterJfif, {0x12, 0x34, 0x56});
    unknownSegment.insert(unknownSegment.begin() + afterJfif,
                          {0xFF, 0xE9, 0x00, 0x06, 'q', 'v', 0x00, 0x01});
    for (const auto& bytes : {strayBytes, unknownSegment}) {
        ::testing::internal::CaptureStderr();
        const DecodeResult result = decodeJpeg(bytes);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        ASSERT_EQ(result.status, DecodeStatus::Ok);
        EXPECT_TRUE(pixelNear(result.image, 72, 48, kSand, 14));
    }
}

TEST(DamagedJpeg, FilesThatAreMissingUnreadableOrOversized) {
    TempPaths paths;
    const auto root = paths.root();
    EXPECT_EQ(decodeJpegFile(root / "none.jpg").status, DecodeStatus::Missing);
    EXPECT_EQ(decodeJpegFile(root / "none" / "a.jpg").status, DecodeStatus::Missing);
    EXPECT_EQ(decodeJpegFile(root).status, DecodeStatus::Damaged); // a folder
    ASSERT_TRUE(writeBytes(root / "empty.jpg", {}));
    EXPECT_EQ(decodeJpegFile(root / "empty.jpg").status, DecodeStatus::Damaged);

    // A sound picture followed by a hole up to the file budget, and one byte past
    // it: that one is refused from its size, not read.
    const auto bytes = quarters();
    for (const std::size_t size : {kMaxJpegFileBytes, kMaxJpegFileBytes + 1}) {
        ASSERT_TRUE(writeBytes(root / "huge.jpg", bytes));
        std::filesystem::resize_file(root / "huge.jpg", size);
        EXPECT_EQ(decodeJpegFile(root / "huge.jpg", {10, 10}).status,
                  size > kMaxJpegFileBytes ? DecodeStatus::TooLarge : DecodeStatus::Ok);
    }

    ASSERT_TRUE(writeBytes(root / "good.jpg", bytes));
    const DecodeResult result = decodeJpegFile(root / "good.jpg", {10, 10});
    ASSERT_EQ(result.status, DecodeStatus::Ok);
    EXPECT_EQ(result.image, decodeJpeg(bytes, {10, 10}).image);
}

} // namespace
} // namespace qv::test
