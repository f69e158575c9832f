#pragma once

#include "match/MatchState.h"
#include "match/SoundCues.h"

#include <array>
#include <string>

namespace qv {

class Deal;

/// One figure set of the chooser: the caption above its picture and the code
/// the deal reads.
struct CategoryOption {
    const char* caption;
    const char* code;
};

/// The chooser's five sets, left to right.
inline constexpr std::array<CategoryOption, 5> kCategoryOptions{{
    {"Figuras-1", "Figuras1"},
    {"Figuras-2", "Figuras2"},
    {"Símbolos", "Símbolos"},
    {"Números", "Números"},
    {"Personalizada", "Personaliz"},
}};

/// A click on a set in the chooser: the option sound, the set for the next deal,
/// and for the player's own photos their decoding starts now, so the deal at
/// JOGAR finds them ready.
void chooseCategory(MatchState& state, SoundCues& sound, Deal& deal, const std::string& code);

} // namespace qv
