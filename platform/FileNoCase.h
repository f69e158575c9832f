#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace qv {

/// Finds an existing path under `base` whatever the letter case of each part of
/// `relative`, as the game's folders were written on a system that ignores case
/// (`QVanel/Foto3.jpg` finds `qvanel/foto3.Jpg`). `base` itself must match exactly.
/// Where several entries differ only in case, the exact spelling wins, then the
/// first in byte order. An absolute `relative`, or one with "..", is never looked
/// up. Never throws.
std::optional<std::filesystem::path> findPathNoCase(const std::filesystem::path& base,
                                                    const std::filesystem::path& relative);

/// True when two file names are equal ignoring case: ASCII letters and the Latin-1
/// letters of UTF-8 (Ç and ç, É and é, ...); any other byte must match as it is.
bool sameNameNoCase(std::string_view a, std::string_view b);

} // namespace qv
