#include "figures/PhotoManager.h"

#include "figures/JpegNames.h"
#include "figures/PhotoFolder.h"
#include "match/SoundCues.h"
#include "platform/FileNoCase.h"
#include "platform/JpegDecoder.h"

#include <exception>
#include <system_error>

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCaption = "Quorvanella 2.0";
constexpr const char* kDamaged =
    "Formato de Figura não reconhecido pelo visualizador ou arquivo Danificado!";
constexpr const char* kTooLarge =
    "Figura grande demais para o visualizador! Use uma cópia menor desta foto.";
// The search hands the window a turn at least this often.
constexpr int kTurnMilliseconds = 20;
// How long opening a folder may hold the window before its list follows later:
// most folders are read by then and show at once, without an empty list first.
constexpr int kFolderWaitMilliseconds = 50;

} // namespace

PhotoManager::PhotoManager(const Ports& ports, SoundCues& sound,
                           std::function<void()> photosChanged)
    : warningBlink(ports.scheduler, "warningBlink"),
      searchStatusBlink(ports.scheduler, "searchStatusBlink"), m_ports(ports), m_sound(sound),
      m_photosChanged(std::move(photosChanged)), m_folderWalk(readJpegFolder),
      m_folderReadPoll(ports.scheduler, "folderReadPoll") {
    warningBlink.setHandler([this] {
        blinkWarning();
        render();
    });
    searchStatusBlink.setHandler([this] {
        paceSearchStatus();
        render();
    });
    m_folderReadPoll.setHandler([this] {
        if (m_folderRead && m_folderRead->waitForEnd(0)) {
            showFolderRead();
            render();
        }
    });
}

PhotoManager::~PhotoManager() = default;

void PhotoManager::render() {
    if (m_render)
        m_render();
}

void PhotoManager::open(const fs::path& drive, const fs::path& folder) {
    m_drive = drive;
    openFolder(folder);
    openingScan();
}

void PhotoManager::openingScan() {
    view.readyList.clear();
    for (int n : photo_folder::presentNumbers(m_ports.paths.photoFolder()))
        view.readyList.push_back(photo_folder::readyEntry(n));
    // Also when the list came out empty (a failed copy after the photos were removed
    // behind the window's back): the count never keeps a number of pictures gone.
    showCount();
    view.foundCount = std::to_string(view.fileList.size());
}

void PhotoManager::showCount() {
    // Never an empty count: no pictures read "00", as when the window opens.
    view.readyCount = view.readyList.empty() ? "00" : std::to_string(view.readyList.size());
}

void PhotoManager::chooseDrive(const fs::path& root) {
    m_drive = root;
    openFolder(root);
}

void PhotoManager::openFolder(const fs::path& folder) {
    stopRequested = true; // a search running now ends at its next step
    m_folder = folder;
    listingSearch = false;
    // Until the folder is read the list is empty and nothing is said of it.
    setFiles({});
    view.foundCount = "0";
    view.noJpegWarning = false;
    warningBlink.stop();
    m_folderReadPoll.stop();
    // A read still hanging in the folder before is left to end on its own.
    m_folderRead.reset();
    try {
        m_folderRead = std::make_unique<BackgroundSearch>(m_folderWalk, folder, std::string());
    } catch (const std::exception&) {
        showFolderRead(); // no thread to read with: shown as a folder without pictures
        return;
    }
    if (m_folderRead->waitForEnd(kFolderWaitMilliseconds))
        showFolderRead();
    else
        m_folderReadPoll.setInterval(kTurnMilliseconds);
}

void PhotoManager::showFolderRead() {
    std::vector<FoundPicture> files;
    if (m_folderRead)
        m_folderRead->takeFound(files);
    m_folderRead.reset();
    m_folderReadPoll.stop();
    setFiles(std::move(files));
    for (const FoundPicture& picture : m_files)
        view.fileList.push_back(picture.name);
    view.foundCount = std::to_string(m_files.size());
    view.noJpegWarning = m_files.empty();
    if (m_files.empty()) {
        warningBlink.setInterval(300);
    } else {
        warningBlink.stop();
    }
}

void PhotoManager::setFiles(std::vector<FoundPicture> files) {
    m_files = std::move(files);
    view.fileList.clear();
    ++view.fileListRebuilds;
}

void PhotoManager::blinkWarning() {
    blinkLit = !blinkLit;
    view.warningYellow = blinkLit;
}

