// Arbitrary bytes as a GIF picture: the decoder must answer Ok with a whole
// picture or Damaged with none, and never read or write out of place.

#include "platform/GifDecoder.h"
#include "tests/fuzz/Require.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::test::requireWholeOrNothing(qv::decodeGif({data, size}));
    return 0;
}
