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
                           Dialogs& dialogs, WavePlayer& waves, TonePlayer& tonePlayer)
    : SoundEffects(view, state, paths, dialogs, waves, tonePlayer, m_posix) {
}

SoundEffects::SoundEffects(const MainView& view, const MatchState& state, const Paths& paths,
                           Dialogs& dialogs, WavePlayer& waves, TonePlayer& tonePlayer,
                           FileLayer& files)
    : config(files, dialogs, paths), m_view(view), m_state(state), m_paths(paths), m_waves(waves),
      m_tonePlayer(tonePlayer) {
}

void SoundEffects::firstClick() {
    cue(SoundEvent::Click, kClickFirst);
}

void SoundEffects::secondClick() {
    cue(SoundEvent::Click, kClickSecond);
}

void SoundEffects::pairFound() {
    // Once the end of the match has sounded, a last pair leaving the board stays quiet.
    if (m_state.EndSoundState == EndSound::Played)
        return;
    cue(SoundEvent::PairFound, kPairFound);
}

void SoundEffects::pairMissed() {
    cue(SoundEvent::Miss, kMiss);
}

void SoundEffects::victory() {
    cue(SoundEvent::Victory, kVictory);
}

void SoundEffects::defeat() {
    cue(SoundEvent::Defeat, kDefeat);
}

void SoundEffects::timeUp() {
    cue(SoundEvent::TimeUp, kTimeOver);
}

void SoundEffects::optionChosen() {
    cue(SoundEvent::OptionChosen, kItemChosen);
}

void SoundEffects::stopWave() {
    m_waves.stop();
}

void SoundEffects::reloadSettings() {
    config.fillSoundNames();
    config.load(settings);
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
    m_tonePlayer.playMelody(melody);
}

} // namespace qv
