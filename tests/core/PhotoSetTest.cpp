#include "platform/PhotoSet.h"
#include "tests/fakes/JpegSamples.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// Each photo its own colour, so order and content can be checked.
RGB colourOf(int index) {
    return {static_cast<std::uint8_t>(20 * index), static_cast<std::uint8_t>(250 - 15 * index),
            static_cast<std::uint8_t>(index % 2 ? 40 : 200)};
}

bool looksLike(const Image& photo, RGB colour) {
    return pixelNear(photo, photo.width / 2, photo.height / 2, colour, 8);
}

// Padded after the end marker to one length, so that only the file's times and
// identity can tell two versions apart.
std::vector<std::uint8_t> photoBytes(RGB colour) {
    auto bytes = encodeJpeg(solidImage(120, 90, colour));
    bytes.resize(4096, 0);
    return bytes;
}

class Photos : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder);
        for (int i = 1; i <= PhotoSet::kCount; ++i)
            ASSERT_TRUE(writeBytes(file(i), photoBytes(colourOf(i))));
    }
    // The folder and some names in other cases, as players copy them.
    fs::path file(int index) const {
        return folder / (index == 3   ? "foto3.Jpg"
                         : index == 5 ? "FOTO5.JPG"
                                      : PhotoSet::fileName(index));
    }
    PhotoLoad load(int side = 66) { return photos.load(paths.dataFolder() / "QVanel", side, side); }

    TempPaths paths;
    fs::path folder = paths.dataFolder() / "qvanel";
    PhotoSet photos;
};

TEST_F(Photos, AllTwelveInOrderAtTheFaceSize) {
    const PhotoLoad result = load();
    ASSERT_TRUE(result.ok()) << result.failedPath;
    ASSERT_EQ(result.photos.size(), 12u);
    for (int i = 1; i <= 12; ++i) {
        const Image& photo = result.photos[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(photo.width, 66);
        EXPECT_EQ(photo.height, 66);
        EXPECT_TRUE(looksLike(photo, colourOf(i))) << "photo " << i;
    }
    EXPECT_EQ(result.photos[2], decodeJpegFile(file(3), {66, 66}).image);
}

TEST_F(Photos, FirstFailureIsReportedWithItsPathAndEarlierPhotosKept) {
    auto truncated = photoBytes(colourOf(1));
    truncated.resize(300);
    const struct {
        std::vector<int> missing, damaged;
        int index;
        DecodeStatus status;
    } cases[] = {
        {{7}, {}, 7, DecodeStatus::Missing},
        {{12}, {9}, 9, DecodeStatus::Damaged},
        {{6}, {5}, 5, DecodeStatus::Damaged},
        {{1}, {}, 1, DecodeStatus::Missing},
    };
    for (const auto& c : cases) {
        SetUp();
        for (int i : c.missing)
            fs::remove(file(i));
        for (int i : c.damaged)
            ASSERT_TRUE(writeBytes(file(i), truncated));
        const PhotoLoad result = load();
        SCOPED_TRACE("first failure at " + std::to_string(c.index));
        EXPECT_EQ(result.failedIndex, c.index);
        EXPECT_EQ(result.status, c.status);
        // Missing: the name the game asks for; damaged: the file as found.
        EXPECT_EQ(result.failedPath, c.status == DecodeStatus::Missing
                                         ? folder / PhotoSet::fileName(c.index)
                                         : file(c.index));
        ASSERT_EQ(result.photos.size(), static_cast<std::size_t>(c.index - 1));
        for (int i = 1; i < c.index; ++i)
            EXPECT_TRUE(looksLike(result.photos[static_cast<std::size_t>(i - 1)], colourOf(i)));
    }

    const PhotoLoad none = photos.load(paths.dataFolder() / "Outra", 66, 66);
    EXPECT_EQ(none.failedIndex, 1);
    EXPECT_EQ(none.status, DecodeStatus::Missing);
    EXPECT_EQ(none.failedPath, paths.dataFolder() / "Outra" / "Foto1.jpg");
}

TEST_F(Photos, SecondLoadComesFromTheCacheWithTheSamePixels) {
    const PhotoLoad first = load();
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(photos.stats().decodes, 12u);
    EXPECT_EQ(load().photos, first.photos);
    EXPECT_EQ(photos.stats().decodes, 12u);
    EXPECT_EQ(photos.stats().hits, 12u);

    // Another face size is another picture; the cache holds two sets, so a third
    // pushes the oldest out.
    for (int side : {80, 80, 50, 80, 66})
        ASSERT_TRUE(load(side).ok());
    EXPECT_EQ(photos.stats().decodes, 48u);
    EXPECT_EQ(photos.stats().entries, 24u);

    photos.clearCache();
    EXPECT_EQ(photos.stats().entries, 0u);
    EXPECT_EQ(load().photos, first.photos);
}

TEST_F(Photos, ReplacedFileIsReadAgain) {
    ASSERT_TRUE(load().ok());
    const auto before = fs::last_write_time(file(2));
    ASSERT_TRUE(writeBytes(file(2), photoBytes({250, 250, 250})));
    fs::last_write_time(file(2), before + std::chrono::seconds(1));

    const PhotoLoad again = load();
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(photos.stats().decodes, 13u);
    EXPECT_TRUE(looksLike(again.photos[1], {250, 250, 250}));
    EXPECT_TRUE(looksLike(again.photos[0], colourOf(1)));
}

} // namespace
} // namespace qv::test
