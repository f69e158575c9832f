#include "records/Records.h"

#include "records/RecordsFile.h"
#include "tests/fakes/FaultyFileLayer.h"
#include "tests/fakes/MatchParts.h"

#include "tests/fakes/RecordsMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>

namespace qv::test {
namespace {

/// Damages a records file the ways a disk, an editor or another program might.
class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : m_random(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    char byte() { return static_cast<char>(pick(0, 255)); }

    std::string damage(std::string bytes, std::size_t entrySize) {
        const int times = pick(1, 4);
        for (int n = 0; n < times; ++n) {
            const std::size_t size = bytes.size();
            const auto at = [&] {
                return static_cast<std::size_t>(pick(0, static_cast<int>(size) - 1));
            };
            switch (pick(0, 6)) {
            case 0: // a flipped bit
                if (size > 0)
                    bytes[at()] ^= static_cast<char>(1 << pick(0, 7));
                break;
            case 1: // cut short
                bytes.resize(static_cast<std::size_t>(pick(0, static_cast<int>(size))));
                break;
            case 2: // grown
                for (int k = pick(1, 200); k > 0; --k)
                    bytes += byte();
                break;
            case 3: // any length byte
                if (size >= 13)
                    bytes[13 * static_cast<std::size_t>(pick(0, static_cast<int>(size / 13) - 1))] =
                        byte();
                break;
            case 4: // a number field of digits, signs, letters and blanks
                if (size >= entrySize) {
                    const std::size_t entry =
                        static_cast<std::size_t>(pick(0, static_cast<int>(size / entrySize) - 1));
                    const std::size_t field =
                        static_cast<std::size_t>(pick(1, 4)) % (entrySize / 13);
                    static const std::string kAlphabet = "0123456789-+ a.x9";
                    std::string text;
                    for (int k = pick(0, 14); k > 0; --k)
                        text += kAlphabet[static_cast<std::size_t>(pick(0, 16))];
                    std::string raw(13, '\0');
                    raw[0] = static_cast<char>(std::min<std::size_t>(text.size(), 12));
                    raw.replace(1, std::min<std::size_t>(text.size(), 12), text.substr(0, 12));
                    bytes.replace(entry * entrySize + field * 13, 13, raw);
                }
                break;
            case 5: // any byte
                if (size > 0)
                    bytes[at()] = byte();
                break;
            default: // nothing at all
                bytes.clear();
                break;
            }
        }
        return bytes;
    }

    std::string name() {
        switch (pick(0, 4)) {
        case 0:
            return "INDIVIDUAL";
        case 1:
            return "";
        case 2:
            return "Conceição Araújo";
        default: {
            std::string junk;
            for (int k = pick(0, 30); k > 0; --k)
                junk += byte();
            return junk;
        }
        }
    }

    std::string computerPoints() {
        switch (pick(0, 3)) {
        case 0:
            return "99999999999";
        case 1:
            return "1a";
        default:
            return std::to_string(pick(-500, 1800));
        }
    }

private:
    std::mt19937 m_random;
};

TEST(RecordsFuzz, DamagedFilesOnlyEverBringTheGamesOwnMessages) {
    MatchParts parts;
    MemoryFileLayer memory;
    Records records{parts.state,         parts.view,        parts.timers,
                    parts.ports.dialogs, parts.ports.paths, memory};
    MatchState& s = parts.state;
    const auto scoresPath = records.recordsFile();
    const auto versusPath = records.computerRecordsFile();

    // Seeds: fresh files and files full of played matches.
    std::vector<std::string> scoreSeeds{records::defaultRecordsFile()};
    std::vector<std::string> versusSeeds{records::defaultComputerRecordsFile()};
    {
        std::string scores;
        std::string versus;
        for (int k = 0; k < 10; ++k) {
            scores += records::encodeEntry(records::RecordEntry{
                "Júlia " + std::to_string(k), std::to_string(1800 - 50 * (k % 5)),
                "1:0" + std::to_string(k), "Símbolos", std::to_string(40 + 5 * (k % 5))});
            versus += records::encodeEntry(records::ComputerRecordEntry{
                "Zé", std::to_string(1500 - 100 * (k % 5)), std::to_string(300 + k), "Números"});
        }
        scoreSeeds.push_back(scores);
        versusSeeds.push_back(versus);
    }

    Mutator mutate(20240611);
    int stored = 0;
    constexpr int kRounds = 6000;
    for (int round = 0; round < kRounds; ++round) {
        const std::string scores =
            mutate.damage(scoreSeeds[static_cast<std::size_t>(round % 2)], 65);
        const std::string versus =
            mutate.damage(versusSeeds[static_cast<std::size_t>(round / 2 % 2)], 52);
        memory.files.clear();
        if (mutate.pick(0, 20) != 0)
            memory.files[scoresPath] = scores;
        if (mutate.pick(0, 20) != 0)
            memory.files[versusPath] = versus;
        parts.ports.dialogs.clear();

        records.loadRecords();
        records.loadComputerRecords();
        // Now and then a file disappears behind the game's back.
        const bool scoresGone = mutate.pick(0, 20) == 0 && memory.files.erase(scoresPath);
        const bool versusGone = mutate.pick(0, 20) == 0 && memory.files.erase(versusPath);
        s.BlockCount = mutate.pick(0, 9) == 0 ? 16 : 24;
        s.OpponentMode = mutate.pick(0, 1) ? PlayMode::Alone : PlayMode::OneAfterOther;
        s.TimeLimitSeconds =
            std::array{180, 120, 60, 45}[static_cast<std::size_t>(mutate.pick(0, 3))];
        s.MaxBoardPoints = s.BlockCount == 16 ? 1200 : 1800;
        s.RecordCandidateName = mutate.name();
        s.RecordCandidateScore = mutate.pick(-300, 1900);
        s.RecordCandidateSeconds = mutate.pick(0, s.TimeLimitSeconds);
        s.RecordCandidateTimeText = mutate.name();
        s.FigureCategory = mutate.name();
        s.RecordsSettled = 0;
        if (mutate.pick(0, 1))
            parts.ports.dialogs.type(mutate.name());
        const std::string before = memory.files.count(scoresPath) ? memory.files[scoresPath] : "-";
        records.offerRecord();
        s.RecordsSettled = 0;
        s.RecordCandidateName = mutate.name();
        parts.view[Role::Player2Points].caption = mutate.computerPoints();
        if (mutate.pick(0, 1))
            records.offerWinVersusGifted();
        else
            records.offerWinVersusIntelligent();

        for (const ShownBox& box : parts.ports.dialogs.shown()) {
            if (box.type == ShownBox::Type::Input) {
                EXPECT_TRUE(kRecordsNameCaptions.count(box.caption)) << box.caption;
                EXPECT_EQ(box.text, "Nome do novo recordista...");
            } else {
                EXPECT_TRUE(kRecordsMessages.count(box.text))
                    << "round " << round << ": " << box.text;
            }
        }
        for (const auto& [label, text] : records.view.labels())
            ASSERT_TRUE(validUtf8(text)) << "round " << round << ", " << label;
        // A routine never brings back a file, nor lets one grow past its ten entries.
        EXPECT_FALSE(scoresGone && memory.files.count(scoresPath));
        EXPECT_FALSE(versusGone && memory.files.count(versusPath));
        for (const auto& [path, limit] :
             {std::pair{scoresPath, 650u}, std::pair{versusPath, 520u}}) {
            auto file = memory.files.find(path);
            if (file == memory.files.end())
                continue;
            const std::string& original = path == scoresPath ? scores : versus;
            EXPECT_LE(file->second.size(), std::max<std::size_t>(original.size(), limit));
        }
        stored += before != "-" && memory.files[scoresPath] != before;
        if (testing::Test::HasFailure())
            FAIL() << "round " << round;
    }
    EXPECT_GT(stored, kRounds / 20) << "the damage left some files usable";
}

} // namespace
} // namespace qv::test
