#include "records/Records.h"

#include "records/RecordsFile.h"
#include "tests/fakes/FaultyFileLayer.h"
#include "tests/fakes/MatchDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

namespace qv::test {
namespace {

using records::ComputerRecordEntry;
using records::RecordEntry;

const std::string kLoadError =
    "Houve um erro no acesso a base de dados dos records\n"
    "Provavelmente alguém alterou o arquivo de dados dos records deste jogo.\n"
    "Você terá que excluir arquivo de dados dos records que alteraram\n"
    "mas, todos os records gravados serão perdidos. Assim, volta-se ao normal.";
const std::string kBestScoreError = "Erro ao gravar records!\nSe persistir, contate o suporte";
const std::string kSmallFailure =
    "Houve uma pequena falha, se persistir, contate o Suporte Técnico.";
const std::string kHigherScore = "PARABÉNS, Você quebrou um dos records de MELHOR PONTUAÇÃO!";
const std::string kTieFaster = "PARABÉNS, Você quebrou um dos records deste jogo!";
const std::string kAlsoBestTime = "ÓTIMO, você também quebrou um record de MELHOR TEMPO!";
const std::string kBestTime = "PARABÉNS, Você quebrou um record de MELHOR TEMPO!";
const std::string kBeatSup =
    "PARABÉNS, Você quebrou um dos records deste jogo\nCONTRA O COMPUTADOR SUPERDOTADO!";
const std::string kBeatInt =
    "PARABÉNS, Você quebrou um dos records deste jogo\nCONTRA O COMPUTADOR INTELIGENTE!";
const std::string kPrompt = "Nome do novo recordista...";

std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void spill(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

RecordEntry scoreEntry(const std::string& name, int points, int seconds) {
    return {name, std::to_string(points),
            std::to_string(seconds / 60) + ":" + (seconds % 60 < 10 ? "0" : "") +
                std::to_string(seconds % 60),
            "Figuras2", std::to_string(seconds)};
}

const RecordEntry kNoScore{"Sem Record", "0000", "00:00", "--", "0"};
const RecordEntry kNoTime{"Sem Recordet", "0000", "00:00", "--", "180"};
const ComputerRecordEntry kNoWin{"Sem Record", "0000", "0000", "--"};

/// A records file of the two tables, padded with the defaults.
std::string scoresFile(std::vector<RecordEntry> best, std::vector<RecordEntry> fastest) {
    best.resize(5, kNoScore);
    fastest.resize(5, kNoTime);
    std::string bytes;
    for (const auto& e : best)
        bytes += records::encodeEntry(e);
    for (const auto& e : fastest)
        bytes += records::encodeEntry(e);
    return bytes;
}

std::string versusFile(std::vector<ComputerRecordEntry> sup,
                       std::vector<ComputerRecordEntry> inte) {
    sup.resize(5, kNoWin);
    inte.resize(5, kNoWin);
    std::string bytes;
    for (const auto& e : sup)
        bytes += records::encodeEntry(e);
    for (const auto& e : inte)
        bytes += records::encodeEntry(e);
    return bytes;
}

class RecordsGame : public ::testing::Test {
protected:
    MatchDriver d;
    FaultyFileLayer files;
    Records records{d.game, files};
    ScriptedDialogs& dialogs = d.ports.dialogs;
    MatchState& s = d.game.state;

    void SetUp() override { d.game.setRecords(records); }

    std::filesystem::path scoresPath() const { return records.recordsFile(); }
    std::filesystem::path versusPath() const { return records.computerRecordsFile(); }
    std::string scores() const { return slurp(scoresPath()); }
    std::string versus() const { return slurp(versusPath()); }
    RecordEntry scoreAt(std::size_t k) const {
        return records::decodeRecordEntry(scores().substr(65 * k, 65)).value();
    }
    ComputerRecordEntry versusAt(std::size_t k) const {
        return records::decodeComputerEntry(versus().substr(52 * k, 52)).value();
    }

    void loadBoth() {
        records.Records_dpl();
        records.records_comp();
        dialogs.clear();
    }
    void install(const std::string& scoreBytes, const std::string& versusBytes) {
        spill(scoresPath(), scoreBytes);
        spill(versusPath(), versusBytes);
        loadBoth();
    }
    void offer(const std::string& name, int points, int seconds) {
        s.RecordCandidateName = name;
        s.RecordCandidateScore = points;
        s.RecordCandidateSeconds = seconds;
        s.RecordCandidateTimeText = scoreEntry(name, points, seconds).tempo;
        s.RecordsSettled = 0;
        if (s.TimeLimitSeconds == 0) // as the first match of a run sets it
            s.TimeLimitSeconds = 180;
        records.bateu_rec();
    }
    void offerWin(void (Records::*routine)(), const std::string& name, int points,
                  const std::string& computer) {
        s.RecordCandidateName = name;
        s.RecordCandidateScore = points;
        s.RecordsSettled = 0;
        d.game.view["Label6"].caption = computer;
        (records.*routine)();
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& box : dialogs.shown())
            out.push_back(box.type == ShownBox::Type::Input ? "input: " + box.caption : box.text);
        return out;
    }
    std::vector<std::string> folder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(d.ports.paths.dataFolder()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

using Names = std::vector<std::string>;

Names operator+(Names first, const Names& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST_F(RecordsGame, FirstLoadCreatesBothFilesWithTheDefaultsAndShowsThem) {
    EXPECT_EQ(records.view["primeiro"], "Jogador 1") << "the design's caption until a load";
    const int before = records.view.generation();
    loadBoth();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(scores(), records::defaultRecordsFile());
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
    EXPECT_EQ(folder(), (Names{"QVanel", "qvane.dat", "qvane2.dat"}));
    EXPECT_EQ(records.view.generation(), before + 2);

    struct Expected {
        RecordTable table;
        const char* name;
        const char* third;
    };
    for (const Expected& e : {Expected{RecordTable::BestScore, "Sem Record", "00:00"},
                              Expected{RecordTable::BestTime, "Sem Recordet", "00:00"},
                              Expected{RecordTable::Superdotado, "Sem Record", "0000"},
                              Expected{RecordTable::Inteligente, "Sem Record", "0000"}}) {
        for (int place = 1; place <= 5; ++place) {
            const RecordRowLabels row = RecordsView::row(e.table, place);
            EXPECT_EQ(records.view[row.name], e.name) << row.name;
            EXPECT_EQ(records.view[row.points], "0000") << row.points;
            EXPECT_EQ(records.view[row.third], e.third) << row.third;
            EXPECT_EQ(records.view[row.category], "--") << row.category;
        }
    }
}

TEST_F(RecordsGame, SixteenBlockMatchesChangeNothingAndShowNothing) {
    loadBoth();
    d.game.settings.N16Blocos1Click();
    dialogs.clear();
    s.PlayerName1 = "Ana";
    d.start();
    for (const auto& pair : d.pairs())
        d.findPair(pair);
    d.wait(100);
    ASSERT_FALSE(d.game.matchInProgress());
    offerWin(&Records::bateu_comp, "Ana", 1200, "0");
    offerWin(&Records::bateu_comp2, "Ana", 1200, "0");
    EXPECT_EQ(texts(), Names{});
    EXPECT_EQ(scores(), records::defaultRecordsFile());
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
}

TEST_F(RecordsGame, TheMatchClockStopsEvenWhenTheMatchDoesNotCount) {
    loadBoth();
    s.RecordsSettled = 1;
    d.game.Timer1.setInterval(100);
    records.bateu_rec();
    EXPECT_FALSE(d.game.Timer1.running());
}

TEST_F(RecordsGame, ZeroPointsOnAFreshFileEnterOnlyTheBestTimes) {
    loadBoth();
    d.start();
    for (int n = 0; n < 72; ++n) // 72 misses cost the 1800 points of the board
        d.missOnce();
    for (const auto& pair : d.pairs())
        d.findPair(pair);
    d.wait(100);
    ASSERT_LT(s.ElapsedSeconds, 180);
    EXPECT_EQ(texts(), (Names{"perdeu por não ter feito nenhum ponto positivo!", kAlsoBestTime}))
        << "the placeholder name counts as a name here";
    const std::string bytes = scores();
    EXPECT_EQ(bytes.substr(0, 325), records::defaultRecordsFile().substr(0, 325));
    const RecordEntry first = scoreAt(5);
    EXPECT_EQ(first.nome, "INDIVIDUAL");
    EXPECT_EQ(first.pontos, "0");
    EXPECT_EQ(first.segundos, std::to_string(s.ElapsedSeconds));
    EXPECT_EQ(first.tempo, d.label("Label1").caption);
    EXPECT_EQ(first.categoria, "Figuras1");
    for (std::size_t k = 6; k < 10; ++k)
        EXPECT_EQ(scoreAt(k), kNoTime);
    EXPECT_EQ(records.view["Tempo_JG1"], "INDIVIDUAL");
    EXPECT_EQ(s.RecordsSettled, 1);
}

TEST_F(RecordsGame, EqualPointsAndSecondsLeaveTheOlderEntryFirst) {
    install(scoresFile({scoreEntry("Ana", 1500, 60), scoreEntry("Bia", 1000, 50)},
                       {scoreEntry("Ana", 1500, 60)}),
            versusFile({}, {}));
    s.OpponentMode = "comoutro";
    offer("Caio", 1500, 60);
    EXPECT_EQ(texts(), (Names{kHigherScore, kAlsoBestTime}));
    EXPECT_EQ(scoreAt(0).nome, "Ana");
    EXPECT_EQ(scoreAt(1).nome, "Caio");
    EXPECT_EQ(scoreAt(2).nome, "Bia");
    EXPECT_EQ(scoreAt(5).nome, "Ana");
    EXPECT_EQ(scoreAt(6).nome, "Caio");
    EXPECT_EQ(records.view["segundo"], "Caio");
    EXPECT_EQ(records.view["Tempo_JG2"], "Caio");
}

TEST_F(RecordsGame, EqualPointsInLessTimeGoFirst) {
    install(scoresFile({scoreEntry("Ana", 1500, 60)}, {scoreEntry("Ana", 1500, 60)}),
            versusFile({}, {}));
    s.OpponentMode = "comoutro";
    offer("Caio", 1500, 59);
    EXPECT_EQ(texts(), (Names{kTieFaster, kAlsoBestTime}));
    EXPECT_EQ(scoreAt(0).nome, "Caio");
    EXPECT_EQ(scoreAt(1).nome, "Ana");
    EXPECT_EQ(scoreAt(5).nome, "Caio");
    EXPECT_EQ(records.view["primeiro"], "Caio");
}

TEST_F(RecordsGame, EqualSecondsWithMorePointsGoFirstAmongTheBestTimes) {
    install(
        scoresFile({scoreEntry("X", 1800, 1), scoreEntry("X", 1800, 1), scoreEntry("X", 1800, 1),
                    scoreEntry("X", 1800, 1), scoreEntry("X", 1800, 1)},
                   {scoreEntry("Ana", 1500, 60)}),
        versusFile({}, {}));
    offer("Caio", 1550, 60);
    EXPECT_EQ(texts(), Names{kAlsoBestTime});
    EXPECT_EQ(scoreAt(5).nome, "Caio");
    EXPECT_EQ(scoreAt(6).nome, "Ana");
}

TEST_F(RecordsGame, EntriesBelowANewRecordMoveDownAsTheyAreAndTheLastOneDrops) {
    // Bytes behind each text's length are left as other programs wrote them.
    std::vector<std::string> old;
    for (int k = 0; k < 10; ++k) {
        std::string entry =
            records::encodeEntry(k < 5 ? scoreEntry("P" + std::to_string(k), 1500 - 100 * k, 100)
                                       : scoreEntry("T" + std::to_string(k), 1, 20 + 10 * k));
        entry[64] = static_cast<char>('a' + k);
        old.push_back(entry);
    }
    const auto join = [](const std::vector<std::string>& parts) {
        std::string all;
        for (const auto& p : parts)
            all += p;
        return all;
    };
    struct Case {
        const char* what;
        int points;
        int seconds;
        std::size_t scorePlace; ///< 5: none
        std::size_t timePlace;  ///< 10: none
    };
    for (const Case& c :
         {Case{"fifth place only", 1150, 179, 4, 10}, Case{"first place only", 1600, 179, 0, 10},
          Case{"fastest only", 100, 10, 5, 5}, Case{"fifth fastest", 100, 105, 5, 9}}) {
        SCOPED_TRACE(c.what);
        install(join(old), versusFile({}, {}));
        s.OpponentMode = "comoutro";
        offer("Novo", c.points, c.seconds);
        std::vector<std::string> expected = old;
        const std::string fresh = records::encodeEntry(
            RecordEntry{"Novo", std::to_string(c.points), scoreEntry("", c.points, c.seconds).tempo,
                        "Figuras1", std::to_string(c.seconds)});
        if (c.scorePlace < 5) {
            expected.erase(expected.begin() + 4);
            expected.insert(expected.begin() + static_cast<long>(c.scorePlace), fresh);
        }
        if (c.timePlace < 10) {
            expected.erase(expected.begin() + 9);
            expected.insert(expected.begin() + static_cast<long>(c.timePlace), fresh);
        }
        EXPECT_EQ(scores(), join(expected));
    }
}

struct Announcement {
    const char* what;
    std::string mode;
    std::string name;
    std::vector<std::optional<std::string>> typed;
    std::vector<RecordEntry> best; ///< the best-score table before
    int points;
    Names boxes;
    std::string scoreHolder; ///< the name at the first best-score place afterwards
    std::string timeHolder;
};

TEST_F(RecordsGame, NamesAreAnnouncedOrAskedOnce) {
    const std::vector<RecordEntry> unbeatable(5, scoreEntry("X", 1800, 1));
    const std::vector<RecordEntry> tie = {scoreEntry("X", 1500, 100)};
    const Announcement cases[] = {
        {"named player, only a best time",
         "IND",
         "Ana",
         {},
         unbeatable,
         1500,
         Names{kAlsoBestTime},
         "X",
         "Ana"},
        {"unnamed player, best score",
         "IND",
         "INDIVIDUAL",
         {"Zé"},
         {},
         1500,
         Names{"input: Parabéns! Record de Melhor Ponto!", kAlsoBestTime},
         "Zé",
         "Zé"},
        {"unnamed player, tie in less time",
         "IND",
         "INDIVIDUAL",
         {"Zé"},
         tie,
         1500,
         Names{"input: Parabéns! Record de Maior Ponto!", kAlsoBestTime},
         "Zé",
         "Zé"},
        {"unnamed player cancels, is asked again",
         "IND",
         "INDIVIDUAL",
         {std::nullopt, "Lu"},
         {},
         1500,
         Names{"input: Parabéns! Record de Melhor Ponto!",
               "input: PARABÉNS!Record de MELHOR TEMPO!"},
         "",
         "Lu"},
        {"a player of a series without a name",
         "comoutro",
         "",
         {},
         unbeatable,
         1500,
         Names{kBestTime},
         "X",
         ""},
        {"a player of a series",
         "comoutro",
         "Bia",
         {},
         {},
         1500,
         Names{kHigherScore, kAlsoBestTime},
         "Bia",
         "Bia"},
    };
    for (const Announcement& c : cases) {
        SCOPED_TRACE(c.what);
        install(scoresFile(c.best, {}), versusFile({}, {}));
        s.OpponentMode = c.mode;
        for (const auto& answer : c.typed) {
            if (answer)
                dialogs.type(*answer);
            else
                dialogs.cancelInput();
        }
        offer(c.name, c.points, 90);
        EXPECT_EQ(texts(), c.boxes);
        for (const auto& box : dialogs.shown()) {
            if (box.type == ShownBox::Type::Input) {
                EXPECT_EQ(box.text, kPrompt);
                EXPECT_EQ(box.defaultText, "");
            }
        }
        EXPECT_EQ(scoreAt(0).nome, c.scoreHolder);
        EXPECT_EQ(scoreAt(5).nome, c.timeHolder);
        EXPECT_EQ(s.RecordCandidateName, "") << "cleared after the best times";
        EXPECT_EQ(s.RecordsSettled, 1);
    }
}

TEST_F(RecordsGame, LongNamesAreCutToTwelveCharactersAndPortugueseLettersSurvive) {
    loadBoth();
    s.OpponentMode = "comoutro";
    s.FigureCategory = "Números";
    offer("João Conceição", 1500, 90);
    const std::string bytes = scores();
    EXPECT_EQ(bytes.substr(0, 13), std::string("\x0CJo\xE3o Concei\xE7"));
    EXPECT_EQ(bytes.substr(39, 8), std::string("\x07N\xFAmeros"));
    EXPECT_EQ(records.view["primeiro"], "João Conceiç");
    EXPECT_EQ(records.view["Tempo_JG1"], "João Conceiç");
    EXPECT_EQ(records.view["cate_mp1"], "Números");
    loadBoth();
    EXPECT_EQ(records.view["primeiro"], "João Conceiç");
}

TEST_F(RecordsGame, ATimeOutCanEnterTheBestScoresButNeverTheBestTimes) {
    loadBoth();
    s.OpponentMode = "comoutro";
    s.TimeLimitSeconds = 120;
    offer("Ana", 300, 120);
    EXPECT_EQ(texts(), Names{kHigherScore});
    EXPECT_EQ(scoreAt(0).nome, "Ana");
    EXPECT_EQ(scores().substr(325), records::defaultRecordsFile().substr(325));
    EXPECT_EQ(s.RecordsSettled, 0);
    EXPECT_EQ(s.RecordCandidateName, "Ana");

    dialogs.clear();
    offer("Bia", 1800, 120); // cleared in the last second: not a time-out
    EXPECT_EQ(texts(), (Names{kHigherScore, kAlsoBestTime}));
    EXPECT_EQ(scoreAt(5).nome, "Bia");
}

struct VersusCase {
    const char* what;
    const char* computer;
    std::size_t place;
};

TEST_F(RecordsGame, AgainstTheComputerTheLowerComputerScoreRanksHigher) {
    const ComputerRecordEntry ana{"Ana", "1200", "600", "Figuras1"};
    const ComputerRecordEntry bia{"Bia", "900", "100", "Figuras1"};
    for (const VersusCase& c : {VersusCase{"fewer computer points", "500", 0},
                                VersusCase{"equal computer points", "600", 1},
                                VersusCase{"more computer points", "700", 1}}) {
        for (bool superdotado : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (superdotado ? " SUP" : " INT"));
            const std::size_t first = superdotado ? 0 : 5;
            install(scoresFile({}, {}),
                    superdotado ? versusFile({ana, bia}, {}) : versusFile({}, {ana, bia}));
            const std::string before = versus();
            s.FigureCategory = "Símbolos";
            offerWin(superdotado ? &Records::bateu_comp : &Records::bateu_comp2, "Caio", 1200,
                     c.computer);
            EXPECT_EQ(texts(), Names{superdotado ? kBeatSup : kBeatInt});
            const ComputerRecordEntry caio{"Caio", "1200", c.computer, "Símbolos"};
            std::vector<ComputerRecordEntry> table{ana, bia, kNoWin, kNoWin};
            table.insert(table.begin() + static_cast<long>(c.place), caio);
            for (std::size_t k = 0; k < 5; ++k)
                EXPECT_EQ(versusAt(first + k), table[k]) << k;
            const std::size_t other = superdotado ? 5 : 0;
            EXPECT_EQ(versus().substr(52 * other, 260), before.substr(52 * other, 260));
            EXPECT_EQ(s.RecordsSettled, 1);
            const RecordRowLabels row =
                RecordsView::row(superdotado ? RecordTable::Superdotado : RecordTable::Inteligente,
                                 static_cast<int>(c.place) + 1);
            EXPECT_EQ(records.view[row.name], "Caio");
            EXPECT_EQ(records.view[row.third], c.computer);
        }
    }
}

TEST_F(RecordsGame, AWinThatEntersNoTableStillSettlesTheMatch) {
    const std::vector<ComputerRecordEntry> full(5, ComputerRecordEntry{"X", "1500", "0", "--"});
    install(scoresFile({}, {}), versusFile(full, full));
    const std::string before = versus();
    offerWin(&Records::bateu_comp, "Caio", 1200, "0");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(versus(), before);
    EXPECT_EQ(s.RecordsSettled, 1);
    EXPECT_EQ(s.RecordCandidateName, "Caio");
    offerWin(&Records::bateu_comp2, "Caio", 1800, "0");
    EXPECT_EQ(texts(), Names{kBeatInt});
}

TEST_F(RecordsGame, ASettledMatchIsNotOfferedAgain) {
    loadBoth();
    s.OpponentMode = "comoutro";
    offer("Ana", 1500, 90);
    dialogs.clear();
    const std::string before = scores();
    s.RecordCandidateName = "Ana";
    records.bateu_rec();
    records.bateu_comp();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(scores(), before);
}

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
        std::string lastTime; ///< Tempo_JG5
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
        Records fresh{d.game, files};
        spill(scoresPath(), c.bytes);
        dialogs.clear();
        fresh.Records_dpl();
        EXPECT_EQ(texts(), c.boxes);
        EXPECT_EQ(fresh.view["terceiro"], c.bytes.empty() ? "Jogador 3" : "A2");
        EXPECT_EQ(fresh.view["quarto"], c.fourth);
        EXPECT_EQ(fresh.view["Tempo_JG5"], c.lastTime);
        EXPECT_EQ(scores(), c.bytes) << "loading never repairs a file";
    }
}

TEST_F(RecordsGame, AShortComputerFileLoadsNineRowsThenSaysWhy) {
    const std::vector<ComputerRecordEntry> table(
        5, ComputerRecordEntry{"Dora", "1000", "500", "Figuras2"});
    spill(versusPath(), versusFile(table, table).substr(0, 9 * 52));
    records.records_comp();
    EXPECT_EQ(texts(), Names{kLoadError});
    EXPECT_EQ(records.view["Jogador2_c4"], "Dora");
    EXPECT_EQ(records.view["Jogador2_c5"], "Jogador 5");
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
             std::filesystem::remove_all(d.ports.paths.dataFolder());
             spill(d.ports.paths.dataFolder(), "not a folder");
         },
         Names{kLoadError, kLoadError}, bothNote},
        {"the folder is still a file", [] {}, Names{}, bothNote},
        {"a folder again",
         [&] {
             std::filesystem::remove(d.ports.paths.dataFolder());
             std::filesystem::create_directories(d.ports.paths.dataFolder());
         },
         Names{}, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        dialogs.clear();
        // Each activation of the main window loads both files; a box activates it again.
        for (int activation = 0; activation < 3; ++activation) {
            records.Records_dpl();
            records.records_comp();
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
    s.OpponentMode = "comoutro";
    offer("Ana", 1500, 90);
    offerWin(&Records::bateu_comp, "Ana", 1500, "100");
    EXPECT_EQ(writes(), replacement("qvane.dat", 650) + replacement("qvane.dat", 650) +
                            replacement("qvane2.dat", 520))
        << "a best score, a best time, a win";
}

TEST_F(RecordsGame, AFileDeletedSinceTheLastLoadIsAFailureAndStaysAway) {
    loadBoth();
    std::filesystem::remove(scoresPath());
    std::filesystem::remove(versusPath());
    s.OpponentMode = "comoutro";
    offer("Ana", 1500, 90);
    EXPECT_EQ(texts(), (Names{kBestScoreError, kSmallFailure}));
    EXPECT_EQ(s.RecordsSettled, 0);
    dialogs.clear();
    offerWin(&Records::bateu_comp, "Ana", 1500, "100");
    offerWin(&Records::bateu_comp2, "Ana", 1500, "100");
    EXPECT_EQ(texts(), (Names{kSmallFailure, kSmallFailure}));
    EXPECT_EQ(s.RecordsSettled, 0);
    EXPECT_EQ(folder(), Names{"QVanel"});

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
    Records late{d.game, vanishing};
    vanishing.vanishing = scoresPath();
    s.OpponentMode = "comoutro";
    s.RecordCandidateName = "Ana";
    s.RecordCandidateScore = 1500;
    s.RecordCandidateSeconds = 90;
    s.TimeLimitSeconds = 180;
    late.bateu_rec();
    EXPECT_EQ(texts(), (Names{kHigherScore, kBestScoreError, kSmallFailure}));
    EXPECT_FALSE(std::filesystem::exists(scoresPath()));

    vanishing.vanishing = versusPath();
    dialogs.clear();
    d.game.view["Label6"].caption = "100";
    late.bateu_comp();
    EXPECT_EQ(texts(), (Names{kBeatSup, kSmallFailure}));
    EXPECT_FALSE(std::filesystem::exists(versusPath()));
    EXPECT_EQ(folder(), Names{"QVanel"});
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
        s.OpponentMode = "comoutro";
        if (c.versusTable)
            offerWin(&Records::bateu_comp, "Ana", 1500, "100");
        else
            offer("Ana", 1500, 90);
        EXPECT_EQ(texts(), c.boxes);
        EXPECT_EQ(scoreAt(0).nome == "Ana", c.bestScoreStored);
        EXPECT_EQ(scoreAt(5).nome == "Ana", c.bestTimeStored);
        EXPECT_EQ(s.RecordsSettled, c.bestTimeStored ? 1 : 0);
        if (c.versusTable) {
            EXPECT_EQ(versus(), versusBytes);
        }
    }
}

TEST_F(RecordsGame, TheComputersDisplayMustHoldANumber) {
    loadBoth();
    offerWin(&Records::bateu_comp, "Ana", 1500, "muito");
    EXPECT_EQ(texts(), Names{kSmallFailure});
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
}

class Reset : public RecordsGame {
protected:
    void SetUp() override {
        RecordsGame::SetUp();
        install(scoresFile({scoreEntry("Ana", 1500, 60)}, {}),
                versusFile({{"Bia", "1200", "300", "--"}}, {}));
    }
    void zerar(Answer answer) {
        dialogs.answer(answer);
        records.BitBtn1Click();
    }
};

TEST_F(Reset, AskingFirstAndNoChangesNothing) {
    const std::string scoreBefore = scores();
    const std::string versusBefore = versus();
    zerar(Answer::No);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const ShownBox& question = dialogs.shown()[0];
    EXPECT_EQ(question.type, ShownBox::Type::OwnCaption);
    EXPECT_EQ(question.text, "Deseja Zerar esses Records?");
    EXPECT_EQ(question.caption, "Exclusão de Records");
    EXPECT_EQ(question.icon, MessageIcon::Stop);
    EXPECT_EQ(question.buttons, Buttons::YesNoDefaultNo) << "Enter must not wipe the records";
    EXPECT_EQ(scores(), scoreBefore);
    EXPECT_EQ(versus(), versusBefore);
    EXPECT_EQ(records.view["primeiro"], "Ana");
}

TEST_F(Reset, YesBringsBackTheDefaults) {
    zerar(Answer::Yes);
    EXPECT_EQ(texts(), (Names{"Deseja Zerar esses Records?", "Records zerados com sucesso"}));
    EXPECT_EQ(scores(), records::defaultRecordsFile());
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
    EXPECT_EQ(records.view["primeiro"], "Sem Record");
    EXPECT_EQ(records.view["Jogador_c1"], "Sem Record");
}

TEST_F(Reset, WithoutTheRecordsFileNothingElseIsTouched) {
    std::filesystem::remove(scoresPath());
    const std::string versusBefore = versus();
    zerar(Answer::Yes);
    EXPECT_EQ(texts(), (Names{"Deseja Zerar esses Records?",
                              "Para zerar você tem que abrir o jogo e vir exclusivamente para "
                              "aqui e excluir, antes de começar a jogar"}));
    EXPECT_EQ(versus(), versusBefore);
    EXPECT_FALSE(std::filesystem::exists(scoresPath()));
}

TEST_F(Reset, AMissingComputerFileMakesNoDifference) {
    std::filesystem::remove(versusPath());
    zerar(Answer::Yes);
    EXPECT_EQ(texts().back(), "Records zerados com sucesso");
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
}

TEST_F(Reset, ADeletionThatRaisesAnErrorIsReported) {
    const std::string versusBefore = versus();
    dialogs.answer(Answer::Yes);
    files.faultAt(0, FaultyFileLayer::Fault::Throw);
    records.BitBtn1Click();
    EXPECT_EQ(texts().back(),
              "Houve erro ao tentar zerar o record, se persistir, contate o suporte.");
    EXPECT_EQ(versus(), versusBefore);
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
        std::filesystem::remove_all(d.ports.paths.dataFolder());
        std::filesystem::create_directories(d.ports.paths.dataFolder());
        install(oldScores, oldVersus);
        files.heal();
        s.OpponentMode = "comoutro";
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
    everyStep([&] { offerWin(&Records::bateu_comp, "Caio", 1300, "200"); }, {oldScores},
              {oldVersus, won});
}

TEST_F(Interrupted, ALoadThatCreatesAFileLeavesItWholeOrAbsent) {
    for (auto fault : {FaultyFileLayer::Fault::Fail, FaultyFileLayer::Fault::Crash}) {
        for (int step = 0; step < 12; ++step) {
            SCOPED_TRACE(step);
            files.bury();
            std::filesystem::remove_all(d.ports.paths.dataFolder());
            std::filesystem::create_directories(d.ports.paths.dataFolder());
            files.faultAt(step, fault);
            records.Records_dpl();
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
