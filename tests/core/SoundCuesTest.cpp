#include "game/Game.h"
#include "sound/SoundEffects.h"
#include "tests/fakes/SoundCueTable.h"
#include "tests/fakes/SoundGame.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <numeric>

namespace qv::test {
namespace {

struct CueRig : SoundGame {
    explicit CueRig(const std::string& device = "P") {
        game.setUp();
        game.onActivated(); // the default settings, every event on
        effects.settings.SoundDevice = device;
        game.state.EndSoundState = EndSound::Due;
        for (std::string_view name : soundfile::kSoundNames)
            std::ofstream(ports.paths.programFolder() / (std::string(name) + ".wav")) << "RIFF";
    }
};

TEST(SoundCues, AnyDeviceButCapitalPPlaysTheMelodyAndHoldsTheGameForItsLength) {
    for (const char* device : {"A", "", "p"}) {
        for (const Cue& cue : kCues) {
            CueRig rig(device);
            const std::int64_t before = rig.ports.scheduler.now();
            (rig.effects.*cue.play)();
            EXPECT_EQ(rig.beep.tones, cue.melody) << cue.routine << " on '" << device << "'";
            EXPECT_EQ(rig.beep.melodies, 1) << cue.routine << " came tone by tone";
            EXPECT_EQ(rig.ports.scheduler.now() - before, cue.total) << cue.routine;
            EXPECT_TRUE(rig.waves.requests.empty()) << cue.routine;
        }
    }
}

TEST(SoundCues, TheSoundCardPlaysTheEventsWaveBesideTheProgramAndReturnsAtOnce) {
    for (const Cue& cue : kCues) {
        CueRig rig;
        const std::int64_t before = rig.ports.scheduler.now();
        (rig.effects.*cue.play)();
        EXPECT_EQ(rig.waves.requests,
                  std::vector<std::string>{rig.effects.settings.name(cue.event) + ".wav"})
            << cue.routine;
        EXPECT_EQ(rig.ports.scheduler.now(), before) << cue.routine;
        EXPECT_TRUE(rig.beep.tones.empty()) << cue.routine;
    }
}

TEST(SoundCues, SilentCases) {
    const std::vector<std::pair<const char*, std::function<void(CueRig&, const Cue&)>>> cases{
        {"Som unticked",
         [](CueRig& r, const Cue&) {
             r.game.onToggleSound();
         }},
        {"event switched off",
         [](CueRig& r, const Cue& c) {
             r.effects.settings.SoundOn[static_cast<std::size_t>(c.event)] = 0;
         }},
        {"switch 2 counts as off",
         [](CueRig& r, const Cue& c) {
             r.effects.settings.SoundOn[static_cast<std::size_t>(c.event)] = 2;
         }},
        {"wave file missing",
         [](CueRig& r, const Cue& c) {
             std::filesystem::remove(r.ports.paths.programFolder() /
                                     (r.effects.settings.name(c.event) + ".wav"));
         }},
    };
    for (const char* device : {"P", "A"}) {
        for (const auto& [what, silence] : cases) {
            for (const Cue& cue : kCues) {
                CueRig rig(device);
                if (std::string(what) == "wave file missing" && std::string(device) == "A")
                    continue;
                silence(rig, cue);
                (rig.effects.*cue.play)();
                EXPECT_TRUE(rig.waves.requests.empty()) << what << ", " << cue.routine;
                EXPECT_TRUE(rig.beep.tones.empty()) << what << ", " << cue.routine;
                EXPECT_TRUE(rig.ports.dialogs.shown().empty()) << what << ", " << cue.routine;
            }
        }
    }
}

TEST(SoundCues, AfterTheEndSoundOnlyAPairFoundStaysSilentUntilTheNextMatch) {
    CueRig rig("A");
    rig.game.state.EndSoundState = EndSound::Played;
    for (const Cue& cue : kCues)
        (rig.effects.*cue.play)();
    std::size_t expected = 0;
    for (const Cue& cue : kCues)
        expected += cue.event == SoundEvent::PairFound ? 0 : cue.melody.size();
    EXPECT_EQ(rig.beep.tones.size(), expected);

    rig.game.deal.onStart(); // a new match
    rig.beep.tones.clear();
    rig.effects.pairFound();
    EXPECT_EQ(rig.beep.tones.size(), 6u);
}

TEST(SoundCues, ANewMatchStopsAPlayingWave) {
    CueRig rig;
    rig.effects.victory();
    rig.game.deal.onStart();
    EXPECT_EQ(rig.waves.requests, (std::vector<std::string>{"Som1.Vitoria.wav", "stop"}));
}

TEST(SoundCues, WaveNamesAreFoundWhateverTheirLetterCase) {
    CueRig rig;
    std::filesystem::rename(rig.ports.paths.programFolder() / "Som1.opcao.wav",
                            rig.ports.paths.programFolder() / "som1.OPCAO.wav");
    rig.effects.optionChosen();
    EXPECT_EQ(rig.waves.requests, std::vector<std::string>{"som1.OPCAO.wav"});
}

} // namespace
} // namespace qv::test
