#pragma once

#include "figures/PhotoManager.h"

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QListWidget;
class QPushButton;
class QTreeView;

namespace qv {

class FoundFilesModel;
class Deal;
class SoundCues;
struct Ports;
class PictureBox;

/// The personal figure manager's window: the drive box and folder tree that choose
/// where to look, the list of JPEG pictures found, their previews, and the photo
/// folder's ready list. The rules live in PhotoManager; this window forwards
/// input to it and shows its view.
class PhotoManagerWindow final : public QDialog {
public:
    /// Photos copied or deleted have `deal` load them again.
    PhotoManagerWindow(const Ports& ports, SoundCues& sound, Deal& deal, QWidget* owner);
    ~PhotoManagerWindow() override;

    PhotoManager& manager() { return *m_manager; }
    /// Brings every control in line with the manager's view.
    void render();

    QComboBox* driveBox = nullptr;
    QTreeView* folderTree = nullptr;
    QListView* fileList = nullptr;
    QListWidget* readyList = nullptr;
    QPushButton* searchButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* deleteCopyButton = nullptr;
    QLabel* noJpegPanel = nullptr;
    QLabel* searchStatusLabel = nullptr;
    QLabel* foundCountLabel = nullptr;
    QLabel* readyCountLabel = nullptr;
    QLabel* previewSizeLabel = nullptr;
    QLabel* readySizeLabel = nullptr;

protected:
    /// Every way of closing (the close button, Escape) ends here; a running search
    /// is stopped and the window closes once it has.
    void done(int result) override;

private:
    void buildLeftColumn();
    void buildMiddleColumn();
    void buildRightColumn();
    void fillDrives();
    void showFolder(const QString& folder);
    void onDriveChosen();
    void onFolderActivated(const QModelIndex& index);
    void onSearch();
    void renderFiles();
    void renderReady();

    std::unique_ptr<PhotoManager> m_manager;
    QFileSystemModel* m_folders = nullptr;
    FoundFilesModel* m_found = nullptr;
    QWidget* m_searchStatusPanel = nullptr;
    PictureBox* m_preview = nullptr;
    PictureBox* m_readyPreview = nullptr;
    std::uint64_t m_shownRebuilds = 0;
    std::vector<std::string> m_shownReady;
    Image m_shownPreview;
    Image m_shownReadyPreview;
    bool m_closeAfterSearch = false;
};

/// Opens the manager modally over the main window.
void runPhotoManager(const Ports& ports, SoundCues& sound, Deal& deal, QWidget* owner);

} // namespace qv
