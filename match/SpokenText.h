#pragma once

#include "match/MainView.h"
#include "match/Picture.h"

#include <string>

namespace qv {

/// What a screen reader says about the main window, in the game's Portuguese.
namespace spoken {

/// "Bloco 5, fechado".
std::string closedBlock(int position);
/// "Bloco 5, aberto: cachorro".
std::string openBlock(int position, Picture figure);
/// A label of the score board as a person hears it: "Pontos: 300", "Tempo
/// restante: 2:59", "1º jogador: Ana". Empty for any other control.
std::string scoreLabel(const MainView& view, Role label);

} // namespace spoken

} // namespace qv
