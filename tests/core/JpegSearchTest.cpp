#include "figures/JpegSearch.h"
#include "figures/JpegNames.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

class SearchTree : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name :
             {"a1.jpg", "AB.JPG", "nota.txt", ".arquivo.jpg", "Fotos/praia.jpeg",
              "Fotos/abacaxi.Jpg", "Fotos/Ferias/ab2.jpg", "Fotos/Ferias/leia.doc",
              "n1/n2/n3/n4/quatro.jpg", "n1/n2/n3/n4/n5/cinco.jpg", ".oculta/escondida.jpg",
              "bloqueada/dentro.jpg", "pasta.jpg/dentro2.txt"})
            write(root / name);
        write(root / "f\xe9rias.jpg"); // written under Latin-1
        fs::create_directory_symlink(root, root / "laco");
        fs::create_directory_symlink(root / "Fotos", root / "n1" / "atalho");
        fs::create_symlink(root / "Fotos" / "praia.jpeg", root / "Fotos" / "atalho.jpg");
        fs::create_symlink(root / "nada.jpg", root / "quebrado.jpg");
        ::chmod((root / "bloqueada").c_str(), 0);
    }
    void TearDown() override { ::chmod((root / "bloqueada").c_str(), 0755); }

    static void write(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }
    // Entries as the file list shows them, the root written as "~".
    std::vector<std::string> search(const std::string& initials, const SearchPoll& poll = {}) {
        std::vector<std::string> entries;
        searchJpegFiles(
            root, initials,
            [&](FoundPicture found) {
                EXPECT_TRUE(fs::exists(found.file())) << "opened by its real bytes";
                std::string folder = found.folder();
                folder.replace(0, root.native().size(), "~");
                entries.push_back(found.name + "****" + folder);
            },
            poll ? poll : [] { return true; });
        return entries;
    }
    static std::vector<std::string> sorted(std::vector<std::string> entries) {
        std::sort(entries.begin(), entries.end());
        return entries;
    }
    // Root unreadable folders are read anyway by the superuser.
    static bool canBlockReading() { return ::geteuid() != 0; }

    TempPaths paths;
    fs::path root = paths.root() / "disco";
};

TEST_F(SearchTree, ListsJpegFilesToTheFourthLevelWithoutLinksHiddenOrUnreadableFolders) {
    const std::vector<std::string> entries = search("");
    std::vector<std::string> expected{
        "a1.jpg****~",
        "AB.JPG****~",
        ".arquivo.jpg****~",
        "férias.jpg****~",
        "praia.jpeg****~/Fotos",
        "abacaxi.Jpg****~/Fotos",
        "atalho.jpg****~/Fotos",
        "ab2.jpg****~/Fotos/Ferias",
        "quatro.jpg****~/n1/n2/n3/n4",
    };
    if (!canBlockReading())
        expected.push_back("dentro.jpg****~/bloqueada");
    EXPECT_EQ(sorted(entries), sorted(expected));

    // Depth first: a folder's own pictures before those of its folders.
    const auto at = [&](const std::string& entry) {
        return std::find(entries.begin(), entries.end(), entry) - entries.begin();
    };
    for (const char* inRoot : {"a1.jpg****~", "AB.JPG****~", "férias.jpg****~"})
        EXPECT_LT(at(inRoot), at("praia.jpeg****~/Fotos"));
    EXPECT_LT(at("abacaxi.Jpg****~/Fotos"), at("ab2.jpg****~/Fotos/Ferias"));
}

TEST_F(SearchTree, InitialsMatchWithoutRegardToCase) {
    EXPECT_EQ(sorted(search("ab")),
              sorted({"AB.JPG****~", "abacaxi.Jpg****~/Fotos", "ab2.jpg****~/Fotos/Ferias"}));
    EXPECT_EQ(sorted(search("FÉ")), std::vector<std::string>{});
    EXPECT_EQ(search("QUATRO"), std::vector<std::string>{"quatro.jpg****~/n1/n2/n3/n4"});
    EXPECT_EQ(sorted(search("a?")), sorted({"a1.jpg****~", "AB.JPG****~", "abacaxi.Jpg****~/Fotos",
                                            "atalho.jpg****~/Fotos", "ab2.jpg****~/Fotos/Ferias"}));
}

