#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "match/RecordRoutines.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "records/FileLayer.h"
#include "records/RecordsView.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace qv {

/// The two records files of the data folder, the rules by which a match enters
/// them, and the texts of the records window.
class Records final : public RecordRoutines {
public:
    /// Works on the real files. Reads the match's result from `state` and the
    /// computer's points from `mainView`; stops the match clock.
    Records(MatchState& state, const MainView& mainView, MatchTimers& timers, Dialogs& dialogs,
            const Paths& paths);
    /// Works through the given file layer.
    Records(MatchState& state, const MainView& mainView, MatchTimers& timers, Dialogs& dialogs,
            const Paths& paths, FileLayer& files);
    Records(const Records&) = delete;
    Records& operator=(const Records&) = delete;

    RecordsView view;

    /// Loads the records file into the window, creating it with its defaults when
    /// it is missing.
    void loadRecords() override;
    /// The same for the computer records file.
    void loadComputerRecords() override;

    void offerRecord() override;
    void offerWinVersusGifted() override;
    void offerWinVersusIntelligent() override;

    /// The records window's "Zerar": asks, deletes both files, reloads.
    void resetClick();

    std::filesystem::path recordsFile() const;
    std::filesystem::path computerRecordsFile() const;

private:
    void bestScore(int score, int seconds);
    void bestTime(int score, int seconds);
    void againstComputer(int first, const char* message);
    /// Shows the failure of a load, unless the file is as it was when that
    /// failure was last shown.
    void settle(const std::filesystem::path& file, const std::optional<std::string>& failure);

    MatchState& m_state;
    const MainView& m_view;
    MatchTimers& m_timers;
    Dialogs& m_dialogs;
    const Paths& m_paths;
    PosixFileLayer m_posix;
    FileLayer& m_files;
    /// The files whose last load failed, with their state and failure as shown.
    std::map<std::filesystem::path, std::string> m_reportedFailures;
};

} // namespace qv
