#include "sound/SoundEffects.h"

#include "platform/FileNoCase.h"

#include <array>

namespace qv {

namespace {

constexpr std::array<Tone, 4> kClickFirst{{{1500, 30}, {1700, 30}, {1200, 30}, {800, 30}}};
constexpr std::array<Tone, 4> kClickSecond{{{1300, 25}, {1600, 25}, {1200, 25}, {1800, 25}}};
constexpr std::array<Tone, 6> kPairFound{
    {{750, 50}, {800, 50}, {850, 50}, {900, 50}, {950, 50}, {1000, 100}}};
constexpr std::array<Tone, 2> kMiss{{{200, 170}, {100, 100}}};
constexpr std::array<Tone, 9> kVictory{{{550, 70},
                                        {600, 70},
                                        {650, 70},
                                        {700, 70},
                                        {750, 70},
                                        {800, 250},
                                        {700, 70},
                                        {750, 70},
                                        {800, 250}}};
constexpr std::array<Tone, 8> kDefeat{{{250, 150},
                                       {240, 150},
                                       {230, 150},
                                       {220, 100},
                                       {210, 100},
                                       {200, 100},
                                       {140, 300},
                                       {100, 650}}};
constexpr std::array<Tone, 2> kTimeOver{{{300, 170}, {500, 500}}};
constexpr std::array<Tone, 4> kItemChosen{{{800, 25}, {700, 35}, {750, 55}, {850, 100}}};

} // namespace

SoundEffects::SoundEffects(const MainView& view, const MatchState& state, const Paths& paths,
                           Dialogs& dialogs, WavePlayer& waves, TBTBeeper& SOM)
    : SoundEffects(view, state, paths, dialogs, waves, SOM, m_posix) {
}

SoundEffects::SoundEffects(const MainView& view, const MatchState& state, const Paths& paths,
                           Dialogs& dialogs, WavePlayer& waves, TBTBeeper& SOM, FileLayer& files)
    : config(files, dialogs, paths), m_view(view), m_state(state), m_paths(paths), m_waves(waves),
      m_SOM(SOM) {
}

void SoundEffects::SOUND1() {
    cue(SoundEvent::Click, kClickFirst);
}

void SoundEffects::SOUND2() {
    cue(SoundEvent::Click, kClickSecond);
}

void SoundEffects::SOUND_CERTO() {
    // Once the end of the match has sounded, a last pair leaving the board stays quiet.
    if (m_state.EndSoundPlayed == kSim)
        return;
    cue(SoundEvent::Acertar, kPairFound);
}

void SoundEffects::SOUND_ERRO() {
    cue(SoundEvent::Errar, kMiss);
}

void SoundEffects::SOUND_GANHA() {
    cue(SoundEvent::Vitoria, kVictory);
}

void SoundEffects::sound_perde() {
    cue(SoundEvent::Derrota, kDefeat);
}

void SoundEffects::soundTempo() {
    cue(SoundEvent::Termino, kTimeOver);
}

void SoundEffects::soundOp() {
    cue(SoundEvent::Acesso, kItemChosen);
}

void SoundEffects::StopWave() {
    m_waves.stop();
}

void SoundEffects::CriarArqSom() {
    config.tiposom();
    config.CriarArqSom(settings);
    m_waves.recover();
}

std::optional<std::filesystem::path> SoundEffects::findWave(const std::string& name) const {
    return findPathNoCase(m_paths.programFolder(), name + ".wav");
}

void SoundEffects::playWave(const std::string& name) {
    m_waves.play(findWave(name).value_or(m_paths.programFolder() / (name + ".wav")));
}

void SoundEffects::cue(SoundEvent event, std::span<const Tone> melody) {
    if (!m_view[Role::SoundSwitch].checked || settings.on(event) != 1)
        return;
    if (settings.SoundDevice == "P") {
        // A missing wave passes in silence.
        if (auto wave = findWave(settings.name(event)))
            m_waves.play(*wave);
        return;
    }
    m_SOM.PlayMelody(melody);
}

} // namespace qv
