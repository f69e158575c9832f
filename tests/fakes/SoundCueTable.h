#pragma once

#include "match/SoundCues.h"
#include "sound/SoundSettings.h"
#include "sound/TonePlayer.h"

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
    {"firstClick",
     &SoundCues::firstClick,
     SoundEvent::Click,
     {{1500, 30}, {1700, 30}, {1200, 30}, {800, 30}},
     120},
    {"secondClick",
     &SoundCues::secondClick,
     SoundEvent::Click,
     {{1300, 25}, {1600, 25}, {1200, 25}, {1800, 25}},
     100},
    {"pairFound",
     &SoundCues::pairFound,
     SoundEvent::PairFound,
     {{750, 50}, {800, 50}, {850, 50}, {900, 50}, {950, 50}, {1000, 100}},
     350},
    {"pairMissed", &SoundCues::pairMissed, SoundEvent::Miss, {{200, 170}, {100, 100}}, 270},
    {"victory",
     &SoundCues::victory,
     SoundEvent::Victory,
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
    {"defeat",
     &SoundCues::defeat,
     SoundEvent::Defeat,
     {{250, 150},
      {240, 150},
      {230, 150},
      {220, 100},
      {210, 100},
      {200, 100},
      {140, 300},
      {100, 650}},
     1700},
    {"timeUp", &SoundCues::timeUp, SoundEvent::TimeUp, {{300, 170}, {500, 500}}, 670},
    {"optionChosen",
     &SoundCues::optionChosen,
     SoundEvent::OptionChosen,
     {{800, 25}, {700, 35}, {750, 55}, {850, 100}},
     215},
};

} // namespace qv::test
