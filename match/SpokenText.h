#pragma once

#include "match/Picture.h"

#include <string>
#include <string_view>

namespace qv {

class MainView;

/// What a screen reader says about the main window, in the game's Portuguese.
namespace spoken {

/// "Bloco 5, fechado".
std::string closedBlock(int position);
/// "Bloco 5, aberto: cachorro".
std::string openBlock(int position, Picture figure);
/// A label of the score board as a person hears it: "Pontos: 300", "Tempo
/// restante: 2:59", "1º jogador: Ana". Empty for any other control.
std::string scoreLabel(const MainView& view, std::string_view name);

} // namespace spoken

} // namespace qv
