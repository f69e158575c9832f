#include "sound/TonePlayer.h"
#include "tests/fakes/FakeSound.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv::test {
namespace {

using Access = RecordingPorts::Access;

struct PortPath {
    VirtualScheduler scheduler;
    VirtualTicks ticks{scheduler, 5000};
    RecordingPorts ports;
    TonePlayer beeper{ticks, nullptr, &ports};
};

TEST(Beeper, WithoutAToneServiceProgramsTimerTwoAndTheSpeakerGate) {
    struct Case {
        std::uint16_t hz;
        std::uint16_t divisor;
    };
    for (const Case c : {Case{40, 29829}, Case{5000, 238}, Case{1000, 1193}}) {
        PortPath p;
        EXPECT_FALSE(TonePlayer::toneServiceInUse);
        p.beeper.playTone(c.hz, 120);
        const std::vector<Access> expected{
            {'r', 0x61, 0x30},
            {'w', 0x61, 0x33},
            {'w', 0x43, 0xB6},
            {'w', 0x42, static_cast<std::uint8_t>(c.divisor & 0xFF)},
            {'w', 0x42, static_cast<std::uint8_t>(c.divisor >> 8)},
            {'r', 0x61, 0x33},
            {'w', 0x61, 0x30},
        };
        EXPECT_EQ(p.ports.accesses, expected) << c.hz << " Hz";
        EXPECT_EQ(p.scheduler.now(), 120) << c.hz << " Hz";
    }
}

TEST(Beeper, AGateAlreadyOpenIsNotProgrammedAgainButTheDivisorIs) {
    PortPath p;
    p.ports.systemControl = 0x31;
    p.beeper.playTone(1000, 10);
    const std::vector<Access> expected{
        {'r', 0x61, 0x31}, {'w', 0x42, 0xA9}, {'w', 0x42, 0x04},
        {'r', 0x61, 0x31}, {'w', 0x61, 0x30},
    };
    EXPECT_EQ(p.ports.accesses, expected);
}

TEST(Beeper, FrequenciesOutsideTheSpeakersRangeWaitInSilence) {
    for (std::uint16_t hz : {39, 5001, 1}) {
        PortPath p;
        p.beeper.playTone(hz, 250);
        EXPECT_EQ(p.scheduler.now(), 250) << hz << " Hz";
        for (const Access& a : p.ports.accesses)
            EXPECT_NE(a.port, 0x42) << hz << " Hz programmed the timer";
        EXPECT_EQ(p.ports.systemControl & 3, 0) << hz << " Hz left the speaker on";
    }
    PortPath rest;
    rest.beeper.playTone(1, 40);
    EXPECT_TRUE(rest.ports.accesses.empty()) << "a rest touches no port";
}

TEST(Beeper, AZeroLengthToneReturnsAtOnceWithTheSpeakerOff) {
    PortPath p;
    p.beeper.playTone(800, 0);
    EXPECT_EQ(p.scheduler.now(), 0);
    EXPECT_EQ(p.ticks.pauses, 0);
    EXPECT_EQ(p.ports.systemControl & 3, 0);
}

TEST(Beeper, AWrapOfTheTickCounterNeitherEndsNorStretchesATone) {
    for (std::uint32_t before : {0u, 1u, 7u, 99u, 100u}) {
        VirtualScheduler scheduler;
        VirtualTicks ticks(scheduler, 0u - before, 3);
        RecordingPorts ports;
        TonePlayer beeper(ticks, nullptr, &ports);
        beeper.playTone(700, 100);
        EXPECT_EQ(scheduler.now(), 100) << before << " ms before the wrap";
    }
}

TEST(Beeper, WaitingSleepsInsteadOfPolling) {
    VirtualScheduler scheduler;
    VirtualTicks ticks(scheduler, 0);
    TonePlayer beeper(ticks);
    beeper.playTone(1, 1700);
    EXPECT_EQ(scheduler.now(), 1700);
    EXPECT_LE(ticks.pauses, 2) << "one pause for the whole wait, plus one if it came back early";
}

TEST(Beeper, WithAToneServiceEveryToneGoesToIt) {
    VirtualScheduler scheduler;
    VirtualTicks ticks(scheduler, 0);
    RecordingBeep beep(scheduler);
    RecordingPorts ports;
    TonePlayer beeper(ticks, &beep, &ports);
    EXPECT_TRUE(TonePlayer::toneServiceInUse);
    beeper.playTone(39, 30);
    beeper.playTone(1, 20); // a rest is a wait, never a tone
    beeper.playTone(5001, 10);
    EXPECT_EQ(beep.tones, (std::vector<Tone>{{39, 30}, {5001, 10}}));
    EXPECT_EQ(scheduler.now(), 60);
    EXPECT_TRUE(ports.accesses.empty());
}

TEST(Beeper, AMelodyGoesWholeToTheToneServiceAndToneByToneToThePorts) {
    const std::vector<Tone> melody{{200, 170}, {1, 30}, {100, 100}};
    VirtualScheduler scheduler;
    VirtualTicks ticks(scheduler, 0);
    RecordingBeep beep(scheduler);
    TonePlayer beeper(ticks, &beep);
    beeper.playMelody(melody);
    EXPECT_EQ(beep.melodies, 1);
    EXPECT_EQ(scheduler.now(), 300);

    PortPath p;
    p.beeper.playMelody(melody);
    EXPECT_EQ(p.scheduler.now(), 300);
    EXPECT_EQ(std::count_if(p.ports.accesses.begin(), p.ports.accesses.end(),
                            [](const Access& a) { return a.port == 0x42; }),
              4)
        << "two tones programmed, the rest silent";
}

TEST(Beeper, BeatLengthFollowsBeatDuration) {
    VirtualScheduler scheduler;
    VirtualTicks ticks(scheduler, 0);
    TonePlayer beeper(ticks);
    EXPECT_EQ(beeper.beatDuration(), BeatDuration::OneSecond);
    EXPECT_EQ(beeper.beatLength(), 1000u);
    EXPECT_EQ(beeper.defaultSound(), PresetSound::Ok);
    const std::pair<BeatDuration, std::uint32_t> steps[] = {
        {BeatDuration::TwoSeconds, 2000},
        {BeatDuration::HalfSecond, 500},
        {BeatDuration::HalfSecond, 500},
        {BeatDuration::OneAndAHalfSeconds, 1500}};
    for (const auto& [duration, length] : steps) {
        beeper.setBeatDuration(duration);
        EXPECT_EQ(beeper.beatLength(), length);
    }
    beeper.setDefaultSound(PresetSound::Error);
    EXPECT_EQ(beeper.defaultSound(), PresetSound::Error);
}

} // namespace
} // namespace qv::test
