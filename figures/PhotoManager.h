#pragma once

#include "figures/BackgroundSearch.h"
#include "platform/Image.h"
#include "platform/JpegDecoder.h"
#include "platform/Ports.h"
#include "platform/Timer.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qv {

class SoundCues;

/// What the photo manager's window shows, by control.
struct PhotoManagerView {
    std::vector<std::string> fileList;
    /// Counts the times fileList was emptied or replaced; while it stays the same
    /// the list has only grown at its end.
    std::uint64_t fileListRebuilds = 0;
    std::string fileListHint;
    std::string foundCount = "0";
    bool noJpegWarning = false;     ///< the red "no JPEG here" warning
    bool warningYellow = true;      ///< its text blinks yellow and black
    bool searchStatusShown = false; ///< the search status
    std::string searchStatus = "Pesquisando, aguarde...";
    bool searchStatusLit = true;
    bool stopShown = false;
    Image preview; ///< the large preview
    std::string previewSize;
    std::vector<std::string> readyList;
    Image readyPreview; ///< the small preview of a ready picture
    std::string readySize;
    std::string readyCount = "00";
};

/// The rules of the personal figure manager: browsing folders for JPEG pictures,
/// previewing them, the search, and copying pictures into the photo folder and
/// deleting them there. The window feeds it clicks and shows `view`.
class PhotoManager {
public:
    static constexpr int kPreviewWidth = 145;
    static constexpr int kPreviewHeight = 163;
    static constexpr int kSmallPreview = 72;
    static constexpr const char* kDone = "Concluído";

    /// `photosChanged` runs after a copy or a deletion changed the photo folder.
    PhotoManager(const Ports& ports, SoundCues& sound, std::function<void()> photosChanged);
    ~PhotoManager();
    PhotoManager(const PhotoManager&) = delete;
    PhotoManager& operator=(const PhotoManager&) = delete;

    /// Runs after a timer changed the view and before the search lets the window
    /// take input, so the window shows what changed.
    void setRender(std::function<void()> render) { m_render = std::move(render); }
    /// The walk the search runs on its own thread; the disk's own by default.
    void setWalk(SearchWalk walk) { m_walk = std::move(walk); }
    /// The walk that reads one folder for the file list, also on a thread of its
    /// own, so that a folder whose reading hangs never holds the window.
    void setFolderWalk(SearchWalk walk) { m_folderWalk = std::move(walk); }

    PhotoManagerView view;
    /// The list holds a search's finds, each with its folder, not one folder's.
    bool listingSearch = false;
    std::string chosenFolder;
    std::string chosenName;
    bool stopRequested = false;
    /// Status ticks since "Concluído" showed; the status goes at the twelfth.
    int doneTicks = 0;
    /// The phase of whichever blink runs.
    bool blinkLit = false;
    Timer warningBlink;
    Timer searchStatusBlink;

    bool searching() const { return m_searching; }
    /// The folder chosen last is still being read; its list follows when it is.
    bool readingFolder() const { return m_folderRead != nullptr; }
    const std::filesystem::path& drive() const { return m_drive; }
    const std::filesystem::path& folder() const { return m_folder; }

    void open(const std::filesystem::path& drive, const std::filesystem::path& folder);
    void chooseDrive(const std::filesystem::path& root);
    void openFolder(const std::filesystem::path& folder);
    /// `index` is the selected entry of the file list, -1 for none.
    void chooseFound(int index);
    void chooseReady(int index);
    /// Copies the selected entry of the file list.
    void copyPhoto(int index);
    /// Deletes the selected entry of the ready list.
    void deleteCopy(int index);
    void searchDisk();
    void stopSearch();
    void blinkWarning();
    void paceSearchStatus();
    void close();

private:
    void openingScan();
    void showCount();
    void refusedPicture(DecodeStatus status, bool twice);
    /// Runs the search's walk to its end or until it is stopped, taking what it
    /// finds in the window's turns.
    BackgroundSearch::Outcome runSearch(const std::string& initials);
    void takeFound(BackgroundSearch& search);
    void setFiles(std::vector<FoundPicture> files);
    /// Shows what the folder read found (nothing when it could not be read).
    void showFolderRead();
    /// Decodes `file` for a preview box; when it cannot be shown, both are left as
    /// they were.
    DecodeStatus preview(const std::filesystem::path& file, int width, int height, Image& picture,
                         std::string& size);
    bool ensurePhotoFolder();
    void render();

    Ports m_ports;
    SoundCues& m_sound;
    std::function<void()> m_photosChanged;
    std::function<void()> m_render;
    SearchWalk m_walk = searchJpegFiles;
    std::filesystem::path m_drive;
    std::filesystem::path m_folder;
    std::vector<FoundPicture> m_files; // behind view.fileList, entry by entry
    bool m_searching = false;
    SearchWalk m_folderWalk;
    std::unique_ptr<BackgroundSearch> m_folderRead;
    Timer m_folderReadPoll;
};

} // namespace qv
