#pragma once

#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "records/FileLayer.h"
#include "sound/SoundConfigFile.h"
#include "sound/SoundSettings.h"

#include <array>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace qv {

/// The sound settings file "ConfS.Sys" of the data folder: created with the
/// defaults when missing, read into the settings at each activation of the main
/// window, rewritten by the settings dialog.
class SoundConfig {
public:
    SoundConfig(FileLayer& files, Dialogs& dialogs, const Paths& paths);

    std::array<std::string, soundfile::kNameCount> SoundNameTable{};
    /// Fills the table of sound names.
    void fillSoundNames();
    /// Creates the file with the defaults when there is none and puts the
    /// defaults into `settings`; false when it cannot be created.
    bool createIfMissing(SoundSettings& settings);
    /// Reads the file into `settings`; a missing file is created, a malformed one
    /// replaced by the defaults. Each failure is reported once for each state of
    /// the file, so activating the window again does not repeat it.
    void load(SoundSettings& settings);

    /// The record as stored, for the settings dialog; nothing when it cannot be
    /// read whole.
    std::optional<soundfile::SoundConfigRecord> read();
    /// Rewrites the record at the start of the existing file, keeping any bytes
    /// behind it; false (and nothing written) when the file is gone or cannot be
    /// written.
    bool save(const soundfile::SoundConfigRecord& record);
    /// Puts a record into effect field by field, in the file's order, and stops
    /// at the first malformed value, keeping what came before it.
    bool apply(const soundfile::SoundConfigRecord& record, SoundSettings& settings) const;

    std::filesystem::path file() const;

private:
    /// True the first time this failure is met with the file as it is now.
    bool firstReport(const std::string& failure);

    FileLayer& m_files;
    Dialogs& m_dialogs;
    const Paths& m_paths;
    std::set<std::string> m_reported;
};

} // namespace qv
