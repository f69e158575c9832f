#include "match/EndDisplay.h"

#include "match/Game.h"

#include <string>

namespace qv {

void EndDisplay::apagarVenPerd() {
    MainView& view = m_game.view;
    m_game.Timer3.stop();
    view["TROFEU"].picture = {};
    view["lab_venc"].visible = false;
    view["Bevel9"].visible = false;
    for (int n = 1; n <= 10; ++n)
        view["L" + std::to_string(n)].visible = false;
    for (int n = 0; n <= 5; ++n)
        view["LB" + std::to_string(n)].visible = false;
}

} // namespace qv
