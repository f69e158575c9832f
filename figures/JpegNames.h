#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

/// A JPEG picture by its name: ".jpg" or ".jpeg" in any letter case, as cameras
/// write IMG_0001.JPG.
bool isJpegName(std::string_view name);

/// Whether the search for `initials` lists the JPEG picture `name`: the initials,
/// then anything, then the JPEG ending, as the pattern initials + "*.jpg" reads.
/// Letters are compared without regard to case; "?" stands for any one character.
bool matchesSearch(std::string_view name, std::string_view initials);

/// The first character of the search initials that cannot be part of a file
/// name pattern ("*", a double quote, "\" or the path separator "/"), if any.
std::optional<char> invalidSearchCharacter(std::string_view initials);

/// A file name as a person can read it: UTF-8 names as they are, any other bytes
/// (names written under Latin-1) taken as Latin-1 letters.
std::string readableName(std::string_view bytes);

} // namespace qv