TEST(SearchDisk, StaysOnTheFileSystemItStartsFrom) {
    // /dev/shm is a file system of its own inside /dev on most systems, as a
    // network share or another disk is inside the folders it is mounted in.
    struct stat outer {
    }, inner{};
    if (::stat("/dev", &outer) != 0 || ::stat("/dev/shm", &inner) != 0 ||
        outer.st_dev == inner.st_dev || ::access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no file system mounted inside another here";
    const fs::path mine = fs::path("/dev/shm") / ("qv-busca-" + std::to_string(::getpid()));
    fs::create_directories(mine);
    std::ofstream(mine / "qvoutrodisco.jpg") << "x";
    const auto count = [](const fs::path& root) {
        int found = 0;
        searchJpegFiles(
            root, "qvoutrodisco", [&](const FoundPicture&) { ++found; }, [] { return true; });
        return found;
    };
    EXPECT_EQ(count("/dev"), 0) << "not entered from the outer file system";
    EXPECT_EQ(count("/dev/shm"), 1) << "searched from its own";
    fs::remove_all(mine);
}

TEST_F(SearchTree, StoppingKeepsWhatWasFoundAndFoldersMayVanish) {
    int found = 0;
    const bool finished = searchJpegFiles(
        root, "", [&](const FoundPicture&) { ++found; },
        [&] {
            fs::remove_all(root / "Fotos" / "Ferias"); // gone before it is reached
            return found < 2;
        });
    EXPECT_FALSE(finished);
    EXPECT_EQ(found, 2);
    EXPECT_FALSE(fs::exists(root / "Fotos" / "Ferias"));
    EXPECT_EQ(sorted(search("ab")), sorted({"AB.JPG****~", "abacaxi.Jpg****~/Fotos"}));
}

TEST(JpegNames, ExtensionsInitialsRefusedCharactersAndReadableNames) {
    for (const char* name : {"a.jpg", "IMG_0001.JPG", "b.Jpeg", "c.JPEG"})
        EXPECT_TRUE(isJpegName(name)) << name;
    for (const char* name : {".jpg", "a.jpg.txt", "a.png", "jpg", "a.jp"})
        EXPECT_FALSE(isJpegName(name)) << name;

    const std::pair<const char*, std::optional<char>> initials[] = {
        {"", std::nullopt}, {"ab", std::nullopt}, {"a\\b", '\\'},           {"a/b", '/'},
        {"*", '*'},         {"x\"y*", '"'},       {"férias", std::nullopt},
    };
    for (const auto& [text, refused] : initials)
        EXPECT_EQ(invalidSearchCharacter(text), refused) << text;

    // The initials, anything, then the ending; "?" is any one character.
    const struct {
        const char* name;
        const char* initials;
        bool listed;
    } searched[] = {
        {"abacaxi.jpg", "ab", true},
        {"ABACAXI.JPG", "ab", true},
        {"xab.jpg", "ab", false},
        {"ab.jpg", "ab", true},
        {"ab.jpg", "ab.jpg", false},
        {"a1.jpg", "a?", true},
        {"a.jpg", "a?", false},
        {"férias.jpg", "f?rias", true},
        {"ferias.jpg", "f??rias", false},
        {"IMG_0001.JPG", "img_????", true},
        {"IMG_001.JPG", "img_????", false},
        {"b.jpeg", "?", true},
        {"a.png", "a", false},
        {"praia.jpg", "", true},
    };
    for (const auto& c : searched)
        EXPECT_EQ(matchesSearch(c.name, c.initials), c.listed) << c.name << " for " << c.initials;

    EXPECT_EQ(readableName("férias.jpg"), "férias.jpg");
    EXPECT_EQ(readableName("f\xe9rias.jpg"), "férias.jpg");
    EXPECT_EQ(readableName("\xc3"), "Ã");
}

} // namespace
} // namespace qv::test
