#include "sound/SoundConfig.h"

#include "platform/FileNoCase.h"
#include "records/RecordsFile.h"

#include <algorithm>
#include <sys/stat.h>

namespace qv {

namespace {

const char* const kCreateError =
    "Erro ao criar o arquivo de configuração de SONS\n\nSe persistir contate o Suporte Técnico";
const char* const kReadError =
    "Erro ao ler o arquivo de configuração de SONS\n\nO Sistema vai tentar usar os valores "
    "padrões. Se persistir contate o Suporte Técnico";

/// Bytes after the record are kept when saving, up to this many.
constexpr std::size_t kKeptFileSize = 64 * 1024;

/// What identifies a file's present state: identity, size, change times; or
/// that it cannot be looked at.
std::string fileState(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return "absent";
    return std::to_string(status.st_ino) + ":" + std::to_string(status.st_size) + ":" +
           std::to_string(status.st_mtim.tv_sec) + "." + std::to_string(status.st_mtim.tv_nsec) +
           ":" + std::to_string(status.st_ctim.tv_sec) + "." +
           std::to_string(status.st_ctim.tv_nsec) + ":" + std::to_string(status.st_mode);
}

} // namespace

SoundConfig::SoundConfig(FileLayer& files, Dialogs& dialogs, const Paths& paths)
    : m_files(files), m_dialogs(dialogs), m_paths(paths) {
    fillSoundNames();
}

std::filesystem::path SoundConfig::file() const {
    const std::filesystem::path folder = m_paths.dataFolder();
    // A file written as "confs.sys" on a system that ignores case is the same file.
    return findPathNoCase(folder, soundfile::kFileName).value_or(folder / soundfile::kFileName);
}

void SoundConfig::fillSoundNames() {
    for (std::size_t k = 0; k < soundfile::kNameCount; ++k)
        SoundNameTable[k] = std::string(soundfile::kSoundNames[k]);
}

bool SoundConfig::createIfMissing(SoundSettings& settings) {
    const std::filesystem::path path = file();
    if (m_files.exists(path))
        return true;
    const soundfile::SoundConfigRecord defaults = soundfile::defaultRecord();
    if (!records::replaceFile(m_files, path, soundfile::encodeRecord(defaults), false)) {
        if (firstReport("create|" + fileState(path.parent_path())))
            m_dialogs.showMessage(kCreateError);
        return false;
    }
    apply(defaults, settings);
    return true;
}

void SoundConfig::load(SoundSettings& settings) {
    if (!createIfMissing(settings) && !m_files.exists(file()))
        return; // nothing to read: the creating message has said it all
    const std::filesystem::path path = file();
    const std::optional<std::string> bytes = m_files.read(path, soundfile::kRecordSize);
    const std::optional<soundfile::SoundConfigRecord> record =
        bytes ? soundfile::decodeRecord(*bytes) : std::nullopt;
    if (record && apply(*record, settings)) {
        m_reported.clear();
        return;
    }
    if (firstReport("read|" + fileState(path)))
        m_dialogs.showMessage(kReadError);
    if (m_files.exists(path))
        m_files.remove(path);
    createIfMissing(settings);
}

std::optional<soundfile::SoundConfigRecord> SoundConfig::read() {
    const std::optional<std::string> bytes = m_files.read(file(), soundfile::kRecordSize);
    return bytes ? soundfile::decodeRecord(*bytes) : std::nullopt;
}

bool SoundConfig::save(const soundfile::SoundConfigRecord& record) {
    const std::filesystem::path path = file();
    std::optional<std::string> content = m_files.read(path, kKeptFileSize);
    if (!content)
        return false;
    const std::string bytes = soundfile::encodeRecord(record);
    content->replace(0, std::min(content->size(), bytes.size()), bytes);
    return records::replaceFile(m_files, path, *content, /*mustExist=*/true);
}

bool SoundConfig::apply(const soundfile::SoundConfigRecord& record, SoundSettings& settings) const {
    for (std::size_t e = 0; e < kSoundEventCount; ++e) {
        const std::optional<int> index =
            soundfile::nameIndex(record.fields[e], soundfile::kFieldRoom[e]);
        if (!index)
            return false;
        settings.SoundName[e] = SoundNameTable[static_cast<std::size_t>(*index)];
    }
    for (std::size_t e = 0; e < kSoundEventCount; ++e) {
        const std::optional<int> on = soundfile::switchDigit(record.fields[e]);
        if (!on)
            return false;
        settings.SoundOn[e] = *on;
    }
    settings.SoundDevice = record.device;
    return true;
}

bool SoundConfig::firstReport(const std::string& failure) {
    return m_reported.insert(failure).second;
}

} // namespace qv
