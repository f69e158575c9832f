// Arbitrary bytes as a GIF picture: the decoder must answer Ok with a whole
// picture or Damaged with none, and never read or write out of place.

#include "platform/GifDecoder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const qv::DecodeResult result = qv::decodeGif({data, size});
    const qv::Image& image = result.image;
    const bool whole =
        result.ok()
            ? !image.empty() && image.rgb.size() == image.stride() * std::size_t(image.height)
            : image.empty() && image.rgb.empty();
    if (!whole) {
        std::fprintf(stderr, "broken: a picture that does not match its status\n");
        std::abort();
    }
    return 0;
}
