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
class Game;
class PictureBox;

/// The personal figure manager's window: the drive box and folder tree that choose
/// where to look, the list of JPEG pictures found, their previews, and the photo
/// folder's ready list. The rules live in PhotoManager; this window forwards
/// input to it and shows its view.
class Tform_perso final : public QDialog {
public:
    Tform_perso(Game& game, QWidget* owner);
    ~Tform_perso() override;

    PhotoManager& manager() { return *m_manager; }
    /// Brings every control in line with the manager's view.
    void render();

    QComboBox* ComboDrive = nullptr;
    QTreeView* Diretorio = nullptr;
    QListView* fileList = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Parar = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Lbl_total = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* tamanho = nullptr;
    QLabel* Label4 = nullptr;

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
    void ComboDriveChange();
    void DiretorioChange(const QModelIndex& index);
    void Button1Click();
    void renderFiles();
    void renderReady();

    std::unique_ptr<PhotoManager> m_manager;
    QFileSystemModel* m_folders = nullptr;
    FoundFilesModel* m_found = nullptr;
    QWidget* m_panel4 = nullptr;
    PictureBox* m_image1 = nullptr;
    PictureBox* m_image3 = nullptr;
    std::uint64_t m_shownRebuilds = 0;
    std::vector<std::string> m_shownReady;
    Image m_shownImage1;
    Image m_shownImage3;
    bool m_closeAfterSearch = false;
};

/// Opens the manager modally over the main window.
void runPhotoManager(Game& game, QWidget* owner);

} // namespace qv
