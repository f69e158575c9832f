#include "sound/SoundConfigFile.h"

#include "records/RecordsFile.h"

namespace qv::soundfile {

namespace {

/// Only plain decimal digits count; signs and spaces make a field malformed.
std::optional<int> digits(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

SoundConfigRecord defaultRecord() {
    return {{"15", "12", "110", "113", "10", "18", "115"}, "P"};
}

std::string encodeRecord(const SoundConfigRecord& record) {
    std::string bytes;
    for (std::size_t e = 0; e < kSoundEventCount; ++e)
        bytes += records::encodeField(record.fields[e], kFieldRoom[e]);
    bytes += records::encodeField(record.device, 1);
    return bytes;
}

std::optional<SoundConfigRecord> decodeRecord(std::string_view bytes) {
    if (bytes.size() < kRecordSize)
        return std::nullopt;
    SoundConfigRecord record;
    std::size_t at = 0;
    for (std::size_t e = 0; e < kSoundEventCount; ++e) {
        auto text = records::decodeField(bytes.substr(at, 1 + kFieldRoom[e]), kFieldRoom[e]);
        if (!text)
            return std::nullopt;
        record.fields[e] = std::move(*text);
        at += 1 + kFieldRoom[e];
    }
    auto device = records::decodeField(bytes.substr(at, 2), 1);
    if (!device)
        return std::nullopt;
    record.device = std::move(*device);
    return record;
}

std::optional<int> nameIndex(const std::string& field, std::size_t room) {
    if (field.size() < 2)
        return std::nullopt;
    const std::size_t length = room == 3 && field.size() >= 3 ? 2 : 1;
    const std::optional<int> index = digits(std::string_view(field).substr(1, length));
    if (!index || *index >= static_cast<int>(kNameCount))
        return std::nullopt;
    return index;
}

std::optional<int> switchDigit(const std::string& field) {
    return digits(std::string_view(field).substr(0, 1));
}

std::string fieldText(bool on, int index, std::size_t room) {
    return (std::string(on ? "1" : "0") + std::to_string(index)).substr(0, room);
}

} // namespace qv::soundfile
