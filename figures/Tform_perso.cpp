#include "figures/Tform_perso.h"

#include "app/FrameBox.h"
#include "app/PictureBox.h"
#include "app/PictureStore.h"
#include "figures/FoundFilesModel.h"
#include "figures/PortugueseFolderTexts.h"
#include "match/Game.h"

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

QFont sans(int points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

void colour(QWidget* widget, QPalette::ColorRole role, const QColor& value) {
    QPalette palette = widget->palette();
    palette.setColor(role, value);
    widget->setPalette(palette);
}

QLabel* label(QWidget* parent, const QString& caption, QRect bounds,
              const QColor& textColour = kWhite, bool bold = false) {
    auto* made = new QLabel(caption, parent);
    made->setGeometry(bounds);
    made->setFont(sans(8, bold));
    made->setWordWrap(true);
    colour(made, QPalette::WindowText, textColour);
    return made;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setGeometry(bounds);
    made->setFont(sans(8));
    made->setAutoDefault(false);
    return made;
}

template <class List>
List* list(QWidget* parent, const char* name, QRect bounds, const QColor& background) {
    auto* made = new List(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setGeometry(bounds);
    made->setFont(sans(8));
    made->setUniformItemSizes(true);
    colour(made, QPalette::Base, background);
    colour(made, QPalette::Text, kWhite);
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

Tform_perso::Tform_perso(Game& game, QWidget* owner)
    : QDialog(owner), m_manager(std::make_unique<PhotoManager>(
                          game.ports, game.sound(), [&game] { game.deal.preloadPhotos(); })) {
    setObjectName(QStringLiteral("form_perso"));
    setWindowTitle(QStringLiteral("Personalizador de Figuras..."));
    setFixedSize(557, 419);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    colour(this, QPalette::Window, kDesktop);
    setAutoFillBackground(true);

    buildLeftColumn();
    buildMiddleColumn();
    buildRightColumn();
    // A screen reader hears each list by what it holds, the tree in Portuguese.
    new PortugueseFolderTexts(this);
    ComboDrive->setAccessibleName(QStringLiteral("Drive"));
    Diretorio->setAccessibleName(QStringLiteral("Pastas"));
    fileList->setAccessibleName(QStringLiteral("Figuras da pasta"));
    ListBox1->setAccessibleName(QStringLiteral("Figuras prontas para uso"));
    findChild<QWidget*>(QStringLiteral("Memo1"))->setAccessibleName(QStringLiteral("Como usar"));
    setTabOrder(ComboDrive, Diretorio);
    setTabOrder(Diretorio, Button1);
    setTabOrder(Button1, fileList);
    setTabOrder(fileList, Parar);
    setTabOrder(Parar, BitBtn2);
    setTabOrder(BitBtn2, BitBtn1);
    setTabOrder(BitBtn1, ListBox1);

    m_manager->setRender([this] { render(); });
    fillDrives();
    // Opens where people keep their pictures.
    QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (start.isEmpty() || !QDir(start).exists())
        start = QDir::homePath();
    m_manager->FormCreate(pathOf(ComboDrive->currentData().toString()), pathOf(start));
    showFolder(start);
    render();
}

Tform_perso::~Tform_perso() = default;

void Tform_perso::buildLeftColumn() {
    label(this, QStringLiteral("Escolha o Drive..."), {8, 6, 172, 16});
    ComboDrive = new QComboBox(this);
    ComboDrive->setObjectName(QStringLiteral("ComboDrive"));
    ComboDrive->setGeometry(8, 22, 172, 22);
    ComboDrive->setFont(sans(8));
    label(this, QStringLiteral("Dê 2 clicks na pasta que possui suas figuras..."),
          {8, 48, 172, 28});

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    Diretorio = new QTreeView(this);
    Diretorio->setObjectName(QStringLiteral("Diretorio"));
    Diretorio->setGeometry(8, 78, 172, 150);
    Diretorio->setFont(sans(8));
    Diretorio->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        Diretorio->hideColumn(column);
    Diretorio->header()->hide();
    connect(Diretorio, &QTreeView::activated, this, &Tform_perso::DiretorioChange);
    connect(ComboDrive, &QComboBox::activated, this, [this] { ComboDriveChange(); });

    Button1 = button(this, "Button1", QStringLiteral("Listagem automática..."), {8, 234, 172, 25});
    Button1->setToolTip(QStringLiteral("Faz uma busca automática por figuras até o 4º nível da "
                                       "unidade ou Drive escolhido. "));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    auto* box = new QGroupBox(QStringLiteral("Como usar..."), this);
    box->setGeometry(8, 264, 172, 151);
    box->setFont(sans(8));
    colour(box, QPalette::WindowText, kWhite);
    auto* memo = new QPlainTextEdit(QString::fromUtf8(kInstructions), box);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(6, 15, 160, 133);
    memo->document()->setDocumentMargin(1);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont memoFont(QStringLiteral("Liberation Sans"));
    memoFont.setPixelSize(9);
    memo->setFont(memoFont);
    colour(memo, QPalette::Base, Qt::black);
    colour(memo, QPalette::Text, kLime);
}

void Tform_perso::buildMiddleColumn() {
    label(this, QStringLiteral("Clique na figura desejada..."), {190, 6, 180, 16});
    fileList = list<QListView>(this, "fileList", {190, 22, 180, 282}, kHighlightBlue);
    fileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_found = new FoundFilesModel(m_manager->view.fileList, fileList);
    fileList->setModel(m_found);
    // The preview follows the highlighted entry however it was chosen (click, arrow
    // keys), once per change, so a damaged file is told once per choice.
    connect(fileList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_manager->fileListClick(selectedRow(fileList));
        render();
    });

    Panel2 = new QLabel(QStringLiteral("Esta pasta não possui figuras no Formato JPG, abra outra!"),
                        this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(198, 100, 164, 64);
    Panel2->setFont(sans(9, true));
    Panel2->setWordWrap(true);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setAutoFillBackground(true);
    colour(Panel2, QPalette::Window, kRed);

    m_panel4 = new QWidget(this);
    m_panel4->setObjectName(QStringLiteral("Panel4"));
    m_panel4->setGeometry(198, 176, 164, 30);
    m_panel4->setAutoFillBackground(true);
    colour(m_panel4, QPalette::Window, Qt::black);
    Label15 = label(m_panel4, {}, {4, 4, 156, 22}, kYellow, true);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label15->setAlignment(Qt::AlignCenter);

    label(this, QStringLiteral("Total...:"), {190, 310, 50, 16});
    Lbl_total = label(this, {}, {240, 310, 50, 16}, kYellow, true);
    Lbl_total->setObjectName(QStringLiteral("Lbl_total"));
    Parar = button(this, "Parar", QStringLiteral("&Parar"), {300, 306, 70, 24});
    connect(Parar, &QPushButton::clicked, this, [this] {
        m_manager->PararClick();
        render();
    });
    BitBtn2 = button(this, "BitBtn2", QStringLiteral("&Copiar >>"), {190, 340, 180, 30});
    connect(BitBtn2, &QPushButton::clicked, this, [this] {
        m_manager->BitBtn2Click(selectedRow(fileList));
        render();
    });
    BitBtn1 = button(this, "BitBtn1", QStringLiteral("&Excluir Cópia"), {190, 376, 180, 30});
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        m_manager->BitBtn1Click(selectedRow(ListBox1));
        render();
    });
}

void Tform_perso::buildRightColumn() {
    label(this, QStringLiteral("Visualização"), {378, 6, 145, 16});
    (new FrameBox(this, false))
        ->setGeometry(376, 20, PhotoManager::kPreviewWidth + 4, PhotoManager::kPreviewHeight + 4);
    m_image1 = new PictureBox(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(378, 22, PhotoManager::kPreviewWidth, PhotoManager::kPreviewHeight);
    label(this, QStringLiteral("Espaço em Disco:"), {378, 190, 90, 16});
    tamanho = label(this, {}, {470, 190, 80, 16}, kYellow, true);
    tamanho->setObjectName(QStringLiteral("tamanho"));

    label(this, QStringLiteral("Lista de figuras prontas para uso:"), {378, 210, 172, 16});
    ListBox1 = list<QListWidget>(this, "ListBox1", {378, 228, 90, 112}, kGreen);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        m_manager->ListBox1Click(selectedRow(ListBox1));
        render();
    });
    label(this, QStringLiteral("Visualização"), {476, 228, 72, 14});
    (new FrameBox(this, false))
        ->setGeometry(474, 242, PhotoManager::kSmallPreview + 4, PhotoManager::kSmallPreview + 4);
    m_image3 = new PictureBox(this);
    m_image3->setObjectName(QStringLiteral("Image3"));
    m_image3->setGeometry(476, 244, PhotoManager::kSmallPreview, PhotoManager::kSmallPreview);
    Label4 = label(this, {}, {476, 320, 72, 16}, kYellow, true);
    Label4->setObjectName(QStringLiteral("Label4"));

    label(this, QStringLiteral("Lembre-se, você precisa de 12 figuras"), {378, 346, 172, 30},
          kYellow, true);
    label(this, QStringLiteral("Total....:"), {378, 392, 50, 16});
    Label7 = label(this, {}, {430, 392, 24, 16}, kYellow, true);
    Label7->setObjectName(QStringLiteral("Label7"));
    label(this, QStringLiteral("Figuras copiadas"), {456, 392, 96, 16});
}

