#include "records/RecordsFile.h"

#include "tests/fakes/FaultyFileLayer.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace qv::test {
namespace {

using namespace records;

/// A field as it must lie on disk: the length byte, the bytes, zeros to 13.
std::string field(std::string_view bytes) {
    std::string out(1, static_cast<char>(bytes.size()));
    out += bytes;
    out.resize(13, '\0');
    return out;
}

std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void spill(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

struct TextCase {
    const char* what;
    std::string utf8;
    std::string onDisk; ///< the bytes behind the length byte
    std::string readBack;
};

TEST(RecordsText, FieldsHoldWindows1252AndComeBackAsUtf8) {
    const TextCase cases[] = {
        {"plain", "Ana", "Ana", "Ana"},
        {"Portuguese letters", "Conceição", "Concei\xE7\xE3o", "Conceição"},
        {"category", "Números", "N\xFAmeros", "Números"},
        {"accented capitals", "ÉRICA ÇÃ", "\xC9RICA \xC7\xC3", "ÉRICA ÇÃ"},
        {"the code page's own letters", "€ Œ™", "\x80 \x8C\x99", "€ Œ™"},
        {"thirteen characters", "Maria Eduarda", "Maria Eduard", "Maria Eduard"},
        {"cut by characters, not bytes", "ÁÉÍÓÚáéíóúçãõ",
         "\xC1\xC9\xCD\xD3\xDA\xE1\xE9\xED\xF3\xFA\xE7\xE3", "ÁÉÍÓÚáéíóúçã"},
        {"a two-byte letter at the twelfth place", "abcdefghijkç!", "abcdefghijk\xE7",
         "abcdefghijkç"},
        {"outside the code page", "日本 😀", "?? ?", "?? ?"},
        {"broken UTF-8", "a\xC3", "a?", "a?"},
        {"cut sequence inside", "a\xE2\x82z", "a??z", "a??z"},
        {"overlong form", "\xC0\xAF", "??", "??"},
        {"empty", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string encoded = encodeField(c.utf8);
        EXPECT_EQ(encoded, field(c.onDisk));
        EXPECT_EQ(decodeField(encoded), c.readBack);
    }
}

TEST(RecordsText, ReadingIgnoresTheRoomBehindTheLengthAndRefusesImpossibleLengths) {
    EXPECT_EQ(decodeField(std::string("\x03"
                                      "abcXXXXXXXXX",
                                      13)),
              "abc");
    EXPECT_EQ(decodeField(std::string("\x0C"
                                      "123456789012",
                                      13)),
              "123456789012");
    EXPECT_EQ(decodeField(std::string("\x01\x81"
                                      "XXXXXXXXXXX",
                                      13)),
              "\xEF\xBF\xBD")
        << "an unassigned byte reads as the replacement character";
    for (int length : {13, 14, 100, 255}) {
        std::string bytes(13, 'x');
        bytes[0] = static_cast<char>(length);
        EXPECT_EQ(decodeField(bytes), std::nullopt) << length;
    }
    EXPECT_EQ(decodeField("\x00"), std::nullopt) << "a field is 13 bytes";
}

TEST(RecordsText, OnlyASignAndDigitsMakeANumber) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0000", 0},
        {"180", 180},
        {"-25", -25},
        {"+7", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"12a", std::nullopt},
        {"", std::nullopt},
        {" 12", std::nullopt},
        {"12 ", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"0x10", std::nullopt},
        {"1.5", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"١٢", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(strictInteger(text), value) << '"' << text << '"';
}

TEST(RecordsFormat, EntriesLieFieldAfterFieldAndRefuseDamage) {
    const RecordEntry entry{"Zé", "1650", "1:30", "Símbolos", "90"};
    const std::string bytes = encodeEntry(entry);
    ASSERT_EQ(bytes.size(), 65u);
    EXPECT_EQ(bytes,
              field("Z\xE9") + field("1650") + field("1:30") + field("S\xEDmbolos") + field("90"));
    EXPECT_EQ(decodeRecordEntry(bytes), entry);

    const ComputerRecordEntry versus{"Bia", "1200", "600", "Figuras2"};
    const std::string versusBytes = encodeEntry(versus);
    ASSERT_EQ(versusBytes.size(), 52u);
    EXPECT_EQ(versusBytes, field("Bia") + field("1200") + field("600") + field("Figuras2"));
    EXPECT_EQ(decodeComputerEntry(versusBytes), versus);

    for (std::size_t at : {0u, 13u, 26u, 39u, 52u}) {
        std::string damaged = bytes;
        damaged[at] = 13;
        EXPECT_EQ(decodeRecordEntry(damaged), std::nullopt) << "length byte at " << at;
    }
    EXPECT_EQ(decodeRecordEntry(bytes.substr(0, 64)), std::nullopt);
    EXPECT_EQ(decodeComputerEntry(versusBytes + "x"), std::nullopt);
}

TEST(RecordsFormat, NewFilesHoldTheDefaultTables) {
    std::string scores;
    for (int k = 0; k < 5; ++k)
        scores += field("Sem Record") + field("0000") + field("00:00") + field("--") + field("0");
    for (int k = 0; k < 5; ++k)
        scores +=
            field("Sem Recordet") + field("0000") + field("00:00") + field("--") + field("180");
    EXPECT_EQ(defaultRecordsFile(), scores);
    EXPECT_EQ(defaultRecordsFile().size(), 650u);

    std::string versus;
    for (int k = 0; k < 10; ++k)
        versus += field("Sem Record") + field("0000") + field("0000") + field("--");
    EXPECT_EQ(defaultComputerRecordsFile(), versus);
    EXPECT_EQ(defaultComputerRecordsFile().size(), 520u);
}

class Replacing : public ::testing::Test {
protected:
    TempPaths paths;
    PosixFileLayer files;
    std::filesystem::path file = paths.dataFolder() / "qvane.dat";
    std::size_t entriesInFolder() {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(paths.dataFolder()), {}));
    }
};

TEST_F(Replacing, PutsTheWholeNewContentInPlaceAndLeavesNoTemporaryFile) {
    spill(file, std::string(650, 'o'));
    ASSERT_TRUE(replaceFile(files, file, "novo", /*mustExist=*/true));
    EXPECT_EQ(slurp(file), "novo");
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST_F(Replacing, AMissingFileIsCreatedOnlyWhenAsked) {
    EXPECT_FALSE(replaceFile(files, file, "novo", /*mustExist=*/true));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(entriesInFolder(), 0u);
    EXPECT_TRUE(replaceFile(files, file, "novo", /*mustExist=*/false));
    EXPECT_EQ(slurp(file), "novo");
}

TEST_F(Replacing, ALeftoverFromAnEarlierCrashIsOverwritten) {
    spill(file, "velho");
    spill(temporaryFileFor(file), std::string(1000, 'x'));
    ASSERT_TRUE(replaceFile(files, file, "novo", true));
    EXPECT_EQ(slurp(file), "novo");
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST_F(Replacing, ATemporaryFileThatCannotBeWrittenKeepsTheOldContent) {
    spill(file, "velho");
    std::filesystem::create_directory(temporaryFileFor(file)); // not ours to remove
    EXPECT_FALSE(replaceFile(files, file, "novo", true));
    EXPECT_EQ(slurp(file), "velho");
    EXPECT_TRUE(std::filesystem::is_directory(temporaryFileFor(file)));
}

TEST(PosixFiles, ReadStopsAtTheLimitAndFailsOnWhatIsNoFile) {
    TempPaths paths;
    PosixFileLayer files;
    const auto file = paths.dataFolder() / "f";
    spill(file, "0123456789");
    EXPECT_EQ(files.read(file, 4), "0123");
    EXPECT_EQ(files.read(file, 100), "0123456789");
    EXPECT_EQ(files.read(paths.dataFolder() / "missing", 100), std::nullopt);
    EXPECT_EQ(files.read(paths.dataFolder(), 100), std::nullopt) << "a folder";
    EXPECT_FALSE(files.remove(paths.dataFolder() / "missing"));
}

} // namespace
} // namespace qv::test
