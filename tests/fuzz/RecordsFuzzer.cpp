// Arbitrary bytes as the two records files, loaded and offered a match; only the
// game's own messages may appear, every label must stay showable, and no routine
// may bring back a deleted file or let a file grow past its ten entries.

#include "records/Records.h"
#include "records/RecordsFile.h"
#include "tests/fakes/FaultyFileLayer.h"
#include "tests/fakes/MatchParts.h"
#include "tests/fakes/RecordsMessages.h"
#include "tests/fuzz/Require.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace {

using namespace qv;
using qv::test::require;

/// Reads the input from the front; zeros once it runs out.
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t byte() {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    /// Two bytes, the first one high.
    std::uint16_t word() {
        const int high = byte();
        return static_cast<std::uint16_t>(high << 8 | byte());
    }
    std::string bytes(std::size_t count) {
        count = std::min(count, size);
        std::string out(reinterpret_cast<const char*>(data), count);
        data += count;
        size -= count;
        return out;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Everything new for each input, so a finding replays from its own file.
    qv::test::MatchParts parts;
    qv::test::MemoryFileLayer memory;
    Records records{parts.state,         parts.view,        parts.timers,
                    parts.ports.dialogs, parts.ports.paths, memory};
    MatchState& s = parts.state;
    const auto scoresPath = records.recordsFile();
    const auto versusPath = records.computerRecordsFile();

    Input in{data, size};
    const std::uint8_t flags = in.byte();
    const int score = static_cast<std::int16_t>(in.word());
    const int seconds = in.byte();
    const int limit = std::array{180, 120, 60, 45}[in.byte() % 4];
    const std::string computer = in.bytes(in.byte() % 8);
    const std::string name = in.bytes(in.byte() % 20);
    const std::string scores = in.bytes(in.word());
    const std::string versus = in.bytes(in.size);

    if (!(flags & 1))
        memory.files[scoresPath] = scores;
    if (!(flags & 2))
        memory.files[versusPath] = versus;
    records.loadRecords();
    records.loadComputerRecords();
    const bool scoresGone = (flags & 4) && memory.files.erase(scoresPath);
    const bool versusGone = (flags & 8) && memory.files.erase(versusPath);
    const std::size_t scoresBefore =
        memory.files.count(scoresPath) ? memory.files[scoresPath].size() : 0;
    const std::size_t versusBefore =
        memory.files.count(versusPath) ? memory.files[versusPath].size() : 0;

    s.BlockCount = (flags & 16) ? 16 : 24;
    s.MaxBoardPoints = s.BlockCount == 16 ? 1200 : 1800;
    s.OpponentMode = (flags & 32) ? PlayMode::OneAfterOther : PlayMode::Alone;
    s.TimeLimitSeconds = limit;
    s.RecordCandidateName = (flags & 64) ? "INDIVIDUAL" : name;
    s.RecordCandidateScore = score;
    s.RecordCandidateSeconds = std::min(seconds, limit);
    s.RecordCandidateTimeText = name;
    s.FigureCategory = name;
    s.RecordsSettled = 0;
    parts.ports.dialogs.type(name);
    records.offerRecord();
    s.RecordsSettled = 0;
    s.RecordCandidateName = name;
    parts.view[Role::Player2Points].caption = computer;
    if (flags & 128)
        records.offerWinVersusGifted();
    else
        records.offerWinVersusIntelligent();

    for (const auto& box : parts.ports.dialogs.shown()) {
        const bool input = box.type == qv::test::ShownBox::Type::Input;
        const auto& known = input ? qv::test::kRecordsNameCaptions : qv::test::kRecordsMessages;
        require(known.count(input ? box.caption : box.text) != 0, "an unknown message");
    }
    for (const auto& [label, text] : records.view.labels())
        require(qv::test::validUtf8(text), "a label that is not UTF-8");
    require(!(scoresGone && memory.files.count(scoresPath)), "the records file came back");
    require(!(versusGone && memory.files.count(versusPath)), "the computer file came back");
    if (memory.files.count(scoresPath))
        require(memory.files[scoresPath].size() <= std::max<std::size_t>(scoresBefore, 650),
                "the records file grew");
    if (memory.files.count(versusPath))
        require(memory.files[versusPath].size() <= std::max<std::size_t>(versusBefore, 520),
                "the computer file grew");
    return 0;
}
