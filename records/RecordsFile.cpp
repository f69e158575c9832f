#include "records/RecordsFile.h"

#include <array>
#include <climits>

namespace qv::records {

namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

/// The character starting at `pos` and its length in bytes; a byte that starts no
/// valid character (a stray continuation, an overlong form, a surrogate, a cut
/// sequence) is one invalid character of one byte.
std::pair<char32_t, std::size_t> nextCharacter(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(text[pos + k]);
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        least = 0x10000;
    } else {
        return {kInvalid, 1};
    }
    if (pos + length > text.size())
        return {kInvalid, 1};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return {kInvalid, 1};
        value = (value << 6) | (byte(k) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return {kInvalid, 1};
    return {value, length};
}

void appendUtf8(std::string& out, char32_t value) {
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

/// The characters of the bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char toCodePage(char32_t value) {
    if (value < 0x80 || (value >= 0xA0 && value <= 0xFF))
        return static_cast<char>(value);
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] != 0 && kHighControls[k] == value)
            return static_cast<char>(0x80 + k);
    }
    return '?';
}

std::string_view fieldAt(std::string_view entry, std::size_t index) {
    return entry.substr(index * kFieldSize, kFieldSize);
}

} // namespace

std::string firstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < utf8.size(); ++n)
        pos += nextCharacter(utf8, pos).second;
    return std::string(utf8.substr(0, pos));
}

std::string toWindows1252(std::string_view utf8) {
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto [value, length] = nextCharacter(utf8, pos);
        out += value == kInvalid ? '?' : toCodePage(value);
        pos += length;
    }
    return out;
}

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char32_t value = byte;
        if (byte >= 0x80 && byte < 0xA0)
            value = kHighControls[byte - 0x80] != 0 ? kHighControls[byte - 0x80] : 0xFFFD;
        appendUtf8(out, value);
    }
    return out;
}

std::optional<int> strictInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

std::string encodeField(std::string_view utf8, std::size_t room) {
    const std::string bytes = toWindows1252(firstCharacters(utf8, room));
    std::string field(1 + room, '\0');
    field[0] = static_cast<char>(bytes.size());
    field.replace(1, bytes.size(), bytes);
    return field;
}

std::optional<std::string> decodeField(std::string_view field, std::size_t room) {
    if (field.size() != 1 + room)
        return std::nullopt;
    const auto length = static_cast<unsigned char>(field[0]);
    if (length > room)
        return std::nullopt;
    return fromWindows1252(field.substr(1, length));
}

std::string encodeEntry(const RecordEntry& entry) {
    return encodeField(entry.name) + encodeField(entry.points) + encodeField(entry.time) +
           encodeField(entry.category) + encodeField(entry.seconds);
}

std::string encodeEntry(const ComputerRecordEntry& entry) {
    return encodeField(entry.name) + encodeField(entry.points) + encodeField(entry.computerPoints) +
           encodeField(entry.category);
}

std::optional<RecordEntry> decodeRecordEntry(std::string_view bytes) {
    if (bytes.size() != kRecordEntrySize)
        return std::nullopt;
    auto name = decodeField(fieldAt(bytes, 0));
    auto points = decodeField(fieldAt(bytes, 1));
    auto time = decodeField(fieldAt(bytes, 2));
    auto category = decodeField(fieldAt(bytes, 3));
    auto seconds = decodeField(fieldAt(bytes, 4));
    if (!name || !points || !time || !category || !seconds)
        return std::nullopt;
    return RecordEntry{*name, *points, *time, *category, *seconds};
}

std::optional<ComputerRecordEntry> decodeComputerEntry(std::string_view bytes) {
    if (bytes.size() != kComputerEntrySize)
        return std::nullopt;
    auto name = decodeField(fieldAt(bytes, 0));
    auto points = decodeField(fieldAt(bytes, 1));
    auto computerPoints = decodeField(fieldAt(bytes, 2));
    auto category = decodeField(fieldAt(bytes, 3));
    if (!name || !points || !computerPoints || !category)
        return std::nullopt;
    return ComputerRecordEntry{*name, *points, *computerPoints, *category};
}

std::string defaultRecordsFile() {
    std::string content;
    for (std::size_t k = 0; k < 5; ++k)
        content += encodeEntry(RecordEntry{"Sem Record", "0000", "00:00", "--", "0"});
    // 180 s is the longest time limit, so the first finished match enters this table.
    for (std::size_t k = 5; k < kEntryCount; ++k)
        content += encodeEntry(RecordEntry{"Sem Recordet", "0000", "00:00", "--", "180"});
    return content;
}

std::string defaultComputerRecordsFile() {
    std::string content;
    for (std::size_t k = 0; k < kEntryCount; ++k)
        content += encodeEntry(ComputerRecordEntry{"Sem Record", "0000", "0000", "--"});
    return content;
}

std::filesystem::path temporaryFileFor(const std::filesystem::path& file) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    return temporary;
}

bool replaceFile(FileLayer& files, const std::filesystem::path& file, std::string_view content,
                 bool mustExist) {
    // A record routine never brings back a file the player deleted; only loading
    // creates one.
    if (mustExist && !files.exists(file))
        return false;
    const std::filesystem::path temporary = temporaryFileFor(file);
    const FileLayer::Handle handle = files.create(temporary);
    if (handle == FileLayer::kNoHandle) {
        files.remove(temporary);
        return false;
    }
    bool written = files.write(handle, content) && files.sync(handle);
    written = files.close(handle) && written;
    if (!written || !files.rename(temporary, file)) {
        files.remove(temporary);
        return false;
    }
    // The new content is in place either way; this only carries the rename
    // through a power cut.
    files.syncFolder(file.parent_path());
    return true;
}

} // namespace qv::records
