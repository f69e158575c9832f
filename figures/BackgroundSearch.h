#pragma once

#include "figures/JpegSearch.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace qv {

/// A search for pictures that walks the disk on a thread of its own, so that a
/// folder whose reading hangs (a network share that stopped answering) never holds
/// the window. The window takes what was found in its own turns and may give up
/// at any time: the walk is then told to stop and left to end on its own.
class BackgroundSearch {
public:
    enum class Outcome { Running, Finished, Stopped, Failed };

    /// Starts `walk` over `root`. Throws std::system_error when no thread can be had.
    BackgroundSearch(const SearchWalk& walk, std::filesystem::path root, std::string initials);
    /// Tells the walk to stop and returns at once, whether or not it has ended.
    ~BackgroundSearch();
    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

    /// Waits at most `milliseconds` for the walk to end; true once it has.
    bool waitForEnd(int milliseconds);
    /// Moves what was found since the last call to the end of `into`.
    void takeFound(std::vector<FoundPicture>& into);
    Outcome outcome() const;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

} // namespace qv
