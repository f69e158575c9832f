#include "platform/DecodeMemory.h"
#include "platform/JpegDecoder.h"
#include "tests/fakes/JpegSamples.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace qv::test {
namespace {

constexpr RGB kRed{220, 30, 40}, kGreen{30, 200, 60}, kBlue{40, 50, 210}, kSand{240, 220, 90};

struct Turned {
    int orientation;
    // How the camera stored the upright picture's quarters (top left, top right,
    // bottom left, bottom right), the upright ones being red, green, blue, sand.
    RGB stored[4];
};

// Written out by hand from what each EXIF orientation means, not computed, so a
// rotation the wrong way round cannot agree with itself.
const Turned kTurned[] = {
    {1, {kRed, kGreen, kBlue, kSand}}, {2, {kGreen, kRed, kSand, kBlue}},
    {3, {kSand, kBlue, kGreen, kRed}}, {4, {kBlue, kSand, kRed, kGreen}},
    {5, {kRed, kBlue, kGreen, kSand}}, {6, {kGreen, kSand, kRed, kBlue}},
    {7, {kSand, kGreen, kBlue, kRed}}, {8, {kBlue, kRed, kSand, kGreen}},
};

TEST(PhotoLook, EveryExifOrientationComesOutUpright) {
    // Upright the picture is 96 wide and 64 high; turned a quarter it was stored
    // 64 wide and 96 high.
    for (const Turned& t : kTurned) {
        SCOPED_TRACE("orientation " + std::to_string(t.orientation));
        const bool quarterTurn = t.orientation >= 5;
        const Image stored = quartersImage(quarterTurn ? 64 : 96, quarterTurn ? 96 : 64,
                                           t.stored[0], t.stored[1], t.stored[2], t.stored[3]);
        for (const bool intel : {false, true})
            for (TargetSize target : {TargetSize{}, TargetSize{48, 32}, TargetSize{30, 30}}) {
                SCOPED_TRACE(intel ? "II" : "MM");
                const auto jpeg = withExifOrientation(encodeJpeg(stored), t.orientation, intel);
                const DecodeResult result = decodeJpeg(jpeg, target);
                ASSERT_TRUE(result.ok());
                const Image& picture = result.image;
                EXPECT_EQ(picture.width, target.given() ? target.width : 96);
                EXPECT_EQ(picture.height, target.given() ? target.height : 64);
                const int left = picture.width / 4, right = picture.width * 3 / 4;
                const int top = picture.height / 4, bottom = picture.height * 3 / 4;
                EXPECT_TRUE(pixelNear(picture, left, top, kRed, 16));
                EXPECT_TRUE(pixelNear(picture, right, top, kGreen, 16));
                EXPECT_TRUE(pixelNear(picture, left, bottom, kBlue, 16));
                EXPECT_TRUE(pixelNear(picture, right, bottom, kSand, 16));
            }
    }
}

TEST(PhotoLook, ProgressiveFileNeedingTooMuchWorkIsRefused) {
    // A progressive file is decoded once per scan; the budget counts scans times
    // pixels, so the same picture in one scan fits a budget its progressive form
    // does not.
    const Image picture = photoLikeImage(400, 300, 3);
    const auto progressive = encodeJpeg(picture, JpegKind::Progressive);
    const auto baseline = encodeJpeg(picture, JpegKind::Rgb);
    const std::uint64_t pixels = 400 * 300;
    EXPECT_TRUE(decodeJpeg(progressive, {}, 20 * pixels).ok());
    EXPECT_EQ(decodeJpeg(progressive, {}, 3 * pixels).status, DecodeStatus::TooLarge);
    EXPECT_TRUE(decodeJpeg(baseline, {}, 3 * pixels).ok());
}

TEST(PhotoLook, StripOneWideIsBroughtToASquare) {
    const Image strip = quartersImage(1, 65500, kRed, kRed, kBlue, kBlue);
    const DecodeResult decoded = decodeJpeg(encodeJpeg(strip), {264, 264});
    ASSERT_TRUE(decoded.ok());
    for (const Image& square : {resized(strip, 264, 264), decoded.image}) {
        ASSERT_EQ(square.width, 264);
        ASSERT_EQ(square.height, 264);
        EXPECT_TRUE(pixelNear(square, 200, 40, kRed, 20));
        EXPECT_TRUE(pixelNear(square, 10, 220, kBlue, 20));
    }
}

TEST(PhotoLook, DecodesTogetherNeverHoldMoreThanTheirShare) {
    DecodeMemory memory(100);
    EXPECT_FALSE(memory.acquire(101)) << "could never fit: refused, not waited for";
    std::atomic<int> held{0};
    std::atomic<int> most{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            std::mt19937 random(static_cast<unsigned>(t));
            for (int i = 0; i < 300; ++i) {
                const int bytes = static_cast<int>(random() % 60) + 1;
                ASSERT_TRUE(memory.acquire(static_cast<std::size_t>(bytes)));
                const int now = held += bytes;
                int seen = most;
                while (now > seen && !most.compare_exchange_weak(seen, now)) {
                }
                held -= bytes;
                memory.release(static_cast<std::size_t>(bytes));
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_LE(most.load(), 100);
    EXPECT_LE(memory.peak(), 100u);

    // A request that does not fit waits until enough is given back.
    ASSERT_TRUE(memory.acquire(60));
    std::atomic<bool> granted{false};
    std::thread waiter([&] {
        EXPECT_TRUE(memory.acquire(50));
        granted = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(granted);
    memory.release(60);
    waiter.join();
    EXPECT_TRUE(granted);
}

} // namespace
} // namespace qv::test
