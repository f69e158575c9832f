#include "figures/JpegSearch.h"

#include "figures/JpegNames.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

// Folders of the running system, not of the person's files.
bool isPseudoFileSystem(const fs::path& folder) {
    static constexpr std::array<std::string_view, 4> kPseudo{"/proc", "/sys", "/dev", "/run"};
    return std::find(kPseudo.begin(), kPseudo.end(), folder.native()) != kPseudo.end();
}

enum class Kind { Folder, File, Other };

// Links count as files when they lead to one, and never as folders.
Kind kindOf(int folderFd, const dirent& entry) {
    unsigned char type = entry.d_type;
    struct stat info {};
    if (type == DT_UNKNOWN) {
        if (::fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return Kind::Other;
        type = S_ISDIR(info.st_mode)   ? DT_DIR
               : S_ISLNK(info.st_mode) ? DT_LNK
               : S_ISREG(info.st_mode) ? DT_REG
                                       : DT_UNKNOWN;
    }
    if (type == DT_DIR)
        return Kind::Folder;
    if (type == DT_REG)
        return Kind::File;
    if (type == DT_LNK && ::fstatat(folderFd, entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode))
        return Kind::File;
    return Kind::Other;
}

class Walk {
public:
    Walk(const std::string& initials, const SearchFound& found, const SearchPoll& poll,
         dev_t device)
        : m_initials(initials), m_found(found), m_poll(poll), m_device(device) {}

    // Takes ownership of `fd`. Returns false once stopped.
    bool folder(int fd, const fs::path& path, int level) {
        DIR* dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            return true;
        }
        const bool goOn = entries(dir, path, level);
        ::closedir(dir);
        return goOn;
    }

private:
    bool entries(DIR* dir, const fs::path& path, int level) {
        const int fd = ::dirfd(dir);
        std::vector<std::string> folders;
        std::shared_ptr<const FoundFolder> where;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            const bool candidate = matchesSearch(name, m_initials);
            const Kind kind = candidate || level < kSearchDepth ? kindOf(fd, *entry) : Kind::Other;
            if (kind == Kind::Folder && level < kSearchDepth && name.front() != '.' &&
                !isPseudoFileSystem(path / name))
                folders.emplace_back(name);
            if (candidate && kind == Kind::File) {
                if (!where)
                    where = std::make_shared<const FoundFolder>(
                        FoundFolder{path, readableName(path.native())});
                m_found({where, std::string(name), readableName(name)});
            }
            if (!m_poll())
                return false;
        }
        for (const std::string& name : folders) {
            const int child =
                ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0 && !onSearchedDisk(child)) {
                ::close(child);
            } else if (child >= 0 && !folder(child, path / name, level + 1)) {
                return false;
            }
            if (!m_poll())
                return false;
        }
        return true;
    }

    // Other file systems mounted below the root (network shares, other disks) are
    // not entered: a share that hangs would hold the search in its first read.
    bool onSearchedDisk(int fd) const {
        struct stat info {};
        return ::fstat(fd, &info) == 0 && info.st_dev == m_device;
    }

    const std::string& m_initials;
    const SearchFound& m_found;
    const SearchPoll& m_poll;
    const dev_t m_device;
};

// The device of an open folder, which its walk stays on.
dev_t deviceOf(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? info.st_dev : dev_t{};
}

} // namespace

std::vector<FoundPicture> listJpegFiles(const fs::path& folder) {
    std::vector<FoundPicture> pictures;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return pictures;
    const SearchFound keep = [&](FoundPicture picture) {
        pictures.push_back(std::move(picture));
    };
    const SearchPoll always = [] {
        return true;
    };
    std::string none;
    // Level kSearchDepth: the files of this folder only.
    Walk(none, keep, always, deviceOf(fd)).folder(fd, folder, kSearchDepth);
    std::sort(pictures.begin(), pictures.end(),
              [](const FoundPicture& a, const FoundPicture& b) { return a.name < b.name; });
    return pictures;
}

bool readJpegFolder(const fs::path& folder, const std::string&, const SearchFound& found,
                    const SearchPoll&) {
    for (FoundPicture& picture : listJpegFiles(folder))
        found(std::move(picture));
    return true;
}

bool searchJpegFiles(const fs::path& root, const std::string& initials, const SearchFound& found,
                     const SearchPoll& poll) {
    const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    return Walk(initials, found, poll, deviceOf(fd)).folder(fd, root, 0);
}

} // namespace qv
