#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qv {

/// A folder in which pictures were found, shared by all of them: a search lists
/// a hundred thousand pictures and more, each folder is held once.
struct FoundFolder {
    std::filesystem::path path;
    std::string readable;
};

/// A JPEG file found on disk: its real name, opened as it is, and how a person
/// reads its name and folder.
struct FoundPicture {
    std::shared_ptr<const FoundFolder> where;
    std::string fileName; ///< the bytes on disk
    std::string name;     ///< readable

    std::filesystem::path file() const { return where->path / fileName; }
    const std::string& folder() const { return where->readable; }
};

/// The JPEG files directly in `folder`, by name. Nothing (and no error) for a
/// folder that cannot be read.
std::vector<FoundPicture> listJpegFiles(const std::filesystem::path& folder);

/// How far below the root the search looks for pictures.
inline constexpr int kSearchDepth = 4;

/// Called after every entry examined and at every folder; return false to stop.
using SearchPoll = std::function<bool()>;
using SearchFound = std::function<void(FoundPicture)>;
/// A walk over a disk that lists pictures as searchJpegFiles does.
using SearchWalk =
    std::function<bool(const std::filesystem::path& root, const std::string& initials,
                       const SearchFound& found, const SearchPoll& poll)>;

/// A walk over `folder` alone that finds what listJpegFiles lists, in its order;
/// it ignores the initials.
bool readJpegFolder(const std::filesystem::path& folder, const std::string& initials,
                    const SearchFound& found, const SearchPoll& poll);

/// Lists the JPEG files that the search for `initials` matches (see matchesSearch):
/// first in `root`, then depth first in each of its folders down to the fourth
/// level below it, in the order the file system lists them. It stays on the file
/// system of `root`, as `find -xdev` does. Links to folders are never followed,
/// hidden folders (a name beginning with ".") and the system's pseudo file systems
/// (/proc, /sys, /dev, /run) never entered, and folders that cannot be read or
/// vanish are passed over. Returns false when `poll` stopped it.
bool searchJpegFiles(const std::filesystem::path& root, const std::string& initials,
                     const SearchFound& found, const SearchPoll& poll);

} // namespace qv
