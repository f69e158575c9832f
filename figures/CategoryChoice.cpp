#include "figures/CategoryChoice.h"

#include "match/Deal.h"

namespace qv {

void chooseCategory(MatchState& state, SoundCues& sound, Deal& deal, const std::string& code) {
    sound.optionChosen();
    state.FigureCategory = code;
    if (code == category::kPersonaliz)
        deal.preloadPhotos();
}

} // namespace qv
