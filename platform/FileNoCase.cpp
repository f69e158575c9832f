#include "platform/FileNoCase.h"

#include <string>
#include <system_error>
#include <vector>

namespace qv {
namespace {

namespace fs = std::filesystem;

unsigned char foldAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Second byte of a two-byte UTF-8 letter led by 0xC3 (U+00C0..U+00FF): the capitals
// À..Þ, except the multiplication sign, sit 0x20 below their small letters.
unsigned char foldLatin1Tail(unsigned char c) {
    return c >= 0x80 && c <= 0x9E && c != 0x97 ? static_cast<unsigned char>(c + 0x20) : c;
}

// The entry `name` in `folder` if it exists, is a folder when one is needed, and
// passes the case test; the exact spelling is checked first as it costs no listing.
std::optional<fs::path> findEntry(const fs::path& folder, const std::string& name,
                                  bool needFolder) {
    std::error_code error;
    const auto fits = [&](const fs::file_status& status) {
        return needFolder ? fs::is_directory(status) : fs::exists(status);
    };
    fs::path exact = folder / name;
    if (fits(fs::status(exact, error)))
        return exact;

    std::optional<fs::path> best;
    std::string bestName;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::string candidate = it->path().filename().native();
        if (!sameNameNoCase(candidate, name) || (best && candidate >= bestName))
            continue;
        std::error_code statusError;
        if (!fits(it->status(statusError)))
            continue;
        best = it->path();
        bestName = std::move(candidate);
    }
    return best;
}

} // namespace

bool sameNameNoCase(std::string_view a, std::string_view b) {
    // Both foldings keep the byte length, so names of different lengths differ.
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x == y || foldAscii(x) == foldAscii(y))
            continue;
        // 0xC3 only ever leads a sequence, and the bytes before i already matched.
        if (i > 0 && static_cast<unsigned char>(a[i - 1]) == 0xC3 &&
            foldLatin1Tail(x) == foldLatin1Tail(y))
            continue;
        return false;
    }
    return true;
}

std::optional<fs::path> findPathNoCase(const fs::path& base, const fs::path& relative) {
    if (relative.has_root_path())
        return std::nullopt;
    std::vector<std::string> parts;
    for (const fs::path& part : relative) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..")
            return std::nullopt; // stays inside base
        parts.push_back(part.native());
    }
    std::error_code error;
    if (!fs::exists(fs::status(base, error)))
        return std::nullopt;

    fs::path current = base;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        std::optional<fs::path> found = findEntry(current, parts[i], !last);
        if (!found)
            return std::nullopt;
        current = std::move(*found);
    }
    return current;
}

} // namespace qv
