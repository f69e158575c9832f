#pragma once

#include "match/Picture.h"

#include <string>

namespace qv {

/// The Portuguese name a person hears for a figure of the board: "cachorro",
/// "estrela", "número 7", or "foto 3" for one of the player's photos. Empty for
/// a holder that is no figure.
std::string figureName(Picture figure);

} // namespace qv
