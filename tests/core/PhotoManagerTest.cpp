#include "figures/PhotoManager.h"
#include "figures/PhotoFolder.h"
#include "platform/JpegDecoder.h"
#include "tests/fakes/HangingWalk.h"
#include "tests/fakes/JpegSamples.h"
#include "tests/fakes/RecordingCues.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <stdexcept>

#include <sys/resource.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

class Manager : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(photos);
        fs::create_directories(pictures);
        picture = encodeJpeg(solidImage(64, 48, {200, 120, 40}));
        ASSERT_TRUE(writeBytes(pictures / "praia.jpg", picture));
        ASSERT_TRUE(writeBytes(pictures / "IMG_0001.JPG", picture));
        ASSERT_TRUE(writeBytes(pictures / "quebrada.jpg", std::vector<std::uint8_t>(700, 1)));
    }
    void havePhotos(std::initializer_list<int> numbers) {
        for (int n : numbers)
            ASSERT_TRUE(writeBytes(photos / ("Foto" + std::to_string(n) + ".jpg"), picture));
    }
    void open() { manager.open(ports.paths.root(), pictures); }
    int entry(const std::string& name) const {
        const auto& list = manager.view.fileList;
        const auto found = std::find(list.begin(), list.end(), name);
        return found == list.end() ? -1 : static_cast<int>(found - list.begin());
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const ShownBox& box : ports.dialogs.shown())
            all.push_back(box.text);
        return all;
    }
    // No file of the photo folder but the pictures themselves.
    std::vector<std::string> photoFiles() const {
        std::vector<std::string> names;
        for (const auto& file : fs::directory_iterator(photos))
            names.push_back(file.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    TestPorts ports;
    RecordingCues sound;
    int changes = 0;
    PhotoManager manager{ports.ports(), sound, [this] {
                             ++changes;
                         }};
    fs::path photos = ports.paths.photoFolder();
    fs::path pictures = ports.paths.root() / "Imagens";
    std::vector<std::uint8_t> picture;
};

TEST_F(Manager, CopyTakesTheSmallestFreeNumberUpToTheLimit) {
    const struct {
        std::vector<int> present;
        int deleted;  // 0: none
        int expected; // 0: the limit message
    } cases[] = {{{1, 2, 4}, 0, 3},
                 {{}, 0, 1},
                 {{2, 3}, 0, 1},
                 {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0, 12},
                 {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 5, 5},
                 {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0, 0}};
    for (const auto& c : cases) {
        fs::remove_all(photos);
        fs::create_directories(photos);
        for (int n : c.present)
            havePhotos({n});
        ports.dialogs.clear();
        open();
        if (c.deleted) {
            ports.dialogs.answer(Answer::Yes);
            manager.deleteCopy(c.deleted - 1);
        }
        manager.copyPhoto(entry("praia.jpg"));
        SCOPED_TRACE("expecting " + std::to_string(c.expected));
        if (c.expected == 0) {
            EXPECT_EQ(ports.dialogs.last().caption, "Quorvanella 2.0");
            EXPECT_EQ(ports.dialogs.last().icon, MessageIcon::Information);
            EXPECT_EQ(
                ports.dialogs.last().text.rfind("Você já possui 12 figuras, que é o limite.", 0),
                0u);
            EXPECT_EQ(manager.view.readyCount, "12");
            continue;
        }
        EXPECT_EQ(ports.dialogs.last().text, "Figura copiada com Sucesso");
        const fs::path copy = photos / ("foto" + std::to_string(c.expected) + ".Jpg");
        ASSERT_TRUE(fs::exists(copy));
        EXPECT_EQ(fs::file_size(copy), picture.size());
        const auto& ready = manager.view.readyList;
        EXPECT_NE(std::find(ready.begin(), ready.end(), photo_folder::readyEntry(c.expected)),
                  ready.end());
        EXPECT_EQ(manager.view.readyCount, std::to_string(ready.size()));
    }
}

TEST_F(Manager, CountReadsDoubleZeroWithoutPicturesAlsoAfterTheLastIsDeleted) {
    open();
    EXPECT_EQ(manager.view.readyCount, "00");
    EXPECT_EQ(manager.view.foundCount, "3");
    manager.copyPhoto(entry("IMG_0001.JPG"));
    EXPECT_EQ(manager.view.readyCount, "1");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sound.count("optionChosen"), 1);

    ports.dialogs.answer(Answer::No);
    manager.deleteCopy(0);
    EXPECT_TRUE(fs::exists(photos / "foto1.Jpg")) << "No keeps it";
    ports.dialogs.answer(Answer::Yes);
    manager.deleteCopy(-1);
    EXPECT_EQ(ports.dialogs.last().text, "Erro! Selecione a figura a ser Excluída.");
    ports.dialogs.answer(Answer::Yes);
    manager.deleteCopy(0);
    const ShownBox& question = ports.dialogs.shown()[ports.dialogs.shown().size() - 1];
    EXPECT_EQ(question.caption, "Exclusão de Figura");
    EXPECT_EQ(question.icon, MessageIcon::Stop);
    EXPECT_FALSE(fs::exists(photos / "foto1.Jpg"));
    EXPECT_TRUE(manager.view.readyList.empty());
    EXPECT_EQ(manager.view.readyCount, "00");
    EXPECT_EQ(changes, 2);
}

