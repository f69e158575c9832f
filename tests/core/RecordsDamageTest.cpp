#include "tests/core/RecordsFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace qv::test {
namespace {

TEST_F(RecordsGame, ShortOrDamagedFilesLoadTheRowsBeforeTheDamageThenSayWhy) {
    const std::string full =
        scoresFile({scoreEntry("A0", 9, 9), scoreEntry("A1", 9, 9), scoreEntry("A2", 9, 9),
                    scoreEntry("A3", 9, 9), scoreEntry("A4", 9, 9)},
                   {scoreEntry("B5", 9, 9), scoreEntry("B6", 9, 9), scoreEntry("B7", 9, 9),
                    scoreEntry("B8", 9, 9), scoreEntry("B9", 9, 9)});
    std::string damaged = full;
    damaged[65 * 3 + 26] = 40; // the time of the fourth entry
    struct Case {
        const char* what;
        std::string bytes;
        Names boxes;
        std::string fourth;   ///< quarto
        std::string lastTime; ///< bestTimePlace5Name
    };
    for (const Case& c : {
             Case{"nine entries", full.substr(0, 9 * 65), Names{kLoadError}, "A3", "Jogador 5"},
             Case{"nine and a half", full.substr(0, 9 * 65 + 30), Names{kLoadError}, "A3",
                  "Jogador 5"},
             Case{"a damaged length byte", damaged, Names{kLoadError}, "Jogador 4", "Jogador 5"},
             Case{"longer than ten entries", full + "junk", Names{}, "A3", "B9"},
             Case{"empty", "", Names{}, "Jogador 4", "Jogador 5"},
         }) {
        SCOPED_TRACE(c.what);
        Records fresh{s, parts.view, parts.timers, dialogs, world.ports.paths, files};
        spill(scoresPath(), c.bytes);
        dialogs.clear();
        fresh.loadRecords();
        EXPECT_EQ(texts(), c.boxes);
        EXPECT_EQ(fresh.view["bestScorePlace3Name"], c.bytes.empty() ? "Jogador 3" : "A2");
        EXPECT_EQ(fresh.view["bestScorePlace4Name"], c.fourth);
        EXPECT_EQ(fresh.view["bestTimePlace5Name"], c.lastTime);
        EXPECT_EQ(scores(), c.bytes) << "loading never repairs a file";
    }
}

TEST_F(RecordsGame, AShortComputerFileLoadsNineRowsThenSaysWhy) {
    const std::vector<ComputerRecordEntry> table(
        5, ComputerRecordEntry{"Dora", "1000", "500", "Figuras2"});
    spill(versusPath(), versusFile(table, table).substr(0, 9 * 52));
    records.loadComputerRecords();
    EXPECT_EQ(texts(), Names{kLoadError});
    EXPECT_EQ(records.view["versusIntelligentPlace4Name"], "Dora");
    EXPECT_EQ(records.view["versusIntelligentPlace5Name"], "Jogador 5");
}

TEST_F(RecordsGame, ALoadFailureIsToldOnceForEachStateOfTheFile) {
    const std::string nine = records::defaultRecordsFile().substr(0, 9 * 65);
    std::string otherNine = nine;
    otherNine[1] = 'T'; // same size, other bytes
    const std::string note =
        "Houve um erro no acesso a base de dados dos records (qvane.dat). Clique em Zerar para "
        "voltar ao normal.";
    const std::string bothNote =
        "Houve um erro no acesso a base de dados dos records (qvane.dat, qvane2.dat). Clique em "
        "Zerar para voltar ao normal.";
    struct Step {
        const char* what;
        std::function<void()> change;
        Names boxes;
        std::string note;
    };
    const std::vector<Step> steps{
        {"a nine-entry file", [&] { spill(scoresPath(), nine); }, Names{kLoadError}, note},
        {"loaded again as it is", [] {}, Names{}, note},
        {"one byte changed", [&] { spill(scoresPath(), otherNine); }, Names{kLoadError}, note},
        {"grown by half an entry", [&] { spill(scoresPath(), nine + std::string(30, 'x')); },
         Names{kLoadError}, note},
        {"loaded again", [] {}, Names{}, note},
        {"replaced by a whole file", [&] { spill(scoresPath(), records::defaultRecordsFile()); },
         Names{}, ""},
        {"damaged as at first", [&] { spill(scoresPath(), nine); }, Names{kLoadError}, note},
        {"both damaged", [&] { spill(versusPath(), "x"); }, Names{kLoadError}, bothNote},
        {"the folder is a file",
         [&] {
             std::filesystem::remove_all(world.ports.paths.dataFolder());
             spill(world.ports.paths.dataFolder(), "not a folder");
         },
         Names{kLoadError, kLoadError}, bothNote},
        {"the folder is still a file", [] {}, Names{}, bothNote},
        {"a folder again",
         [&] {
             std::filesystem::remove(world.ports.paths.dataFolder());
             std::filesystem::create_directories(world.ports.paths.dataFolder());
         },
         Names{}, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        dialogs.clear();
        // Each activation of the main window loads both files; a box activates it again.
        for (int activation = 0; activation < 3; ++activation) {
            records.loadRecords();
            records.loadComputerRecords();
        }
        EXPECT_EQ(texts(), step.boxes);
        EXPECT_EQ(records.view.failureNote, step.note);
    }
}

TEST_F(RecordsGame, EveryWriteIsOnTheDiskBeforeItReplacesTheFileAndTheRenameAfterIt) {
    const auto replacement = [](const std::string& file, std::size_t size) {
        const std::string temporary = file + ".tmp";
        return Names{"create " + temporary,
                     "write " + std::to_string(size) + " " + temporary,
                     "sync " + temporary,
                     "close " + temporary,
                     "rename " + temporary + " " + file,
                     "syncFolder data"};
    };
    const auto writes = [this] {
        Names out;
        for (const std::string& call : files.calls()) {
            if (call.rfind("exists", 0) != 0 && call.rfind("read", 0) != 0)
                out.push_back(call);
        }
        return out;
    };
    loadBoth();
    EXPECT_EQ(writes(), replacement("qvane.dat", 650) + replacement("qvane2.dat", 520))
        << "new files";
    files.heal();
    s.OpponentMode = PlayMode::OneAfterOther;
    offer("Ana", 1500, 90);
    offerWin(&Records::offerWinVersusGifted, "Ana", 1500, "100");
    EXPECT_EQ(writes(), replacement("qvane.dat", 650) + replacement("qvane.dat", 650) +
                            replacement("qvane2.dat", 520))
        << "a best score, a best time, a win";
}

TEST_F(RecordsGame, AFileDeletedSinceTheLastLoadIsAFailureAndStaysAway) {
    loadBoth();
    std::filesystem::remove(scoresPath());
    std::filesystem::remove(versusPath());
    s.OpponentMode = PlayMode::OneAfterOther;
    offer("Ana", 1500, 90);
    EXPECT_EQ(texts(), (Names{kBestScoreError, kSmallFailure}));
    EXPECT_EQ(s.RecordsSettled, 0);
    dialogs.clear();
    offerWin(&Records::offerWinVersusGifted, "Ana", 1500, "100");
    offerWin(&Records::offerWinVersusIntelligent, "Ana", 1500, "100");
    EXPECT_EQ(texts(), (Names{kSmallFailure, kSmallFailure}));
    EXPECT_EQ(s.RecordsSettled, 0);
    EXPECT_EQ(folder(), Names{}) << "neither file is made again";

    loadBoth();
    EXPECT_EQ(scores(), records::defaultRecordsFile());
}

/// The real files, where a file disappears right after it was read: the player
/// deleted it while the game's box was open.
class VanishingFiles final : public FileLayer {
public:
    std::filesystem::path vanishing;
    bool exists(const std::filesystem::path& file) override { return m_real.exists(file); }
    std::optional<std::string> read(const std::filesystem::path& file, std::size_t limit) override {
        auto content = m_real.read(file, limit);
        if (file == vanishing)
            m_real.remove(file);
        return content;
    }
    Handle create(const std::filesystem::path& file) override { return m_real.create(file); }
    bool write(Handle handle, std::string_view bytes) override {
        return m_real.write(handle, bytes);
    }
    bool sync(Handle handle) override { return m_real.sync(handle); }
    bool close(Handle handle) override { return m_real.close(handle); }
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return m_real.rename(from, to);
    }
    bool remove(const std::filesystem::path& file) override { return m_real.remove(file); }
    bool syncFolder(const std::filesystem::path& folder) override {
        return m_real.syncFolder(folder);
    }
    std::string state(const std::filesystem::path& file) override { return m_real.state(file); }

private:
    PosixFileLayer m_real;
};

TEST_F(RecordsGame, AFileDeletedWhileTheRecordIsAnnouncedIsNotWrittenAgain) {
    loadBoth();
    VanishingFiles vanishing;
    Records late{s, parts.view, parts.timers, dialogs, world.ports.paths, vanishing};
    vanishing.vanishing = scoresPath();
    s.OpponentMode = PlayMode::OneAfterOther;
    s.RecordCandidateName = "Ana";
    s.RecordCandidateScore = 1500;
    s.RecordCandidateSeconds = 90;
    s.TimeLimitSeconds = 180;
    late.offerRecord();
    EXPECT_EQ(texts(), (Names{kHigherScore, kBestScoreError, kSmallFailure}));
    EXPECT_FALSE(std::filesystem::exists(scoresPath()));

    vanishing.vanishing = versusPath();
    dialogs.clear();
    parts.view[Role::Player2Points].caption = "100";
    late.offerWinVersusGifted();
    EXPECT_EQ(texts(), (Names{kBeatSup, kSmallFailure}));
    EXPECT_FALSE(std::filesystem::exists(versusPath()));
    EXPECT_EQ(folder(), Names{}) << "neither file is made again";
}

TEST_F(RecordsGame, ANumberThatIsNoNumberTakesTheFailurePathOfItsTable) {
    struct Case {
        const char* what;
        std::size_t entry;
        std::size_t field;
        bool versusTable;
        Names boxes;
        bool bestScoreStored;
        bool bestTimeStored;
    };
    for (const Case& c : {
             Case{"best-score points", 0, 1, false, Names{kBestScoreError, kAlsoBestTime}, false,
                  true},
             Case{"best-time seconds", 5, 4, false, Names{kHigherScore, kSmallFailure}, true,
                  false},
             Case{"best-time points read on a tie", 5, 1, false, Names{kHigherScore, kSmallFailure},
                  true, false},
             Case{"computer table points", 0, 1, true, Names{kSmallFailure}, false, false},
             Case{"computer points read on a tie", 0, 2, true, Names{kSmallFailure}, false, false},
         }) {
        SCOPED_TRACE(c.what);
        std::string scoreBytes = scoresFile({}, {scoreEntry("T", 0, 90)});
        std::string versusBytes = versusFile({{"V", "1500", "100", "--"}}, {});
        std::string& target = c.versusTable ? versusBytes : scoreBytes;
        const std::size_t at = (c.versusTable ? 52 : 65) * c.entry + 13 * c.field;
        target.replace(at, 13, records::encodeField("12a"));
        install(scoreBytes, versusBytes);
        s.OpponentMode = PlayMode::OneAfterOther;
        if (c.versusTable)
            offerWin(&Records::offerWinVersusGifted, "Ana", 1500, "100");
        else
            offer("Ana", 1500, 90);
        EXPECT_EQ(texts(), c.boxes);
        EXPECT_EQ(scoreAt(0).name == "Ana", c.bestScoreStored);
        EXPECT_EQ(scoreAt(5).name == "Ana", c.bestTimeStored);
        EXPECT_EQ(s.RecordsSettled, c.bestTimeStored ? 1 : 0);
        if (c.versusTable) {
            EXPECT_EQ(versus(), versusBytes);
        }
    }
}

TEST_F(RecordsGame, TheComputersDisplayMustHoldANumber) {
    loadBoth();
    offerWin(&Records::offerWinVersusGifted, "Ana", 1500, "muito");
    EXPECT_EQ(texts(), Names{kSmallFailure});
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
}

/// Every way the writing of one record can stop: at each file operation, by a
/// failure the game sees or by the program dying there.
class Interrupted : public RecordsGame {
protected:
    struct Run {
        std::string scores;
        std::string versus;
    };
    std::string oldScores =
        scoresFile({scoreEntry("Ana", 1500, 60)}, {scoreEntry("Ana", 1500, 60)});
    std::string oldVersus = versusFile({{"Bia", "1200", "300", "--"}}, {});

