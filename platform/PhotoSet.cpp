#include "platform/PhotoSet.h"

#include "platform/FileNoCase.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <system_error>
#include <thread>

#include <sys/stat.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

// The latest set plus one older set (the player switching face size or folder and
// back), and never much memory beyond the latest set.
constexpr std::size_t kMaxEntries = 2 * PhotoSet::kCount;
constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

std::size_t bytesOf(const Image& image) {
    return image.rgb.size();
}

// The folder as it exists on disk: its last part is matched whatever its case.
std::optional<fs::path> findFolder(const fs::path& asked) {
    std::error_code error;
    fs::path folder = fs::absolute(asked, error).lexically_normal();
    if (error)
        return std::nullopt;
    if (!folder.has_filename()) // written with a trailing separator
        folder = folder.parent_path();
    if (!folder.has_relative_path()) // the root itself
        return fs::is_directory(folder, error) ? std::optional(folder) : std::nullopt;
    std::optional<fs::path> found = findPathNoCase(folder.parent_path(), folder.filename());
    if (!found || !fs::is_directory(*found, error))
        return std::nullopt;
    return found;
}

std::int64_t nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

} // namespace

struct PhotoSet::Slot {
    DecodeStatus status = DecodeStatus::Ok;
    fs::path path;
    std::shared_ptr<const Image> image;
};

std::string PhotoSet::fileName(int index) {
    return "Foto" + std::to_string(index) + ".jpg";
}

std::size_t PhotoSet::KeyHash::operator()(const Key& key) const {
    std::size_t hash = std::hash<std::string>{}(key.path);
    for (std::uint64_t part :
         {key.device, key.inode, key.size, static_cast<std::uint64_t>(key.modified),
          static_cast<std::uint64_t>(key.changed), static_cast<std::uint64_t>(key.width),
          static_cast<std::uint64_t>(key.height)})
        hash ^=
            std::hash<std::uint64_t>{}(part) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    return hash;
}

PhotoLoad PhotoSet::load(const fs::path& photoFolder, int faceWidth, int faceHeight) {
    PhotoLoad result;
    const std::optional<fs::path> folder = findFolder(photoFolder);
    if (!folder) {
        result.status = DecodeStatus::Missing;
        result.failedIndex = 1;
        result.failedPath = photoFolder / fileName(1);
        return result;
    }

    const TargetSize target{faceWidth, faceHeight};
    std::vector<Slot> slots(kCount);
    std::atomic<int> next{1};
    std::atomic<int> firstFailure{kCount + 1};
    // Workers take the photos in order, so once one fails, none after it is
    // started; all before it are certain to be done.
    const auto work = [&] {
        for (int index = next++; index <= kCount && index < firstFailure; index = next++) {
            Slot& slot = slots[static_cast<std::size_t>(index - 1)];
            loadOne(*folder, index, target, slot);
            if (slot.status != DecodeStatus::Ok) {
                int seen = firstFailure;
                while (index < seen && !firstFailure.compare_exchange_weak(seen, index)) {
                }
            }
        }
    };

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned helpers = std::min<unsigned>(cores, kCount) - 1;
    std::vector<std::thread> threads;
    threads.reserve(helpers);
    for (unsigned i = 0; i < helpers; ++i) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error&) {
            break; // fewer helpers; this thread still does the rest
        }
    }
    work();
    for (std::thread& thread : threads)
        thread.join();

    for (int index = 1; index <= kCount; ++index) {
        Slot& slot = slots[static_cast<std::size_t>(index - 1)];
        if (slot.status != DecodeStatus::Ok) {
            result.status = slot.status;
            result.failedIndex = index;
            result.failedPath = std::move(slot.path);
            break;
        }
        result.photos.push_back(*slot.image);
    }
    return result;
}

