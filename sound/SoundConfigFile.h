#pragma once

#include "sound/SoundSettings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv::soundfile {

inline constexpr const char* kFileName = "ConfS.Sys";
inline constexpr std::size_t kRecordSize = 26;
inline constexpr std::size_t kNameCount = 17;

/// The sound names on offer; the settings file stores a name's index here, and
/// the wave file is the name plus ".wav".
inline constexpr std::array<std::string_view, kNameCount> kSoundNames{
    "Som1.click",   "Som2.click",   "Som1.acerto",  "Som2.acerto",  "Som3.acerto",  "Som1.Erro",
    "Som2.Erro",    "Som3.Erro",    "Som1.opcao",   "Som2.Opcao",   "Som1.Vitoria", "Som2.Vitoria",
    "Som3.Vitoria", "Som1.Derrota", "Som2.Derrota", "Som1.termino", "Som2.termino",
};

/// Characters each event's field holds: the switch digit, then one or two
/// digits of the name index. Events in settings order.
inline constexpr std::array<std::size_t, kSoundEventCount> kFieldRoom{2, 2, 3, 3, 2, 2, 3};

/// The one record of the file, as texts: one field per event, in settings order
/// (`erro`, `acerto`, `vitoria`, `derrota`, `click`, `opcao`, `termino`), and
/// the device ("P" or "A").
struct SoundConfigRecord {
    std::array<std::string, kSoundEventCount> fields{};
    std::string device;
    friend bool operator==(const SoundConfigRecord&, const SoundConfigRecord&) = default;
};

/// Every event on, with its first sound of the family, through the sound card.
SoundConfigRecord defaultRecord();
/// The 26 bytes of a record; texts longer than their room are cut to it.
std::string encodeRecord(const SoundConfigRecord& record);
/// The record at the start of `bytes`; nothing when fewer than 26 bytes are
/// there or a length byte exceeds its room. Later bytes are ignored.
std::optional<SoundConfigRecord> decodeRecord(std::string_view bytes);

/// The name index of an event's field: the character after the switch, and for
/// three-character rooms the one after it when the text has it. Nothing unless
/// they are digits naming one of the 17 sounds.
std::optional<int> nameIndex(const std::string& field, std::size_t room);
/// The switch digit at the start of a field; nothing when it is not a digit.
std::optional<int> switchDigit(const std::string& field);
/// A field's text for a switch and an index, cut to the room.
std::string fieldText(bool on, int index, std::size_t room);

} // namespace qv::soundfile
