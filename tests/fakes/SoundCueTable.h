#pragma once

#include "sound/SoundCues.h"
#include "sound/SoundSettings.h"
#include "sound/TBTBeeper.h"

#include <cstdint>
#include <vector>

namespace qv::test {

/// The eight cues with their events and their melodies as the rules give them.
struct Cue {
    const char* routine;
    void (SoundCues::*play)();
    SoundEvent event;
    std::vector<Tone> melody;
    std::uint32_t total;
};

inline const std::vector<Cue> kCues{
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

} // namespace qv::test
