#include "match/Game.h"
#include "sound/SoundEffects.h"
#include "tests/fakes/SoundGame.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <numeric>

namespace qv::test {
namespace {

struct CueRig : SoundGame {
    explicit CueRig(const std::string& device = "P") {
        game.FormCreate();
        game.FormActivate(); // the default settings, every event on
        effects.settings.SoundDevice = device;
        game.state.EndSoundPlayed = kNao;
        for (std::string_view name : soundfile::kSoundNames)
            std::ofstream(ports.paths.programFolder() / (std::string(name) + ".wav")) << "RIFF";
    }
};

struct Cue {
    const char* routine;
    void (SoundCues::*play)();
    SoundEvent event;
    std::vector<Tone> melody;
    std::uint32_t total;
};

const std::vector<Cue> kCues{
    {"SOUND1",
     &SoundCues::SOUND1,
     SoundEvent::Click,
     {{1500, 30}, {1700, 30}, {1200, 30}, {800, 30}},
     120},
    {"SOUND2",
     &SoundCues::SOUND2,
     SoundEvent::Click,
     {{1300, 25}, {1600, 25}, {1200, 25}, {1800, 25}},
     100},
    {"SOUND_CERTO",
     &SoundCues::SOUND_CERTO,
     SoundEvent::Acertar,
     {{750, 50}, {800, 50}, {850, 50}, {900, 50}, {950, 50}, {1000, 100}},
     350},
    {"SOUND_ERRO", &SoundCues::SOUND_ERRO, SoundEvent::Errar, {{200, 170}, {100, 100}}, 270},
    {"SOUND_GANHA",
     &SoundCues::SOUND_GANHA,
     SoundEvent::Vitoria,
     {{550, 70},
      {600, 70},
      {650, 70},
      {700, 70},
      {750, 70},
      {800, 250},
      {700, 70},
      {750, 70},
      {800, 250}},
     990},
    {"sound_perde",
     &SoundCues::sound_perde,
     SoundEvent::Derrota,
     {{250, 150},
      {240, 150},
      {230, 150},
      {220, 100},
      {210, 100},
      {200, 100},
      {140, 300},
      {100, 650}},
     1700},
    {"soundTempo", &SoundCues::soundTempo, SoundEvent::Termino, {{300, 170}, {500, 500}}, 670},
    {"soundOp",
     &SoundCues::soundOp,
     SoundEvent::Acesso,
     {{800, 25}, {700, 35}, {750, 55}, {850, 100}},
     215},
};

TEST(SoundCues, AnyDeviceButCapitalPPlaysTheMelodyAndHoldsTheGameForItsLength) {
    for (const char* device : {"A", "", "p"}) {
        for (const Cue& cue : kCues) {
            CueRig rig(device);
            const std::int64_t before = rig.ports.scheduler.now();
            (rig.effects.*cue.play)();
            EXPECT_EQ(rig.beep.tones, cue.melody) << cue.routine << " on '" << device << "'";
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
             r.game.checksomClick();
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
    rig.game.state.EndSoundPlayed = kSim;
    for (const Cue& cue : kCues)
        (rig.effects.*cue.play)();
    std::size_t expected = 0;
    for (const Cue& cue : kCues)
        expected += cue.event == SoundEvent::Acertar ? 0 : cue.melody.size();
    EXPECT_EQ(rig.beep.tones.size(), expected);

    rig.game.deal.Novo1Click(); // a new match
    rig.beep.tones.clear();
    rig.effects.SOUND_CERTO();
    EXPECT_EQ(rig.beep.tones.size(), 6u);
}

TEST(SoundCues, ANewMatchStopsAPlayingWave) {
    CueRig rig;
    rig.effects.SOUND_GANHA();
    rig.game.deal.Novo1Click();
    EXPECT_EQ(rig.waves.requests, (std::vector<std::string>{"Som1.Vitoria.wav", "stop"}));
}

TEST(SoundCues, WaveNamesAreFoundWhateverTheirLetterCase) {
    CueRig rig;
    std::filesystem::rename(rig.ports.paths.programFolder() / "Som1.opcao.wav",
                            rig.ports.paths.programFolder() / "som1.OPCAO.wav");
    rig.effects.soundOp();
    EXPECT_EQ(rig.waves.requests, std::vector<std::string>{"som1.OPCAO.wav"});
}

} // namespace
} // namespace qv::test
