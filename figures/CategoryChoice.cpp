#include "figures/CategoryChoice.h"

#include "game/Game.h"

namespace qv {

void chooseCategory(Game& game, const std::string& code) {
    game.sound().optionChosen();
    game.state.FigureCategory = code;
    if (code == category::kPersonaliz)
        game.deal.preloadPhotos();
}

} // namespace qv