void Tform_perso::fillDrives() {
    ComboDrive->addItem(QStringLiteral("Sistema (/)"), QStringLiteral("/"));
    ComboDrive->addItem(QStringLiteral("Pasta pessoal (%1)").arg(QDir::homePath()),
                        QDir::homePath());
    // Removable and external volumes are mounted under these folders.
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool external = root.startsWith(QLatin1String("/media/")) ||
                              root.startsWith(QLatin1String("/run/media/")) ||
                              root.startsWith(QLatin1String("/mnt/"));
        if (!volume.isValid() || !volume.isReady() || !external)
            continue;
        const QString name = volume.displayName().isEmpty() ? root : volume.displayName();
        ComboDrive->addItem(QStringLiteral("%1 (%2)").arg(name, root), root);
    }
    ComboDrive->setCurrentIndex(1);
}

void Tform_perso::showFolder(const QString& folder) {
    const QString drive = ComboDrive->currentData().toString();
    m_folders->setRootPath(drive);
    Diretorio->setRootIndex(m_folders->index(drive));
    const QModelIndex at = m_folders->index(folder);
    Diretorio->setCurrentIndex(at);
    Diretorio->scrollTo(at);
}

void Tform_perso::ComboDriveChange() {
    const QString drive = ComboDrive->currentData().toString();
    m_manager->ComboDriveChange(pathOf(drive));
    showFolder(drive);
    render();
}

