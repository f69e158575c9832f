#pragma once

#include "platform/Image.h"

namespace qv {

/// Resamples to exactly width x height: area averaging along a side that shrinks,
/// bilinear along one that grows. An empty source or size gives an empty image.
/// The side that shrinks is done first, so no pass builds more pixels than the
/// larger of the source and the result (a 1 x 65,500 strip brought to a square
/// never becomes a wide tall band).
Image resized(const Image& source, int width, int height);

/// Turns a picture stored as a camera's EXIF orientation (1..8) says into the
/// upright picture; any other value leaves it as it is. Orientations 5 to 8 swap
/// width and height.
Image upright(Image stored, int orientation);

} // namespace qv
