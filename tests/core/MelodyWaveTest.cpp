#include "sound/MelodyWave.h"
#include "tests/fakes/SoundCueTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace qv::test {
namespace {

constexpr int kRate = 44100;
constexpr std::int16_t kAmplitude = 6000;

/// Checks one rendered melody: its length to the sample, each tone's pitch by
/// its sign changes, silence in rests, and no sample off the wave's two levels
/// between the first and the last millisecond.
void expectRendered(const std::vector<Tone>& melody, const std::string& what) {
    const std::vector<std::int16_t> wave = melodyWave(melody, kRate, kAmplitude);
    std::uint64_t totalMs = 0;
    for (const Tone& tone : melody)
        totalMs += tone.ms;
    ASSERT_EQ(wave.size(), (totalMs * kRate + 500) / 1000) << what;

    std::uint64_t elapsed = 0;
    for (std::size_t n = 0; n < melody.size(); ++n) {
        const std::size_t from = (elapsed * kRate + 500) / 1000;
        elapsed += melody[n].ms;
        const std::size_t to = (elapsed * kRate + 500) / 1000;
        int changes = 0;
        for (std::size_t k = from; k < to; ++k) {
            const bool edge = k < kRate / 1000 || k + kRate / 1000 >= wave.size();
            if (melody[n].hz <= 1) {
                ASSERT_EQ(wave[k], 0) << what << ", rest " << n;
            } else if (!edge) {
                ASSERT_EQ(std::abs(wave[k]), kAmplitude) << what << ", tone " << n << " at " << k;
            }
            if (k > from && (wave[k] > 0) != (wave[k - 1] > 0))
                ++changes;
        }
        if (melody[n].hz > 1) {
            const double expected = 2.0 * melody[n].hz * double(to - from) / kRate;
            EXPECT_NEAR(changes, expected, 2.0) << what << ", tone " << n;
        }
    }
}

TEST(MelodyWave, EachMelodyOfTheGameIsOneUnbrokenWaveOfItsTones) {
    for (const Cue& cue : kCues)
        expectRendered(cue.melody, cue.routine);
}

TEST(MelodyWave, AnyMelodyKeepsItsLengthToTheSampleAndItsPitches) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 200; ++round) {
        std::vector<Tone> melody(std::uniform_int_distribution<std::size_t>(1, 9)(random));
        for (Tone& tone : melody) {
            const bool rest = std::uniform_int_distribution<int>(0, 9)(random) == 0;
            tone.hz =
                rest ? 1 : std::uint16_t(std::uniform_int_distribution<int>(37, 5000)(random));
            tone.ms = std::uniform_int_distribution<std::uint32_t>(0, 700)(random);
        }
        expectRendered(melody, "round " + std::to_string(round));
    }
    EXPECT_TRUE(melodyWave({}, kRate, kAmplitude).empty());
}

} // namespace
} // namespace qv::test