void Tform_perso::DiretorioChange(const QModelIndex& index) {
    m_manager->DiretorioChange(pathOf(m_folders->filePath(index)));
    render();
}

void Tform_perso::Button1Click() {
    m_manager->Button1Click();
    render();
    if (m_closeAfterSearch)
        reject();
}

void Tform_perso::done(int result) {
    // The search runs inside this window's handler: it ends first, then the window.
    if (m_manager->searching()) {
        m_manager->PararClick();
        m_closeAfterSearch = true;
        return;
    }
    m_manager->FormClose();
    QDialog::done(result);
}

void Tform_perso::renderFiles() {
    const PhotoManagerView& v = m_manager->view;
    if (v.fileListRebuilds != m_shownRebuilds) {
        const QSignalBlocker quiet(fileList->selectionModel()); // emptying chooses nothing
        m_found->reset();
        m_shownRebuilds = v.fileListRebuilds;
    }
    // The search only ever adds: what is new goes in at once, in one insertion.
    m_found->grow(v.fileList.size());
}

void Tform_perso::renderReady() {
    const std::vector<std::string>& entries = m_manager->view.ListBox1;
    if (entries == m_shownReady)
        return;
    const QSignalBlocker quiet(ListBox1); // rebuilding chooses nothing
    ListBox1->clear();
    for (const std::string& entry : entries)
        ListBox1->addItem(text(entry));
    m_shownReady = entries;
}

void Tform_perso::render() {
    const PhotoManagerView& v = m_manager->view;
    renderFiles();
    renderReady();
    // A file name is text, never markup: "<b>x.jpg" shows as it is written.
    fileList->setToolTip(v.fileListHint.empty() ? QString()
                                                : Qt::convertFromPlainText(text(v.fileListHint),
                                                                           Qt::WhiteSpaceNoWrap));
    Lbl_total->setText(text(v.Lbl_total));
    Panel2->setVisible(v.Panel2);
    colour(Panel2, QPalette::WindowText, v.warningYellow ? kYellow : Qt::black);
    m_panel4->setVisible(v.Panel4);
    Label15->setText(text(v.Label15));
    Label15->setVisible(v.Label15Visible);
    Parar->setVisible(v.Parar);
    tamanho->setText(text(v.tamanho));
    Label4->setText(text(v.Label4));
    Label7->setText(text(v.Label7));
    if (!(v.Image1 == m_shownImage1)) {
        m_shownImage1 = v.Image1;
        m_image1->setPicture(pixmapOf(v.Image1));
    }
    if (!(v.Image3 == m_shownImage3)) {
        m_shownImage3 = v.Image3;
        m_image3->setPicture(pixmapOf(v.Image3));
    }
}

void runPhotoManager(Game& game, QWidget* owner) {
    QPointer<Tform_perso> manager = new Tform_perso(game, owner);
    manager->exec();
    delete manager;
}

} // namespace qv
