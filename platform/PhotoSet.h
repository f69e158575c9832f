#pragma once

#include "platform/Image.h"
#include "platform/JpegDecoder.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <future>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace qv {

/// Outcome of reading the player's photos. A set is only usable whole, so reading
/// stops meaning anything at the first photo that fails; the ones before it are kept.
struct PhotoLoad {
    /// Foto1, Foto2, ... in order, each exactly the face size; all twelve when ok().
    std::vector<Image> photos;
    /// Of the first photo that failed; Ok when none did.
    DecodeStatus status = DecodeStatus::Ok;
    /// 1..12, or 0 when all twelve loaded.
    int failedIndex = 0;
    /// The file as found when it is damaged; when missing, the folder (as found, or
    /// as asked if it is missing too) and "Foto<n>.jpg".
    std::filesystem::path failedPath;

    bool ok() const { return failedIndex == 0; }
};

struct PhotoCacheStats {
    std::uint64_t decodes = 0; ///< files read and decoded, failed ones included
    std::uint64_t hits = 0;    ///< photos served from the cache
    std::size_t entries = 0;
    std::size_t bytes = 0; ///< pixel bytes held
};

/// The twelve photos of the player's own figure category, decoded in parallel at
/// the size of a block's face. Decoded photos are remembered by file identity and
/// size, so showing the category again costs almost nothing while a changed or
/// replaced file is read anew. A photo that another load is decoding right now is
/// waited for, not decoded twice. Safe to use from several threads.
class PhotoSet {
public:
    static constexpr int kCount = 12;

    PhotoSet() = default;
    /// Waits for a load started in the background to end.
    ~PhotoSet();
    PhotoSet(const PhotoSet&) = delete;
    PhotoSet& operator=(const PhotoSet&) = delete;

    /// "Foto<index>.jpg", the name the game asks for (found whatever its case).
    static std::string fileName(int index);

    /// Reads Foto1.jpg .. Foto12.jpg from `photoFolder`. The folder's last part and
    /// the file names may differ in letter case from what is asked. Each photo comes
    /// back exactly faceWidth x faceHeight (device pixels); a size that is not
    /// positive keeps each photo's own size.
    PhotoLoad load(const std::filesystem::path& photoFolder, int faceWidth, int faceHeight);

    /// Starts the same load on a thread of its own and returns at once, so that a
    /// later load finds the photos ready, or waits only for those still being
    /// decoded. A request made while one runs is taken up when it ends; of several
    /// such requests only the last counts.
    void preload(const std::filesystem::path& photoFolder, int faceWidth, int faceHeight);
    /// Blocks until no background load is running or waiting.
    void waitForPreload();

    void clearCache();
    PhotoCacheStats stats() const;

private:
    struct Key {
        std::string path;
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t modified = 0, changed = 0; // nanoseconds
        int width = 0, height = 0;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    struct Entry {
        Key key;
        std::shared_ptr<const Image> image;
    };
    struct Slot;
    struct Request {
        std::filesystem::path folder;
        int width = 0, height = 0;
    };
    struct Outcome {
        DecodeStatus status = DecodeStatus::Damaged;
        std::shared_ptr<const Image> image; ///< set when the status is Ok
    };
    using Decoded = std::shared_future<Outcome>;

    void loadOne(const std::filesystem::path& folder, int index, TargetSize target, Slot& slot);
    /// The remembered photo, if any; m_mutex must be held.
    std::shared_ptr<const Image> cachedLocked(const Key& key);
    void remember(const Key& key, std::shared_ptr<const Image> image);
    void preloadLoop();

    mutable std::mutex m_mutex;
    std::unordered_map<Key, Decoded, KeyHash> m_decoding; // started, not yet remembered
    std::list<Entry> m_recent;                            // most recently used first
    std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> m_index;
    std::size_t m_bytes = 0;
    std::uint64_t m_decodes = 0;
    std::uint64_t m_hits = 0;

    std::mutex m_preloadMutex;
    std::condition_variable m_preloadChanged;
    std::optional<Request> m_request;
    bool m_preloading = false;
    bool m_closing = false;
    std::thread m_preloader; // started with the first preload
};

} // namespace qv
