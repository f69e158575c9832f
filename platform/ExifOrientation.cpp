#include "platform/ExifOrientation.h"

#include <libexif/exif-data.h>

namespace qv {

int exifOrientation(std::span<const std::uint8_t> segment) {
    if (segment.empty())
        return 1;
    ExifData* exif = exif_data_new();
    if (!exif)
        return 1;
    // Read as written: no entries made up.
    exif_data_unset_option(exif, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(exif, segment.data(), static_cast<unsigned int>(segment.size()));
    int orientation = 1;
    const ExifEntry* entry = exif_content_get_entry(exif->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (entry && entry->format == EXIF_FORMAT_SHORT && entry->components >= 1 && entry->data &&
        entry->size >= 2) {
        const int value = exif_get_short(entry->data, exif_data_get_byte_order(exif));
        if (value >= 1 && value <= 8)
            orientation = value;
    }
    exif_data_unref(exif);
    return orientation;
}

} // namespace qv