    void prepare() {
        files.bury();
        files.heal();
        std::filesystem::remove_all(world.ports.paths.dataFolder());
        std::filesystem::create_directories(world.ports.paths.dataFolder());
        install(oldScores, oldVersus);
        files.heal();
        s.OpponentMode = PlayMode::OneAfterOther;
    }
    /// Runs the insertion with no fault, then with a fault at every step, and checks
    /// that each file ends as one of the whole tables it passed through.
    void everyStep(const std::function<void()>& insert, const std::set<std::string>& scoreStates,
                   const std::set<std::string>& versusStates) {
        prepare();
        insert();
        const int steps = files.steps();
        ASSERT_GT(steps, 4);
        for (auto fault : {FaultyFileLayer::Fault::Fail, FaultyFileLayer::Fault::Crash}) {
            for (int step = 0; step <= steps; ++step) {
                SCOPED_TRACE((fault == FaultyFileLayer::Fault::Fail ? "fail at " : "die at ") +
                             std::to_string(step));
                prepare();
                files.faultAt(step, fault);
                insert();
                const auto calls = files.calls();
                EXPECT_TRUE(scoreStates.count(scores()))
                    << (calls.size() > static_cast<std::size_t>(step)
                            ? calls[static_cast<std::size_t>(step)]
                            : "");
                EXPECT_TRUE(versusStates.count(versus()));
                for (const auto& box : dialogs.shown())
                    EXPECT_TRUE(known.count(box.text)) << box.text;
                if (fault == FaultyFileLayer::Fault::Fail) {
                    EXPECT_EQ(folder(), (Names{"qvane.dat", "qvane2.dat"}));
                }
            }
        }
        // A leftover of a dead run does not stand in the way of the next one.
        prepare();
        spill(records::temporaryFileFor(scoresPath()), std::string(3000, 'x'));
        spill(records::temporaryFileFor(versusPath()), "x");
        insert();
        EXPECT_TRUE(scoreStates.count(scores()));
        EXPECT_TRUE(versusStates.count(versus()));
        EXPECT_NE(scores() + versus(), oldScores + oldVersus);
    }
    const std::set<std::string> known{kLoadError,   kBestScoreError, kSmallFailure,
                                      kHigherScore, kTieFaster,      kAlsoBestTime,
                                      kBestTime,    kBeatSup,        kBeatInt};
};

TEST_F(Interrupted, ARecordFileHoldsTheOldOrTheNewTableNeverAMixture) {
    const std::string both =
        scoresFile({scoreEntry("Caio", 1600, 50), scoreEntry("Ana", 1500, 60)},
                   {scoreEntry("Caio", 1600, 50), scoreEntry("Ana", 1500, 60)});
    const std::string scoreOnly = scoresFile(
        {scoreEntry("Caio", 1600, 50), scoreEntry("Ana", 1500, 60)}, {scoreEntry("Ana", 1500, 60)});
    const auto withCategory = [](std::string bytes) {
        // scoreEntry files the match under "Figuras2"; the game's category is "Figuras1".
        for (std::size_t at = 0; at + 65 <= bytes.size(); at += 65) {
            if (bytes.substr(at + 1, 4) == "Caio")
                bytes.replace(at + 39, 13, records::encodeField("Figuras1"));
        }
        return bytes;
    };
    const std::string timeOnly = scoresFile(
        {scoreEntry("Ana", 1500, 60)}, {scoreEntry("Caio", 1600, 50), scoreEntry("Ana", 1500, 60)});
    everyStep([&] { offer("Caio", 1600, 50); },
              {oldScores, withCategory(scoreOnly), withCategory(timeOnly), withCategory(both)},
              {oldVersus});

    const std::string won =
        versusFile({{"Caio", "1300", "200", "Figuras1"}, {"Bia", "1200", "300", "--"}}, {});
    everyStep([&] { offerWin(&Records::offerWinVersusGifted, "Caio", 1300, "200"); }, {oldScores},
              {oldVersus, won});
}

TEST_F(Interrupted, ALoadThatCreatesAFileLeavesItWholeOrAbsent) {
    for (auto fault : {FaultyFileLayer::Fault::Fail, FaultyFileLayer::Fault::Crash}) {
        for (int step = 0; step < 12; ++step) {
            SCOPED_TRACE(step);
            files.bury();
            std::filesystem::remove_all(world.ports.paths.dataFolder());
            std::filesystem::create_directories(world.ports.paths.dataFolder());
            files.faultAt(step, fault);
            records.loadRecords();
            if (std::filesystem::exists(scoresPath())) {
                EXPECT_EQ(scores(), records::defaultRecordsFile());
            }
            for (const auto& box : dialogs.shown())
                EXPECT_EQ(box.text, kLoadError);
            dialogs.clear();
        }
    }
}

} // namespace
} // namespace qv::test