TEST_F(Manager, FailedCopyIsReportedAndLeavesNothingBehind) {
    havePhotos({1});
    open();
    EXPECT_EQ(manager.view.readyCount, "1");
    fs::remove(photos / "Foto1.jpg"); // behind the window's back
    const std::string failure = "O Sistema não conseguiu copiar a figura para a pasta " +
                                photos.string() +
                                "\nVerifique se há espaço em disco e permissão para gravar "
                                "nessa pasta, ou escolha outra figura.";
    // A disk that fills up after a few bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit tiny = before;
    tiny.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    manager.copyPhoto(entry("praia.jpg"));
    ::setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(ports.dialogs.last().text, failure);
    EXPECT_EQ(ports.dialogs.last().caption, "Quorvanella 2.0");
    EXPECT_TRUE(photoFiles().empty());
    EXPECT_EQ(manager.view.readyCount, "00") << "the count of a picture that is gone";

    // A source that vanished after it was listed.
    fs::remove(pictures / "praia.jpg");
    manager.copyPhoto(entry("praia.jpg"));
    EXPECT_EQ(ports.dialogs.last().text, failure);
    EXPECT_TRUE(photoFiles().empty());
    EXPECT_EQ(manager.view.readyCount, "00");
    EXPECT_EQ(changes, 0);
    const std::vector<std::string> shown = texts();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "Figura copiada com Sucesso"), 0);
}

// A folder nobody may write into, not even the superuser.
class ReadOnlyPhotoFolder final : public Paths {
public:
    std::filesystem::path dataFolder() const override { return "/proc/self"; }
    std::filesystem::path programFolder() const override { return "/proc/self"; }
    std::filesystem::path photoFolder() const override { return "/proc/self"; }
};

TEST_F(Manager, ReadOnlyFolderRefusesTheCopy) {
    if (!fs::is_directory("/proc/self"))
        GTEST_SKIP() << "no /proc here";
    ReadOnlyPhotoFolder readOnly;
    Ports base = ports.ports();
    Ports withFolder{base.clock, base.scheduler, base.random, base.dialogs, base.screen, readOnly};
    PhotoManager copying(withFolder, sound, [this] { ++changes; });
    copying.open(pictures, pictures);
    copying.copyPhoto(0);
    EXPECT_EQ(ports.dialogs.last().text.rfind("O Sistema não conseguiu copiar a figura para a "
                                              "pasta /proc/self",
                                              0),
              0u);
    EXPECT_FALSE(fs::exists("/proc/self/foto1.Jpg"));
    EXPECT_EQ(changes, 0);
}

