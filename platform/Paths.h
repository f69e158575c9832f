#pragma once

#include <filesystem>

namespace qv {

/// Every folder the game reads or writes, handed in so tests never touch the
/// player's files.
class Paths {
public:
    virtual ~Paths() = default;
    /// Per-user folder of the records files and the sound configuration.
    virtual std::filesystem::path dataFolder() const = 0;
    /// Folder of the program's own file; the wave files sit there.
    virtual std::filesystem::path programFolder() const = 0;
    /// Folder of the player's twelve photos.
    virtual std::filesystem::path photoFolder() const { return dataFolder() / "QVanel"; }
};

} // namespace qv
