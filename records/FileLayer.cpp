#include "records/FileLayer.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {

bool PosixFileLayer::exists(const std::filesystem::path& file) {
    // Only a file known to be absent is missing: one that merely cannot be looked
    // at now must not be taken for missing and replaced by a new one.
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::optional<std::string> PosixFileLayer::read(const std::filesystem::path& file,
                                                std::size_t limit) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string content(limit, '\0');
    std::size_t filled = 0;
    bool failed = false;
    while (filled < limit) {
        const ssize_t got = ::read(fd, content.data() + filled, limit - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            failed = true;
            break;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    content.resize(filled);
    return content;
}

FileLayer::Handle PosixFileLayer::create(const std::filesystem::path& file) {
    // O_NOFOLLOW: a link planted under the temporary name is not followed.
    int fd = -1;
    do {
        fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? kNoHandle : fd;
}

bool PosixFileLayer::write(Handle handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(handle, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool PosixFileLayer::sync(Handle handle) {
    return ::fsync(handle) == 0;
}

bool PosixFileLayer::close(Handle handle) {
    // On Linux the descriptor is gone even when close reports EINTR; never retry.
    return ::close(handle) == 0 || errno == EINTR;
}

bool PosixFileLayer::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileLayer::remove(const std::filesystem::path& file) {
    return ::unlink(file.c_str()) == 0;
}

bool PosixFileLayer::syncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

std::string PosixFileLayer::state(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0)
        return "unseen, error " + std::to_string(errno);
    return "file " + std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino) + ", " +
           std::to_string(status.st_size) + " bytes, changed " +
           std::to_string(status.st_ctim.tv_sec) + "." + std::to_string(status.st_ctim.tv_nsec);
}

} // namespace qv