TEST_F(Manager, UnshownPictureIsToldTwiceFromTheFileListAndOnceFromTheReadyList) {
    // A sound photo beyond the decoder's budget is too large, not damaged.
    const auto tooLarge = [&](const fs::path& file) {
        ASSERT_TRUE(writeBytes(file, picture));
        fs::resize_file(file, kMaxJpegFileBytes + 1);
    };
    tooLarge(pictures / "enorme.jpg");
    const struct {
        const char* file;
        const char* text;
    } cases[] = {
        {"quebrada.jpg",
         "Formato de Figura não reconhecido pelo visualizador ou arquivo Danificado!"},
        {"enorme.jpg", "Figura grande demais para o visualizador! Use uma cópia menor desta foto."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fs::remove_all(photos);
        fs::create_directories(photos);
        if (c.file == std::string("enorme.jpg"))
            tooLarge(photos / "foto2.jpg");
        else
            fs::copy_file(pictures / c.file, photos / "foto2.jpg");
        open();
        ports.dialogs.clear();
        manager.chooseFound(entry("praia.jpg"));
        EXPECT_TRUE(ports.dialogs.shown().empty());
        EXPECT_EQ(manager.view.preview.width, 145);
        EXPECT_EQ(manager.view.preview.height, 163);
        const std::string size = manager.view.previewSize;

        manager.chooseFound(entry(c.file));
        ASSERT_EQ(texts(), (std::vector<std::string>{c.text, c.text}));
        EXPECT_EQ(ports.dialogs.shown()[0].caption, "Quorvanella 2.0");
        EXPECT_EQ(ports.dialogs.shown()[0].icon, MessageIcon::Warning);
        EXPECT_EQ(ports.dialogs.shown()[1].type, ShownBox::Type::Plain);
        EXPECT_EQ(manager.view.previewSize, size) << "the preview keeps the last good picture";

        ports.dialogs.clear();
        manager.chooseReady(0);
        EXPECT_EQ(texts(), std::vector<std::string>{c.text});
    }
}

TEST(PhotoSizes, KilobytesRoundedHalfToEven) {
    const std::pair<std::uintmax_t, const char*> sizes[] = {
        {1536, "2Kb"}, {2560, "2Kb"}, {500, "0Kb"},  {512, "0Kb"},
        {513, "1Kb"},  {0, "0Kb"},    {1024, "1Kb"}, {35 * 1024 + 100, "35Kb"},
        {3584, "4Kb"},
    };
    for (const auto& [bytes, text] : sizes)
        EXPECT_EQ(photo_folder::sizeText(bytes), text) << bytes;
}

TEST_F(Manager, SearchRefusesBadInitialsThenListsWithFoldersAndEndsConcluido) {
    open();
    const std::pair<const char*, char> refused[] = {
        {"a\\b", '\\'}, {"a/b", '/'}, {"*", '*'}, {"x\"y*", '"'}};
    for (const auto& [initials, character] : refused) {
        ports.dialogs.type(initials);
        manager.searchDisk();
        EXPECT_EQ(ports.dialogs.last().text,
                  std::string("Caractere Inválido na pessquisa [ ") + character + " ]");
        EXPECT_FALSE(manager.listingSearch);
    }
    ports.dialogs.cancelInput();
    manager.searchDisk();
    EXPECT_FALSE(manager.listingSearch) << "Cancel searches nothing";
    EXPECT_EQ(ports.dialogs.last().caption, "Pesquisa arquivos JPG");
    EXPECT_EQ(ports.dialogs.last().text, "Digite as Iniciais ou deixe em branco para Todos");

    ports.dialogs.type("img");
    manager.searchDisk();
    EXPECT_TRUE(manager.listingSearch);
    EXPECT_EQ(manager.view.fileList,
              std::vector<std::string>{"IMG_0001.JPG****" + pictures.string()});
    EXPECT_EQ(manager.view.foundCount, "1");
    EXPECT_EQ(manager.view.searchStatus, "Concluído");
    EXPECT_FALSE(manager.view.stopShown);
    EXPECT_TRUE(manager.stopRequested);
    manager.chooseFound(0);
    EXPECT_EQ(manager.chosenName, "IMG_0001.JPG");
    EXPECT_EQ(manager.chosenFolder, pictures.string());
    EXPECT_EQ(manager.view.fileListHint, (pictures / "IMG_0001.JPG").string());

    ports.scheduler.advance(250 * 11);
    EXPECT_TRUE(manager.view.searchStatusShown && manager.view.searchStatusLit);
    ports.scheduler.advance(250);
    EXPECT_FALSE(manager.view.searchStatusShown);
    EXPECT_FALSE(manager.searchStatusBlink.running());
}

TEST_F(Manager, SearchHangingInAFolderReadLeavesTheWindowAnsweringAndStops) {
    open();
    HangingWalk hanging;
    manager.setWalk(hanging.walk());
    using Clock = std::chrono::steady_clock;
    Clock::time_point last = Clock::now();
    double longestMs = 0;
    int turns = 0;
    manager.setRender([&] {
        const Clock::time_point now = Clock::now();
        longestMs =
            std::max(longestMs, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        if (++turns == 10)
            manager.stopSearch();
    });
    ports.dialogs.type("");
    manager.searchDisk();
    EXPECT_FALSE(hanging.ended()) << "the stop ends the search while the read still hangs";
    EXPECT_LT(longestMs, 100.0) << "the window takes input while the walk hangs";
    // What was found stays; nothing says "Concluído".
    const std::string root = ports.paths.root().string();
    EXPECT_EQ(manager.view.fileList,
              (std::vector<std::string>{"a.jpg****" + root, "b.jpg****" + root}));
    EXPECT_EQ(manager.view.foundCount, "2");
    EXPECT_EQ(manager.view.searchStatus, "Pesquisando, aguarde...");
    EXPECT_FALSE(manager.view.searchStatusShown || manager.view.stopShown ||
                 manager.searchStatusBlink.running());
    hanging.release();

    // Opening a folder while it searches ends the search and lists that folder.
    HangingWalk again;
    manager.setWalk(again.walk());
    turns = 0;
    manager.setRender([&] {
        if (++turns == 3)
            manager.openFolder(pictures);
    });
    ports.dialogs.type("");
    manager.searchDisk();
    EXPECT_FALSE(manager.listingSearch);
    EXPECT_EQ(manager.view.fileList,
              (std::vector<std::string>{"IMG_0001.JPG", "praia.jpg", "quebrada.jpg"}));
    EXPECT_FALSE(manager.view.searchStatusShown || manager.view.stopShown ||
                 manager.searchStatusBlink.running());
    again.release();
}

TEST_F(Manager, FolderWhoseReadHangsNeverHoldsTheWindow) {
    open();
    using Clock = std::chrono::steady_clock;
    const auto elapsedMs = [](Clock::time_point since) {
        return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
    };
    HangingWalk hanging;
    manager.setFolderWalk(hanging.walk());
    const Clock::time_point start = Clock::now();
    manager.openFolder(ports.paths.root());
    EXPECT_LT(elapsedMs(start), 100.0);
    EXPECT_TRUE(manager.readingFolder());
    // Nothing is said of a folder not yet read, however long it takes.
    ports.scheduler.advance(1000);
    EXPECT_TRUE(manager.view.fileList.empty());
    EXPECT_EQ(manager.view.foundCount, "0");
    EXPECT_FALSE(manager.view.noJpegWarning || manager.warningBlink.running());
    // Once the read ends its pictures show at the next turn.
    int renders = 0;
    manager.setRender([&] { ++renders; });
    hanging.release();
    ports.scheduler.advance(20);
    EXPECT_FALSE(manager.readingFolder());
    EXPECT_EQ(manager.view.fileList, (std::vector<std::string>{"a.jpg", "b.jpg"}));
    EXPECT_EQ(manager.view.foundCount, "2");
    EXPECT_EQ(renders, 1);

    // Another folder chosen while a read hangs: the late read changes nothing.
    HangingWalk stale;
    manager.setFolderWalk(stale.walk());
    manager.openFolder(ports.paths.root());
    manager.setFolderWalk(readJpegFolder);
    manager.openFolder(pictures);
    const std::vector<std::string> shown{"IMG_0001.JPG", "praia.jpg", "quebrada.jpg"};
    EXPECT_EQ(manager.view.fileList, shown);
    stale.release();
    ports.scheduler.advance(100);
    EXPECT_EQ(manager.view.fileList, shown);
    EXPECT_EQ(manager.view.foundCount, "3");
}

TEST_F(Manager, FailedSearchKeepsWhatItFoundAndLeavesNothingBlinking) {
    open();
    manager.setWalk([](const fs::path& root, const std::string&, const SearchFound& found,
                       const SearchPoll&) -> bool {
        found({std::make_shared<const FoundFolder>(FoundFolder{root, root.string()}), "a.jpg",
               "a.jpg"});
        throw std::runtime_error("the disk went away");
    });
    ports.dialogs.type("");
    manager.searchDisk();
    EXPECT_EQ(ports.dialogs.last().text,
              "Falha ao tentar localizar Todoas as Figuras no formato JPG em seu Computador.");
    EXPECT_EQ(ports.dialogs.last().icon, MessageIcon::Stop);
    EXPECT_EQ(manager.view.fileList.size(), 1u);
    EXPECT_EQ(manager.view.foundCount, "1");
    EXPECT_FALSE(manager.view.searchStatusShown || manager.view.stopShown ||
                 manager.searchStatusBlink.running());
}

} // namespace
} // namespace qv::test
