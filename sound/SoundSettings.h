#pragma once

#include <array>
#include <string>

namespace qv {

/// The seven sound events, in the order the settings and their file use.
enum class SoundEvent { Miss, PairFound, Victory, Defeat, Click, OptionChosen, TimeUp };
inline constexpr std::size_t kSoundEventCount = 7;

/// Which sounds the game makes; empty until the settings file is first read, so
/// nothing sounds before.
struct SoundSettings {
    /// "P": wave files through the sound card; anything else: tone melodies.
    std::string SoundDevice;
    std::array<std::string, kSoundEventCount> SoundName{};
    /// 1: the event sounds; any other value: silent.
    std::array<int, kSoundEventCount> SoundOn{};

    std::string& name(SoundEvent e) { return SoundName[static_cast<std::size_t>(e)]; }
    const std::string& name(SoundEvent e) const { return SoundName[static_cast<std::size_t>(e)]; }
    int on(SoundEvent e) const { return SoundOn[static_cast<std::size_t>(e)]; }
};

} // namespace qv
