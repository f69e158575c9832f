#include "figures/PhotoManagerWindow.h"

#include "figures/FoundFilesModel.h"
#include "figures/PortugueseFolderTexts.h"
#include "match/Deal.h"
#include "widgets/DesignLook.h"
#include "widgets/FrameBox.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureStore.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTextDocument>
#include <QTreeView>

namespace qv {

namespace {

const QColor kDesktop(0, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kLime(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kHighlightBlue(0, 0, 128);
const QColor kGreen(0, 128, 0);

const char* const kInstructions =
    "1. Escolha uma figura no \n   quadro azul  na  Lista \n   de Figuras que você \n   encontrou "
    "na pasta \n  desejada ou ao usar o \n  Listagem Automática. \n2 Após visualizar, você \n   "
    "poderá copiá-la para \n  sua Lista de Figuras \n  Personalizada, bastanto \n  para isso, "
    "clicar no \n  botão Copiar>>.";

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QLabel* label(QWidget* parent, const QString& caption, QRect bounds,
              const QColor& textColour = kWhite, bool bold = false) {
    auto* made = new QLabel(caption, parent);
    made->setGeometry(bounds);
    made->setFont(designFont(8, bold));
    made->setWordWrap(true);
    setPaletteColour(made, QPalette::WindowText, textColour);
    return made;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setGeometry(bounds);
    made->setFont(designFont(8));
    made->setAutoDefault(false);
    return made;
}

template <class List>
List* list(QWidget* parent, const char* name, QRect bounds, const QColor& background) {
    auto* made = new List(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setGeometry(bounds);
    made->setFont(designFont(8));
    made->setUniformItemSizes(true);
    setPaletteColour(made, QPalette::Base, background);
    setPaletteColour(made, QPalette::Text, kWhite);
    return made;
}

// The list's highlighted entry, -1 when none is: the current row alone (after Tab,
// or a Ctrl+click that took the highlight away) chooses nothing.
int selectedRow(const QAbstractItemView* widget) {
    const QModelIndexList chosen = widget->selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? -1 : chosen.front().row();
}

std::filesystem::path pathOf(const QString& folder) {
    const QByteArray bytes = QFile::encodeName(folder);
    return std::filesystem::path(
        std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

PhotoManagerWindow::PhotoManagerWindow(const Ports& ports, SoundCues& sound, Deal& deal,
                                       QWidget* owner)
    : QDialog(owner),
      m_manager(std::make_unique<PhotoManager>(ports, sound, [&deal] { deal.preloadPhotos(); })) {
    setObjectName(QStringLiteral("photoManagerWindow"));
    setWindowTitle(QStringLiteral("Personalizador de Figuras..."));
    setFixedSize(557, 419);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setPaletteColour(this, QPalette::Window, kDesktop);
    setAutoFillBackground(true);

    buildLeftColumn();
    buildMiddleColumn();
    buildRightColumn();
    // A screen reader hears each list by what it holds, the tree in Portuguese.
    new PortugueseFolderTexts(this);
    driveBox->setAccessibleName(QStringLiteral("Drive"));
    folderTree->setAccessibleName(QStringLiteral("Pastas"));
    fileList->setAccessibleName(QStringLiteral("Figuras da pasta"));
    readyList->setAccessibleName(QStringLiteral("Figuras prontas para uso"));
    findChild<QWidget*>(QStringLiteral("howToUse"))->setAccessibleName(QStringLiteral("Como usar"));
    setTabOrder(driveBox, folderTree);
    setTabOrder(folderTree, searchButton);
    setTabOrder(searchButton, fileList);
    setTabOrder(fileList, stopButton);
    setTabOrder(stopButton, copyButton);
    setTabOrder(copyButton, deleteCopyButton);
    setTabOrder(deleteCopyButton, readyList);

    m_manager->setRender([this] { render(); });
    fillDrives();
    // Opens where people keep their pictures.
    QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (start.isEmpty() || !QDir(start).exists())
        start = QDir::homePath();
    m_manager->open(pathOf(driveBox->currentData().toString()), pathOf(start));
    showFolder(start);
    render();
}

PhotoManagerWindow::~PhotoManagerWindow() = default;

void PhotoManagerWindow::buildLeftColumn() {
    label(this, QStringLiteral("Escolha o Drive..."), {8, 6, 172, 16});
    driveBox = new QComboBox(this);
    driveBox->setObjectName(QStringLiteral("driveBox"));
    driveBox->setGeometry(8, 22, 172, 22);
    driveBox->setFont(designFont(8));
    label(this, QStringLiteral("Dê 2 clicks na pasta que possui suas figuras..."),
          {8, 48, 172, 28});

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    folderTree = new QTreeView(this);
    folderTree->setObjectName(QStringLiteral("folderTree"));
    folderTree->setGeometry(8, 78, 172, 150);
    folderTree->setFont(designFont(8));
    folderTree->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        folderTree->hideColumn(column);
    folderTree->header()->hide();
    connect(folderTree, &QTreeView::activated, this, &PhotoManagerWindow::onFolderActivated);
    connect(driveBox, &QComboBox::activated, this, [this] { onDriveChosen(); });

    searchButton =
        button(this, "searchButton", QStringLiteral("Listagem automática..."), {8, 234, 172, 25});
    searchButton->setToolTip(
        QStringLiteral("Faz uma busca automática por figuras até o 4º nível da "
                       "unidade ou Drive escolhido. "));
    connect(searchButton, &QPushButton::clicked, this, [this] { onSearch(); });

    auto* box = new QGroupBox(QStringLiteral("Como usar..."), this);
    box->setGeometry(8, 264, 172, 151);
    box->setFont(designFont(8));
    setPaletteColour(box, QPalette::WindowText, kWhite);
    auto* memo = new QPlainTextEdit(QString::fromUtf8(kInstructions), box);
    memo->setObjectName(QStringLiteral("howToUse"));
    memo->setGeometry(6, 15, 160, 133);
    memo->document()->setDocumentMargin(1);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFont(designPixelFont(9));
    setPaletteColour(memo, QPalette::Base, Qt::black);
    setPaletteColour(memo, QPalette::Text, kLime);
}

void PhotoManagerWindow::buildMiddleColumn() {
    label(this, QStringLiteral("Clique na figura desejada..."), {190, 6, 180, 16});
    fileList = list<QListView>(this, "fileList", {190, 22, 180, 282}, kHighlightBlue);
    fileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_found = new FoundFilesModel(m_manager->view.fileList, fileList);
    fileList->setModel(m_found);
    // The preview follows the highlighted entry however it was chosen (click, arrow
    // keys), once per change, so a damaged file is told once per choice.
    connect(fileList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_manager->chooseFound(selectedRow(fileList));
        render();
    });

    noJpegPanel = new QLabel(
        QStringLiteral("Esta pasta não possui figuras no Formato JPG, abra outra!"), this);
    noJpegPanel->setObjectName(QStringLiteral("noJpegPanel"));
    noJpegPanel->setGeometry(198, 100, 164, 64);
    noJpegPanel->setFont(designFont(9, true));
    noJpegPanel->setWordWrap(true);
    noJpegPanel->setAlignment(Qt::AlignCenter);
    noJpegPanel->setAutoFillBackground(true);
    setPaletteColour(noJpegPanel, QPalette::Window, kRed);

    m_searchStatusPanel = new QWidget(this);
    m_searchStatusPanel->setObjectName(QStringLiteral("searchStatusPanel"));
    m_searchStatusPanel->setGeometry(198, 176, 164, 30);
    m_searchStatusPanel->setAutoFillBackground(true);
    setPaletteColour(m_searchStatusPanel, QPalette::Window, Qt::black);
    searchStatusLabel = label(m_searchStatusPanel, {}, {4, 4, 156, 22}, kYellow, true);
    searchStatusLabel->setObjectName(QStringLiteral("searchStatusLabel"));
    searchStatusLabel->setAlignment(Qt::AlignCenter);

    label(this, QStringLiteral("Total...:"), {190, 310, 50, 16});
    foundCountLabel = label(this, {}, {240, 310, 50, 16}, kYellow, true);
    foundCountLabel->setObjectName(QStringLiteral("foundCountLabel"));
    stopButton = button(this, "stopButton", QStringLiteral("&stopButton"), {300, 306, 70, 24});
    connect(stopButton, &QPushButton::clicked, this, [this] {
        m_manager->stopSearch();
        render();
    });
    copyButton = button(this, "copyButton", QStringLiteral("&Copiar >>"), {190, 340, 180, 30});
    connect(copyButton, &QPushButton::clicked, this, [this] {
        m_manager->copyPhoto(selectedRow(fileList));
        render();
    });
    deleteCopyButton =
        button(this, "deleteCopyButton", QStringLiteral("&Excluir Cópia"), {190, 376, 180, 30});
    connect(deleteCopyButton, &QPushButton::clicked, this, [this] {
        m_manager->deleteCopy(selectedRow(readyList));
        render();
    });
}

void PhotoManagerWindow::buildRightColumn() {
    label(this, QStringLiteral("Visualização"), {378, 6, 145, 16});
    (new FrameBox(this, false))
        ->setGeometry(376, 20, PhotoManager::kPreviewWidth + 4, PhotoManager::kPreviewHeight + 4);
    m_preview = new PictureBox(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setGeometry(378, 22, PhotoManager::kPreviewWidth, PhotoManager::kPreviewHeight);
    label(this, QStringLiteral("Espaço em Disco:"), {378, 190, 90, 16});
    previewSizeLabel = label(this, {}, {470, 190, 80, 16}, kYellow, true);
    previewSizeLabel->setObjectName(QStringLiteral("previewSizeLabel"));

    label(this, QStringLiteral("Lista de figuras prontas para uso:"), {378, 210, 172, 16});
    readyList = list<QListWidget>(this, "readyList", {378, 228, 90, 112}, kGreen);
    connect(readyList, &QListWidget::itemSelectionChanged, this, [this] {
        m_manager->chooseReady(selectedRow(readyList));
        render();
    });
    label(this, QStringLiteral("Visualização"), {476, 228, 72, 14});
    (new FrameBox(this, false))
        ->setGeometry(474, 242, PhotoManager::kSmallPreview + 4, PhotoManager::kSmallPreview + 4);
    m_readyPreview = new PictureBox(this);
    m_readyPreview->setObjectName(QStringLiteral("readyPreview"));
    m_readyPreview->setGeometry(476, 244, PhotoManager::kSmallPreview, PhotoManager::kSmallPreview);
    readySizeLabel = label(this, {}, {476, 320, 72, 16}, kYellow, true);
    readySizeLabel->setObjectName(QStringLiteral("readySizeLabel"));

    label(this, QStringLiteral("Lembre-se, você precisa de 12 figuras"), {378, 346, 172, 30},
          kYellow, true);
    label(this, QStringLiteral("Total....:"), {378, 392, 50, 16});
    readyCountLabel = label(this, {}, {430, 392, 24, 16}, kYellow, true);
    readyCountLabel->setObjectName(QStringLiteral("readyCountLabel"));
    label(this, QStringLiteral("Figuras copiadas"), {456, 392, 96, 16});
}

void PhotoManagerWindow::fillDrives() {
    driveBox->addItem(QStringLiteral("Sistema (/)"), QStringLiteral("/"));
    driveBox->addItem(QStringLiteral("Pasta pessoal (%1)").arg(QDir::homePath()), QDir::homePath());
    // Removable and external volumes are mounted under these folders.
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool external = root.startsWith(QLatin1String("/media/")) ||
                              root.startsWith(QLatin1String("/run/media/")) ||
                              root.startsWith(QLatin1String("/mnt/"));
        if (!volume.isValid() || !volume.isReady() || !external)
            continue;
        const QString name = volume.displayName().isEmpty() ? root : volume.displayName();
        driveBox->addItem(QStringLiteral("%1 (%2)").arg(name, root), root);
    }
    driveBox->setCurrentIndex(1);
}

void PhotoManagerWindow::showFolder(const QString& folder) {
    const QString drive = driveBox->currentData().toString();
    m_folders->setRootPath(drive);
    folderTree->setRootIndex(m_folders->index(drive));
    const QModelIndex at = m_folders->index(folder);
    folderTree->setCurrentIndex(at);
    folderTree->scrollTo(at);
}

void PhotoManagerWindow::onDriveChosen() {
    const QString drive = driveBox->currentData().toString();
    m_manager->chooseDrive(pathOf(drive));
    showFolder(drive);
    render();
}

void PhotoManagerWindow::onFolderActivated(const QModelIndex& index) {
    m_manager->openFolder(pathOf(m_folders->filePath(index)));
    render();
}

void PhotoManagerWindow::onSearch() {
    m_manager->searchDisk();
    render();
    if (m_closeAfterSearch)
        reject();
}

void PhotoManagerWindow::done(int result) {
    // The search runs inside this window's handler: it ends first, then the window.
    if (m_manager->searching()) {
        m_manager->stopSearch();
        m_closeAfterSearch = true;
        return;
    }
    m_manager->close();
    QDialog::done(result);
}

void PhotoManagerWindow::renderFiles() {
    const PhotoManagerView& v = m_manager->view;
    if (v.fileListRebuilds != m_shownRebuilds) {
        const QSignalBlocker quiet(fileList->selectionModel()); // emptying chooses nothing
        m_found->reset();
        m_shownRebuilds = v.fileListRebuilds;
    }
    // The search only ever adds: what is new goes in at once, in one insertion.
    m_found->grow(v.fileList.size());
}

void PhotoManagerWindow::renderReady() {
    const std::vector<std::string>& entries = m_manager->view.readyList;
    if (entries == m_shownReady)
        return;
    const QSignalBlocker quiet(readyList); // rebuilding chooses nothing
    readyList->clear();
    for (const std::string& entry : entries)
        readyList->addItem(text(entry));
    m_shownReady = entries;
}

void PhotoManagerWindow::render() {
    const PhotoManagerView& v = m_manager->view;
    renderFiles();
    renderReady();
    // A file name is text, never markup: "<b>x.jpg" shows as it is written.
    fileList->setToolTip(v.fileListHint.empty() ? QString()
                                                : Qt::convertFromPlainText(text(v.fileListHint),
                                                                           Qt::WhiteSpaceNoWrap));
    foundCountLabel->setText(text(v.foundCount));
    noJpegPanel->setVisible(v.noJpegWarning);
    setPaletteColour(noJpegPanel, QPalette::WindowText, v.warningYellow ? kYellow : Qt::black);
    m_searchStatusPanel->setVisible(v.searchStatusShown);
    searchStatusLabel->setText(text(v.searchStatus));
    searchStatusLabel->setVisible(v.searchStatusLit);
    stopButton->setVisible(v.stopShown);
    previewSizeLabel->setText(text(v.previewSize));
    readySizeLabel->setText(text(v.readySize));
    readyCountLabel->setText(text(v.readyCount));
    if (!(v.preview == m_shownPreview)) {
        m_shownPreview = v.preview;
        m_preview->setPicture(pixmapOf(v.preview));
    }
    if (!(v.readyPreview == m_shownReadyPreview)) {
        m_shownReadyPreview = v.readyPreview;
        m_readyPreview->setPicture(pixmapOf(v.readyPreview));
    }
}

void runPhotoManager(const Ports& ports, SoundCues& sound, Deal& deal, QWidget* owner) {
    QPointer<PhotoManagerWindow> manager = new PhotoManagerWindow(ports, sound, deal, owner);
    manager->exec();
    delete manager;
}

} // namespace qv
