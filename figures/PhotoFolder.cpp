#include "figures/PhotoFolder.h"

#include "platform/FileNoCase.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv::photo_folder {
namespace {

namespace fs = std::filesystem;

std::string photoName(int number) {
    return "foto" + std::to_string(number) + ".jpg";
}

// Closes on every way out.
struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0)
            ::close(fd);
    }
};

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool copyBytes(int from, int to) {
    std::array<char, 1 << 16> buffer;
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!writeAll(to, buffer.data(), static_cast<std::size_t>(n)))
            return false;
    }
}

} // namespace

std::vector<int> presentNumbers(const fs::path& folder) {
    std::array<bool, kLimit + 1> present{};
    std::error_code error;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        const std::string name = it->path().filename().native();
        for (int n = 1; n <= kLimit; ++n) {
            if (sameNameNoCase(name, photoName(n)))
                present[static_cast<std::size_t>(n)] = true;
        }
    }
    std::vector<int> numbers;
    for (int n = 1; n <= kLimit; ++n) {
        if (present[static_cast<std::size_t>(n)])
            numbers.push_back(n);
    }
    return numbers;
}

std::optional<int> firstFreeNumber(const fs::path& folder) {
    const std::vector<int> present = presentNumbers(folder);
    for (int n = 1; n <= kLimit; ++n) {
        if (std::find(present.begin(), present.end(), n) == present.end())
            return n;
    }
    return std::nullopt;
}

std::string readyEntry(int number) {
    return "Foto" + std::to_string(number) + ".Jpg";
}

bool copyIn(const fs::path& source, const fs::path& folder, int number) {
    Fd from{::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    struct stat info {};
    if (from.fd < 0 || ::fstat(from.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;

    const fs::path target = folder / ("foto" + std::to_string(number) + ".Jpg");
    std::string temporary = (folder / ("." + target.filename().native() + ".XXXXXX")).native();
    Fd to{::mkstemp(temporary.data())};
    if (to.fd < 0)
        return false;
    bool written = ::fchmod(to.fd, 0644) == 0 && copyBytes(from.fd, to.fd) && ::fsync(to.fd) == 0;
    written = ::close(std::exchange(to.fd, -1)) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The new name itself reaches the disk with the folder.
    Fd dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0)
        ::fsync(dir.fd);
    return true;
}

bool remove(const fs::path& folder, const std::string& entry) {
    const std::optional<fs::path> file = findPathNoCase(folder, entry);
    if (!file)
        return true;
    std::error_code error;
    fs::remove(*file, error);
    return !error;
}

std::string sizeText(std::uintmax_t bytes) {
    std::uintmax_t kilobytes = bytes / 1024;
    const std::uintmax_t rest = bytes % 1024;
    if (rest > 512 || (rest == 512 && kilobytes % 2 == 1))
        ++kilobytes;
    return std::to_string(kilobytes) + "Kb";
}

} // namespace qv::photo_folder
