#include "match/ComputerOpponent.h"

#include "match/Game.h"

namespace qv {

void ComputerOpponent::recebe_fig_usu(int position) {
    if (m_game.state.ComputerMoving == 0)
        m_game.state.HumanFirstPos = position;
}

void ComputerOpponent::recebe_fig_usu2(int position) {
    if (m_game.state.ComputerMoving == 0)
        m_game.state.HumanSecondPos = position;
}

} // namespace qv
