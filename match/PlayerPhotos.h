#pragma once

#include "platform/Image.h"
#include "platform/PhotoSet.h"

#include <array>

namespace qv {

/// The player's twelve photos as the board shows them: the loader that decodes
/// and keeps them, and the holders the deal fills. The generation grows with
/// every load, so the window knows to draw them again.
struct PlayerPhotos {
    PhotoSet loader;
    std::array<Image, 13> holders{}; ///< photos 1..12; entry 0 unused
    int generation = 0;
};

} // namespace qv
