#include "figures/BackgroundSearch.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace qv {

// Owned together by the window's side and the walking thread, so whichever ends
// last frees it.
struct BackgroundSearch::Shared {
    std::mutex mutex;
    std::condition_variable ended;
    std::vector<FoundPicture> found;
    Outcome outcome = Outcome::Running;
    std::atomic<bool> stop{false};
};

BackgroundSearch::BackgroundSearch(const SearchWalk& walk, std::filesystem::path root,
                                   std::string initials)
    : m_shared(std::make_shared<Shared>()) {
    std::thread([shared = m_shared, walk, root = std::move(root), initials = std::move(initials)] {
        Outcome outcome = Outcome::Failed;
        try {
            const bool finished = walk(
                root, initials,
                [&](FoundPicture picture) {
                    const std::lock_guard lock(shared->mutex);
                    shared->found.push_back(std::move(picture));
                },
                [&] { return !shared->stop; });
            outcome = finished ? Outcome::Finished : Outcome::Stopped;
        } catch (...) {
            outcome = Outcome::Failed;
        }
        {
            const std::lock_guard lock(shared->mutex);
            shared->outcome = outcome;
        }
        shared->ended.notify_all();
    }).detach();
}

BackgroundSearch::~BackgroundSearch() {
    m_shared->stop = true;
}

bool BackgroundSearch::waitForEnd(int milliseconds) {
    std::unique_lock lock(m_shared->mutex);
    return m_shared->ended.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                    [this] { return m_shared->outcome != Outcome::Running; });
}

void BackgroundSearch::takeFound(std::vector<FoundPicture>& into) {
    const std::lock_guard lock(m_shared->mutex);
    if (into.empty()) {
        into.swap(m_shared->found);
        return;
    }
    into.insert(into.end(), std::make_move_iterator(m_shared->found.begin()),
                std::make_move_iterator(m_shared->found.end()));
    m_shared->found.clear();
}

BackgroundSearch::Outcome BackgroundSearch::outcome() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->outcome;
}

} // namespace qv
