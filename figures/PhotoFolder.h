#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qv {

/// The photo folder as the photo manager writes it: picture n (1..12) is
/// "foto<n>.jpg" in any letter case; copies are written as "foto<n>.Jpg".
namespace photo_folder {

inline constexpr int kLimit = 12;

/// The numbers of the pictures present, ascending.
std::vector<int> presentNumbers(const std::filesystem::path& folder);

/// The smallest number from 1 to 12 that no picture has.
std::optional<int> firstFreeNumber(const std::filesystem::path& folder);

/// "Foto<n>.Jpg", as the ready list shows picture n.
std::string readyEntry(int number);

/// Copies `source` into the folder as picture `number`, replacing one of that
/// name. The copy is written under a hidden temporary name, flushed to the disk
/// and only then renamed, so a failure (full disk, no permission, vanished
/// source) leaves the folder as it was. False on failure.
bool copyIn(const std::filesystem::path& source, const std::filesystem::path& folder, int number);

/// Deletes the picture the ready list shows as `entry`, found whatever its case.
/// A picture that is already gone counts as deleted.
bool remove(const std::filesystem::path& folder, const std::string& entry);

/// The file size as the manager shows it: kilobytes rounded to the nearest whole
/// number, a half to the even one, and "Kb" behind (1536 bytes: "2Kb").
std::string sizeText(std::uintmax_t bytes);

} // namespace photo_folder
} // namespace qv
