#pragma once

#include "figures/JpegSearch.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace qv::test {

/// A search walk that lists a.jpg and b.jpg in the root, then hangs in a folder
/// read, as on a network share that stopped answering, until it is released (or
/// two seconds have passed, so a search that waits for it fails rather than hangs).
class HangingWalk {
public:
    SearchWalk walk() {
        return [state = m_state](const std::filesystem::path& root, const std::string&,
                                 const SearchFound& found, const SearchPoll& poll) {
            const auto where =
                std::make_shared<const FoundFolder>(FoundFolder{root, root.string()});
            for (const char* name : {"a.jpg", "b.jpg"})
                found({where, name, name});
            std::unique_lock lock(state->mutex);
            state->changed.wait_for(lock, std::chrono::seconds(2), [&] { return state->released; });
            state->ended = true;
            state->changed.notify_all();
            return poll();
        };
    }
    bool ended() const {
        const std::lock_guard lock(m_state->mutex);
        return m_state->ended;
    }
    /// Lets the read return and waits until the walk has ended.
    void release() {
        std::unique_lock lock(m_state->mutex);
        m_state->released = true;
        m_state->changed.notify_all();
        m_state->changed.wait(lock, [&] { return m_state->ended; });
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        bool released = false;
        bool ended = false;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

} // namespace qv::test
