#include "platform/GifDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include <gif_lib.h>

namespace qv {
namespace {

struct MemoryReader {
    std::span<const std::uint8_t> data;
    std::size_t position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* out, int count) {
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    if (count <= 0)
        return 0;
    const std::size_t available = reader->data.size() - reader->position;
    const std::size_t taken = std::min<std::size_t>(available, static_cast<std::size_t>(count));
    if (taken == 0)
        return 0; // an empty input may have no buffer at all
    std::memcpy(out, reader->data.data() + reader->position, taken);
    reader->position += taken;
    return static_cast<int>(taken);
}

struct CloseGif {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GifHandle = std::unique_ptr<GifFileType, CloseGif>;

DecodeResult damaged() {
    return {DecodeStatus::Damaged, {}};
}

bool skipExtension(GifFileType* gif) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
        return false;
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

/// Reads the rows of the current picture in the order they are stored:
/// interlaced pictures come in four passes.
bool readIndices(GifFileType* gif, int width, int height, std::vector<GifPixelType>& indices) {
    const auto row = [&](int y) {
        return indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    };
    if (!gif->Image.Interlace) {
        for (int y = 0; y < height; ++y) {
            if (DGifGetLine(gif, row(y), width) == GIF_ERROR)
                return false;
        }
        return true;
    }
    constexpr int kStart[] = {0, 4, 2, 1};
    constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = kStart[pass]; y < height; y += kStep[pass]) {
            if (DGifGetLine(gif, row(y), width) == GIF_ERROR)
                return false;
        }
    }
    return true;
}

DecodeResult decodePicture(GifFileType* gif) {
    if (DGifGetImageDesc(gif) == GIF_ERROR)
        return damaged();
    const int width = gif->Image.Width;
    const int height = gif->Image.Height;
    if (width <= 0 || height <= 0 ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxGifPixels)
        return damaged();
    const ColorMapObject* colours = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
    if (colours == nullptr || colours->Colors == nullptr || colours->ColorCount <= 0)
        return damaged();

    std::vector<GifPixelType> indices(static_cast<std::size_t>(width) *
                                      static_cast<std::size_t>(height));
    if (!readIndices(gif, width, height, indices))
        return damaged();

    DecodeResult result{DecodeStatus::Ok, {}};
    Image& image = result.image;
    image.width = width;
    image.height = height;
    image.rgb.resize(indices.size() * 3);
    std::uint8_t* out = image.rgb.data();
    for (GifPixelType index : indices) {
        // An index past the colour table points at nothing: the file is damaged.
        if (index >= colours->ColorCount)
            return damaged();
        const GifColorType& colour = colours->Colors[index];
        *out++ = colour.Red;
        *out++ = colour.Green;
        *out++ = colour.Blue;
    }
    return result;
}

DecodeResult decode(std::span<const std::uint8_t> data) {
    MemoryReader reader{data};
    int error = 0;
    GifHandle gif(DGifOpen(&reader, readFromMemory, &error));
    if (!gif)
        return damaged();
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR)
            return damaged();
        switch (record) {
        case IMAGE_DESC_RECORD_TYPE:
            return decodePicture(gif.get());
        case EXTENSION_RECORD_TYPE:
            if (!skipExtension(gif.get()))
                return damaged();
            break;
        default:
            // The end of the file, or a record that has no place in a GIF: no picture.
            return damaged();
        }
    }
}

} // namespace

DecodeResult decodeGif(std::span<const std::uint8_t> data) {
    try {
        return decode(data);
    } catch (const std::bad_alloc&) {
        return damaged();
    }
}

} // namespace qv