DecodeStatus PhotoManager::preview(const fs::path& file, int width, int height, Image& picture,
                                   std::string& size) {
    const double density = m_ports.screen.devicePixelRatio();
    const TargetSize target{static_cast<int>(width * density + 0.5),
                            static_cast<int>(height * density + 0.5)};
    DecodeResult decoded = decodeJpegFile(file, target);
    std::error_code error;
    const std::uintmax_t bytes = fs::file_size(file, error);
    if (!decoded.ok())
        return decoded.status;
    if (error)
        return DecodeStatus::Damaged;
    picture = std::move(decoded.image);
    size = photo_folder::sizeText(bytes);
    return DecodeStatus::Ok;
}

void PhotoManager::refusedPicture(DecodeStatus status, bool twice) {
    // A sound photo beyond the decoder's budgets is not called damaged.
    const char* text = status == DecodeStatus::TooLarge ? kTooLarge : kDamaged;
    m_ports.dialogs.messageBox(text, kCaption, MessageIcon::Warning, Buttons::Ok);
    if (twice)
        m_ports.dialogs.showMessage(text);
}

void PhotoManager::chooseFound(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_files.size())
        return;
    chosenFolder.clear();
    chosenName.clear();
    const FoundPicture& picture = m_files[static_cast<std::size_t>(index)];
    const fs::path file = picture.file();
    if (listingSearch) {
        chosenFolder = picture.folder();
        chosenName = picture.name;
        view.fileListHint = readableName((picture.where->path / "").native()) + chosenName;
    } else {
        view.fileListHint = readableName(file.native());
    }
    const DecodeStatus status =
        preview(file, kPreviewWidth, kPreviewHeight, view.preview, view.previewSize);
    if (status != DecodeStatus::Ok)
        refusedPicture(status, true);
}

void PhotoManager::chooseReady(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= view.readyList.size())
        return;
    const fs::path folder = m_ports.paths.photoFolder();
    const std::string& entry = view.readyList[static_cast<std::size_t>(index)];
    const fs::path file = findPathNoCase(folder, entry).value_or(folder / entry);
    const DecodeStatus status =
        preview(file, kSmallPreview, kSmallPreview, view.readyPreview, view.readySize);
    if (status != DecodeStatus::Ok)
        refusedPicture(status, false);
}

bool PhotoManager::ensurePhotoFolder() {
    // Made at start; made again if it was removed while the game ran.
    const fs::path folder = m_ports.paths.photoFolder();
    std::error_code error;
    if (!fs::is_directory(folder, error))
        fs::create_directories(folder, error);
    if (fs::is_directory(folder, error))
        return true;
    m_ports.dialogs.showMessage("O Sistema não consegui criar automaticamente a Pasta " +
                                folder.string() +
                                "\nPara inserir figuras personalizada, o programa necessitada "
                                "dessa pasta, então, tente criá-la manualmente");
    return false;
}

void PhotoManager::copyPhoto(int index) {
    if (!ensurePhotoFolder())
        return;
    if (index < 0 || static_cast<std::size_t>(index) >= m_files.size()) {
        m_ports.dialogs.showMessage(
            "Por favor, Clique uma das figuras da Listagem de Figuras acima.");
        return;
    }
    const fs::path folder = m_ports.paths.photoFolder();
    const std::optional<int> number = photo_folder::firstFreeNumber(folder);
    if (!number) {
        m_ports.dialogs.messageBox(
            "Você já possui 12 figuras, que é o limite. Para usar outra, terá que excluir "
            "alguma figura da Lista de Figuras Prontas, para isso, basta clicar em alguma delas "
            "e depois clicar no botão EXCLUIR CÓPIA",
            kCaption, MessageIcon::Information, Buttons::Ok);
        return;
    }
    const bool copied =
        photo_folder::copyIn(m_files[static_cast<std::size_t>(index)].file(), folder, *number);
    openingScan();
    if (!copied) {
        m_ports.dialogs.messageBox("O Sistema não conseguiu copiar a figura para a pasta " +
                                       folder.string() +
                                       "\nVerifique se há espaço em disco e permissão para "
                                       "gravar nessa pasta, ou escolha outra figura.",
                                   kCaption, MessageIcon::Stop, Buttons::Ok);
        return;
    }
    m_sound.optionChosen();
    if (m_photosChanged)
        m_photosChanged();
    m_ports.dialogs.showMessage("Figura copiada com Sucesso");
}

