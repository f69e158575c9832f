#pragma once

#include "platform/JpegDecoder.h"

#include <cstdio>
#include <cstdlib>

namespace qv::test {

/// A broken rule stops the run at once, where libFuzzer keeps the input.
inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

/// A decoder answers Ok with a whole picture, or anything else with none.
inline void requireWholeOrNothing(const DecodeResult& result) {
    const Image& image = result.image;
    require(result.ok()
                ? !image.empty() && image.rgb.size() == image.stride() * std::size_t(image.height)
                : image.empty() && image.rgb.empty(),
            "a picture that does not match its status");
}

} // namespace qv::test
