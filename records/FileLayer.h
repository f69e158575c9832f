#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

/// The few file operations the records files need, one call per step, so a test
/// double can fail or stop at any of them. Every call reports failure by its
/// result; none throws for an I/O error.
class FileLayer {
public:
    using Handle = int;
    static constexpr Handle kNoHandle = -1;

    virtual ~FileLayer() = default;
    /// False only when the file is known to be absent.
    virtual bool exists(const std::filesystem::path& file) = 0;
    /// At most `limit` bytes (a few hundred) from the start of the file; nothing
    /// when it cannot be read.
    virtual std::optional<std::string> read(const std::filesystem::path& file,
                                            std::size_t limit) = 0;
    /// Creates the file, or empties it when it is there, for writing.
    virtual Handle create(const std::filesystem::path& file) = 0;
    /// Writes all bytes or fails.
    virtual bool write(Handle handle, std::string_view bytes) = 0;
    /// Puts the written bytes on the disk.
    virtual bool sync(Handle handle) = 0;
    virtual bool close(Handle handle) = 0;
    /// Replaces `to` by `from` in one step.
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual bool remove(const std::filesystem::path& file) = 0;
    /// Puts a rename in the folder on the disk.
    virtual bool syncFolder(const std::filesystem::path& folder) = 0;
    /// The file as it stands now: where it lies on the disk, its size and change
    /// time, or why it cannot be looked at. Equal answers mean it did not change.
    virtual std::string state(const std::filesystem::path& file) = 0;
};

/// The real files, through POSIX calls.
class PosixFileLayer final : public FileLayer {
public:
    bool exists(const std::filesystem::path& file) override;
    std::optional<std::string> read(const std::filesystem::path& file, std::size_t limit) override;
    Handle create(const std::filesystem::path& file) override;
    bool write(Handle handle, std::string_view bytes) override;
    bool sync(Handle handle) override;
    bool close(Handle handle) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool remove(const std::filesystem::path& file) override;
    bool syncFolder(const std::filesystem::path& folder) override;
    std::string state(const std::filesystem::path& file) override;
};

} // namespace qv