void PhotoManager::deleteCopy(int index) {
    const Answer answer =
        m_ports.dialogs.messageBox("Deseja excluir a figura da lista de suas figuras atuais?",
                                   "Exclusão de Figura", MessageIcon::Stop, Buttons::YesNo);
    if (answer == Answer::Yes) {
        if (index < 0 || static_cast<std::size_t>(index) >= view.readyList.size()) {
            m_ports.dialogs.messageBox("Erro! Selecione a figura a ser Excluída.", kCaption,
                                       MessageIcon::Stop, Buttons::Ok);
            return;
        }
        const fs::path folder = m_ports.paths.photoFolder();
        if (!photo_folder::remove(folder, view.readyList[static_cast<std::size_t>(index)])) {
            m_ports.dialogs.showMessage(
                "O Sistema não consegui excluir automaticamente este arquivo\nA alternativa é "
                "excluí-lo manualmente, para isso, vá até a pasta " +
                folder.string() + " e exclua o arquivo com problemas");
            return;
        }
        view.readyList.erase(view.readyList.begin() + index);
        if (m_photosChanged)
            m_photosChanged();
    }
    showCount();
}

void PhotoManager::searchDisk() {
    if (m_searching)
        return;
    warningBlink.stop();
    view.noJpegWarning = false;
    const std::optional<std::string> answer = m_ports.dialogs.inputQuery(
        "Pesquisa arquivos JPG", "Digite as Iniciais ou deixe em branco para Todos", "");
    if (!answer)
        return;
    const std::string& initials = *answer;
    if (const std::optional<char> invalid = invalidSearchCharacter(initials)) {
        m_ports.dialogs.showMessage(std::string("Caractere Inválido na pessquisa [ ") + *invalid +
                                    " ]");
        return;
    }
    listingSearch = true;
    stopRequested = false;
    view.foundCount = "0";
    setFiles({});
    view.stopShown = true;
    view.searchStatusShown = true;
    view.searchStatus = "Pesquisando, aguarde...";
    view.searchStatusLit = true;
    searchStatusBlink.setInterval(250);

    m_searching = true;
    const BackgroundSearch::Outcome outcome = runSearch(initials);
    m_searching = false;
    if (outcome == BackgroundSearch::Outcome::Failed) {
        // What was found stays; nothing goes on blinking or waits to be stopped.
        stopSearch();
        m_ports.dialogs.messageBox(
            "Falha ao tentar localizar Todoas as Figuras no formato JPG em seu Computador.",
            kCaption, MessageIcon::Stop, Buttons::Ok);
        return;
    }
    if (outcome == BackgroundSearch::Outcome::Stopped) {
        // Stopped by the button, a change of folder or closing: no status is left.
        stopSearch();
        return;
    }
    view.foundCount = std::to_string(m_files.size());
    view.searchStatus = kDone;
    view.stopShown = false;
    doneTicks = 0;
    stopRequested = true;
}

BackgroundSearch::Outcome PhotoManager::runSearch(const std::string& initials) {
    using Outcome = BackgroundSearch::Outcome;
    try {
        BackgroundSearch search(m_walk, m_drive, initials);
        for (;;) {
            const bool ended = search.waitForEnd(kTurnMilliseconds);
            takeFound(search);
            if (ended)
                return stopRequested ? Outcome::Stopped : search.outcome();
            render();
            m_ports.scheduler.waitProcessingEvents(0);
            if (stopRequested)
                return Outcome::Stopped; // the walk is left to end on its own
        }
    } catch (const std::exception&) {
        return Outcome::Failed;
    }
}

void PhotoManager::takeFound(BackgroundSearch& search) {
    const std::size_t before = m_files.size();
    search.takeFound(m_files);
    for (std::size_t i = before; i < m_files.size(); ++i)
        view.fileList.push_back(m_files[i].name + "****" + m_files[i].folder());
    view.foundCount = std::to_string(m_files.size());
}

void PhotoManager::stopSearch() {
    view.stopShown = false;
    searchStatusBlink.stop();
    view.searchStatusShown = false;
    stopRequested = true;
}

void PhotoManager::paceSearchStatus() {
    if (view.searchStatus != kDone) {
        blinkLit = !blinkLit;
        view.searchStatusLit = blinkLit;
        return;
    }
    view.searchStatusLit = true;
    if (++doneTicks >= 12) {
        searchStatusBlink.stop();
        view.searchStatusShown = false;
    }
}

void PhotoManager::close() {
    warningBlink.stop();
    searchStatusBlink.stop();
    m_folderReadPoll.stop();
    m_folderRead.reset();
    stopRequested = true;
}

} // namespace qv
