#pragma once

#include "records/FileLayer.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qv::records {

inline constexpr const char* kRecordsFileName = "qvane.dat";
inline constexpr const char* kComputerRecordsFileName = "qvane2.dat";

/// A text field on disk: one length byte, then a room of 12 Windows-1252 bytes.
inline constexpr std::size_t kFieldRoom = 12;
inline constexpr std::size_t kFieldSize = 1 + kFieldRoom;
inline constexpr std::size_t kEntryCount = 10;
inline constexpr std::size_t kRecordEntrySize = 5 * kFieldSize;   // 65
inline constexpr std::size_t kComputerEntrySize = 4 * kFieldSize; // 52

/// One entry of the records file; texts in UTF-8.
struct RecordEntry {
    std::string name;
    std::string points;
    std::string time;
    std::string category;
    std::string seconds;
    friend bool operator==(const RecordEntry&, const RecordEntry&) = default;
};

/// One entry of the computer records file; texts in UTF-8.
struct ComputerRecordEntry {
    std::string name;
    std::string points;
    std::string computerPoints;
    std::string category;
    friend bool operator==(const ComputerRecordEntry&, const ComputerRecordEntry&) = default;
};

/// The first `count` characters of a UTF-8 text; a byte that starts no valid
/// character counts as one character.
std::string firstCharacters(std::string_view utf8, std::size_t count);
/// UTF-8 to Windows-1252; a character the code page lacks becomes '?'.
std::string toWindows1252(std::string_view utf8);
/// Windows-1252 to UTF-8; the five bytes the code page leaves unassigned become U+FFFD.
std::string fromWindows1252(std::string_view bytes);

/// An integer written as an optional sign and decimal digits, nothing else, within
/// the range of int.
std::optional<int> strictInteger(std::string_view text);

/// A field of 1 + `room` bytes holding the first `room` characters of the text;
/// the room behind the text is zero.
std::string encodeField(std::string_view utf8, std::size_t room = kFieldRoom);
/// The text of a field of 1 + `room` bytes; nothing when its length byte exceeds
/// the room.
std::optional<std::string> decodeField(std::string_view field, std::size_t room = kFieldRoom);

std::string encodeEntry(const RecordEntry& entry);
std::string encodeEntry(const ComputerRecordEntry& entry);
/// Nothing when the bytes are not one whole entry with sound length bytes.
std::optional<RecordEntry> decodeRecordEntry(std::string_view bytes);
std::optional<ComputerRecordEntry> decodeComputerEntry(std::string_view bytes);

/// The ten entries a new records file starts with.
std::string defaultRecordsFile();
/// The ten entries a new computer records file starts with.
std::string defaultComputerRecordsFile();

/// Replaces the whole file by `content` in one step: the content goes to a
/// temporary file of the same folder, is put on the disk and then renamed over the
/// file, so the file holds either its old or its new content, whatever happens.
/// With `mustExist` a missing file is a failure and is not created. Leaves no
/// temporary file behind when a step fails.
bool replaceFile(FileLayer& files, const std::filesystem::path& file, std::string_view content,
                 bool mustExist);
/// Where replaceFile puts the new content before the rename.
std::filesystem::path temporaryFileFor(const std::filesystem::path& file);

} // namespace qv::records