void PhotoSet::loadOne(const fs::path& folder, int index, TargetSize target, Slot& slot) {
    try {
        const std::string name = fileName(index);
        std::optional<fs::path> file = findPathNoCase(folder, name);
        if (!file) {
            slot.status = DecodeStatus::Missing;
            slot.path = folder / name;
            return;
        }
        slot.path = *file;

        const auto identity = [&]() -> std::optional<Key> {
            struct stat info {};
            if (::stat(file->c_str(), &info) != 0)
                return std::nullopt;
            return Key{file->native(),
                       static_cast<std::uint64_t>(info.st_dev),
                       static_cast<std::uint64_t>(info.st_ino),
                       static_cast<std::uint64_t>(info.st_size),
                       nanoseconds(info.st_mtim),
                       nanoseconds(info.st_ctim),
                       target.width,
                       target.height};
        };
        const std::optional<Key> before = identity();
        std::promise<Outcome> mine;
        if (before) {
            // One look under one lock: a decode that ends meanwhile is either still
            // listed as running or already remembered.
            std::unique_lock lock(m_mutex);
            if (auto image = cachedLocked(*before)) {
                slot.image = std::move(image);
                return;
            }
            if (auto running = m_decoding.find(*before); running != m_decoding.end()) {
                Decoded theirs = running->second;
                lock.unlock();
                const Outcome& outcome = theirs.get();
                slot.image = outcome.image;
                slot.status = outcome.status;
                return;
            }
            m_decoding.emplace(*before, mine.get_future().share());
        }
        // Whatever happens below, whoever waits on this decode is answered.
        struct Answer {
            PhotoSet& set;
            const std::optional<Key>& key;
            std::promise<Outcome>& promise;
            Outcome outcome;
            ~Answer() {
                if (!key)
                    return;
                promise.set_value(outcome);
                const std::lock_guard lock(set.m_mutex);
                set.m_decoding.erase(*key);
            }
        } answer{*this, before, mine, {}};

        DecodeResult decoded = decodeJpegFile(*file, target);
        {
            const std::lock_guard lock(m_mutex);
            ++m_decodes;
        }
        slot.status = decoded.status;
        answer.outcome.status = decoded.status;
        if (!decoded.ok())
            return;
        slot.image = std::make_shared<const Image>(std::move(decoded.image));
        answer.outcome.image = slot.image;
        // A file rewritten while it was read is not remembered under either identity.
        if (before && identity() == before)
            remember(*before, slot.image);
    } catch (...) {
        // Out of memory or threads: this photo cannot be shown.
        slot.status = DecodeStatus::Damaged;
        slot.image.reset();
    }
}

std::shared_ptr<const Image> PhotoSet::cachedLocked(const Key& key) {
    const auto found = m_index.find(key);
    if (found == m_index.end())
        return nullptr;
    m_recent.splice(m_recent.begin(), m_recent, found->second);
    ++m_hits;
    return found->second->image;
}

void PhotoSet::remember(const Key& key, std::shared_ptr<const Image> image) {
    const std::lock_guard lock(m_mutex);
    if (m_index.contains(key))
        return; // another load got there first with the same pixels
    m_bytes += bytesOf(*image);
    m_recent.push_front({key, std::move(image)});
    m_index.emplace(key, m_recent.begin());
    // The newest kCount entries are the latest set and always stay.
    while (m_recent.size() > kMaxEntries || (m_recent.size() > kCount && m_bytes > kMaxBytes)) {
        m_bytes -= bytesOf(*m_recent.back().image);
        m_index.erase(m_recent.back().key);
        m_recent.pop_back();
    }
}

PhotoSet::~PhotoSet() {
    {
        const std::lock_guard lock(m_preloadMutex);
        m_closing = true;
        m_request.reset();
    }
    m_preloadChanged.notify_all();
    if (m_preloader.joinable())
        m_preloader.join();
}

void PhotoSet::preload(const fs::path& photoFolder, int faceWidth, int faceHeight) {
    {
        const std::lock_guard lock(m_preloadMutex);
        m_request = Request{photoFolder, faceWidth, faceHeight};
        if (!m_preloader.joinable()) {
            try {
                m_preloader = std::thread([this] { preloadLoop(); });
            } catch (const std::system_error&) {
                m_request.reset(); // no thread: the deal decodes them itself
                return;
            }
        }
    }
    m_preloadChanged.notify_all();
}

void PhotoSet::waitForPreload() {
    std::unique_lock lock(m_preloadMutex);
    m_preloadChanged.wait(lock, [this] { return !m_request && !m_preloading; });
}

void PhotoSet::preloadLoop() {
    std::unique_lock lock(m_preloadMutex);
    for (;;) {
        m_preloadChanged.wait(lock, [this] { return m_closing || m_request; });
        if (m_closing)
            return;
        const Request request = std::move(*m_request);
        m_request.reset();
        m_preloading = true;
        lock.unlock();
        load(request.folder, request.width, request.height);
        lock.lock();
        m_preloading = false;
        m_preloadChanged.notify_all();
    }
}

void PhotoSet::clearCache() {
    const std::lock_guard lock(m_mutex);
    m_index.clear();
    m_recent.clear();
    m_bytes = 0;
}

PhotoCacheStats PhotoSet::stats() const {
    const std::lock_guard lock(m_mutex);
    return {m_decodes, m_hits, m_recent.size(), m_bytes};
}

} // namespace qv
