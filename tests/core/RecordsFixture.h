#pragma once

#include "records/Records.h"

#include "records/RecordsFile.h"
#include "tests/fakes/FaultyFileLayer.h"
#include "tests/fakes/MatchDriver.h"
#include "tests/fakes/MatchParts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The game's records routines over real files in a folder of their own, with
// the texts they show and helpers that build records files.
namespace qv::test {

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

inline std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void spill(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

inline RecordEntry scoreEntry(const std::string& name, int points, int seconds) {
    return {name, std::to_string(points),
            std::to_string(seconds / 60) + ":" + (seconds % 60 < 10 ? "0" : "") +
                std::to_string(seconds % 60),
            "Figuras2", std::to_string(seconds)};
}

const RecordEntry kNoScore{"Sem Record", "0000", "00:00", "--", "0"};
const RecordEntry kNoTime{"Sem Recordet", "0000", "00:00", "--", "180"};
const ComputerRecordEntry kNoWin{"Sem Record", "0000", "0000", "--"};

/// A records file of the two tables, padded with the defaults.
inline std::string scoresFile(std::vector<RecordEntry> best, std::vector<RecordEntry> fastest) {
    best.resize(5, kNoScore);
    fastest.resize(5, kNoTime);
    std::string bytes;
    for (const auto& e : best)
        bytes += records::encodeEntry(e);
    for (const auto& e : fastest)
        bytes += records::encodeEntry(e);
    return bytes;
}

inline std::string versusFile(std::vector<ComputerRecordEntry> sup,
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

inline MatchParts& partsOf(MatchParts& parts) {
    return parts;
}
inline Game& partsOf(MatchDriver& driver) {
    return driver.game;
}

/// The records routines on `World`'s state, view and ports: bare parts for the
/// routines alone, a whole game where matches are played.
template <typename World> class RecordsOn : public ::testing::Test {
protected:
    World world;
    decltype(partsOf(world))& parts = partsOf(world);
    FaultyFileLayer files;
    Records records{parts.state,         parts.view,        parts.timers,
                    world.ports.dialogs, world.ports.paths, files};
    ScriptedDialogs& dialogs = world.ports.dialogs;
    MatchState& s = parts.state;

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
        records.loadRecords();
        records.loadComputerRecords();
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
        s.RecordCandidateTimeText = scoreEntry(name, points, seconds).time;
        s.RecordsSettled = 0;
        if (s.TimeLimitSeconds == 0) // as the first match of a run sets it
            s.TimeLimitSeconds = 180;
        records.offerRecord();
    }
    void offerWin(void (Records::*routine)(), const std::string& name, int points,
                  const std::string& computer) {
        s.RecordCandidateName = name;
        s.RecordCandidateScore = points;
        s.RecordsSettled = 0;
        parts.view[Role::Player2Points].caption = computer;
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
        for (const auto& entry :
             std::filesystem::directory_iterator(world.ports.paths.dataFolder()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

using RecordsGame = RecordsOn<MatchParts>;

/// The routines plugged into a game, for matches played to their end.
class RecordsMatch : public RecordsOn<MatchDriver> {
protected:
    MatchDriver& d = world;

    void SetUp() override { d.game.setRecords(records); }
};

using Names = std::vector<std::string>;

inline Names operator+(Names first, const Names& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace qv::test
