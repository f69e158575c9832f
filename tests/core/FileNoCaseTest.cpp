#include "platform/FileNoCase.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

#include <fstream>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

TEST(NoCaseLookup, FindsEachPartWhateverItsCaseAndPrefersTheExactSpelling) {
    TempPaths paths;
    const fs::path root = paths.root();
    for (const char* file : {"qvanel/foto3.Jpg", "QVANEL2/FOTO3.JPG", "Ação/Çedilha.jpg",
                             "dup/Foto1.jpg", "dup/foto1.jpg", "dup/FOTO1.JPG", "photos",
                             /* a file in the way of the folder: */ "PHOTOS/a.jpg"}) {
        fs::create_directories((root / file).parent_path());
        std::ofstream(root / file) << "x";
    }
    const struct {
        const char* asked;
        const char* found; // nullptr: not found
    } cases[] = {
        {"QVanel/Foto3.jpg", "qvanel/foto3.Jpg"},
        {"qvanel/FOTO3.JPG", "qvanel/foto3.Jpg"},
        {"QVanel2/./Foto3.jpg", "QVANEL2/FOTO3.JPG"},
        {"QVanel", "qvanel"},
        {"AÇÃO/çEDILHA.JPG", "Ação/Çedilha.jpg"},
        {"dup/foto1.jpg", "dup/foto1.jpg"},
        {"dup/FOTO1.JPG", "dup/FOTO1.JPG"},
        {"dup/foto1.JPG", "dup/FOTO1.JPG"}, // "FOTO1.JPG" sorts before "Foto1.jpg"
        {"photos/A.JPG", "PHOTOS/a.jpg"},
        {"qvanel/Foto4.jpg", nullptr},
        {"qvanel/foto3.jpg/x", nullptr},
        {"Acao/Cedilha.jpg", nullptr}, // accents are not dropped
        {"qvanel/../QVANEL2/FOTO3.JPG", nullptr},
        {"/tmp", nullptr},
    };
    for (const auto& c : cases) {
        const auto found = findPathNoCase(root, c.asked);
        if (c.found)
            EXPECT_EQ(found, root / c.found) << c.asked;
        else
            EXPECT_FALSE(found) << c.asked << " found " << found->string();
    }
    EXPECT_EQ(findPathNoCase(root, ""), root);
    EXPECT_FALSE(findPathNoCase(root / "QVANEL", "foto3.jpg")) << "the base is taken as it is";
}

TEST(NoCaseLookup, FoldsAsciiAndLatinLettersAndNothingElse) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Foto3.JPG", "foto3.jpg", true},
        {"ÇÃÉÕÜ", "çãéõü", true},
        {"a\xFF", "A\xFF", true},
        {"ß", "SS", false},
        {"×", "÷", false},
        {"é", "e", false},
        {"foto", "foto ", false},
        {"\xC3", "\xE3", false},
        {"[", "{", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sameNameNoCase(c.a, c.b), c.same) << c.a << " / " << c.b;
}

} // namespace
} // namespace qv::test
