// Arbitrary bytes as a player's photo, read from a file as the photo manager and
// the deal read it (EXIF orientation included) at the preview's size: the decoder
// must answer Ok with a picture of exactly that size or Damaged with none, and
// never read or write out of place.

#include "figures/PhotoManager.h"
#include "platform/JpegDecoder.h"
#include "tests/fuzz/Require.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

/// A private folder for the one photo file each input is written to.
class PhotoFile {
public:
    PhotoFile() {
        std::string folder = (fs::temp_directory_path() / "qvjpeg_fuzzer.XXXXXX").string();
        qv::test::require(::mkdtemp(folder.data()) != nullptr, "no temporary folder");
        m_file = fs::path(folder) / "Foto1.jpg";
    }
    ~PhotoFile() {
        std::error_code ignored;
        fs::remove_all(m_file.parent_path(), ignored);
    }
    PhotoFile(const PhotoFile&) = delete;
    PhotoFile& operator=(const PhotoFile&) = delete;

    const fs::path& write(const std::uint8_t* data, std::size_t size) {
        std::ofstream out(m_file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        qv::test::require(out.good(), "the photo file could not be written");
        return m_file;
    }

private:
    fs::path m_file;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static PhotoFile photo;
    const qv::TargetSize target{qv::PhotoManager::kPreviewWidth, qv::PhotoManager::kPreviewHeight};
    const qv::DecodeResult result = qv::decodeJpegFile(photo.write(data, size), target);
    qv::test::requireWholeOrNothing(result);
    qv::test::require(result.status != qv::DecodeStatus::Missing, "a photo that is there missing");
    qv::test::require(!result.ok() || (result.image.width == target.width &&
                                       result.image.height == target.height),
                      "a photo not of the size asked for");
    return 0;
}
