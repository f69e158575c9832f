#include "records/Records.h"

#include "records/RecordsFile.h"

#include <functional>
#include <stdexcept>

namespace qv {

namespace {

const char* const kLoadError =
    "Houve um erro no acesso a base de dados dos records\n"
    "Provavelmente alguém alterou o arquivo de dados dos records deste jogo.\n"
    "Você terá que excluir arquivo de dados dos records que alteraram\n"
    "mas, todos os records gravados serão perdidos. Assim, volta-se ao normal.";
const char* const kBestScoreError = "Erro ao gravar records!\nSe persistir, contate o suporte";
const char* const kSmallFailure =
    "Houve uma pequena falha, se persistir, contate o Suporte Técnico.";
const char* const kNamePrompt = "Nome do novo recordista...";
const char* const kNoNamePlaceholder = "INDIVIDUAL";

/// Anything in a records file that stops a routine: a missing or unreadable file,
/// a missing entry, a damaged field, a number that is not one.
class Damaged : public std::runtime_error {
public:
    explicit Damaged(const char* why = "unusable") : std::runtime_error(why) {}
};

/// A decoded entry, or the failure of a damaged one.
template <typename Entry> Entry whole(std::optional<Entry> entry) {
    if (!entry)
        throw Damaged("damaged entry");
    return *std::move(entry);
}

int number(std::string_view text) {
    const std::optional<int> value = records::strictInteger(text);
    if (!value)
        throw Damaged();
    return *value;
}

/// A records file as read: its entries, held in memory until the new content is
/// written in one step.
class Table {
public:
    /// Bytes behind the tenth entry mean nothing; they are neither read nor kept.
    Table(FileLayer& files, std::filesystem::path file, std::size_t entrySize)
        : m_files(files), m_file(std::move(file)), m_entrySize(entrySize) {
        std::optional<std::string> content =
            m_files.read(m_file, records::kEntryCount * m_entrySize);
        if (!content)
            throw Damaged();
        m_content = std::move(*content);
    }

    std::string_view bytes(std::size_t index) const {
        if (m_content.size() < (index + 1) * m_entrySize)
            throw Damaged();
        return std::string_view(m_content).substr(index * m_entrySize, m_entrySize);
    }
    records::RecordEntry record(std::size_t index) const {
        return whole(records::decodeRecordEntry(bytes(index)));
    }
    records::ComputerRecordEntry computer(std::size_t index) const {
        return whole(records::decodeComputerEntry(bytes(index)));
    }

    /// Moves the entries from `place` to `last` one place down, as they are, and
    /// puts the new entry at `place`; the entry after `last` is lost.
    void insert(std::size_t place, std::size_t last, const std::string& entry) {
        for (std::size_t j = last + 1; j-- > place;)
            put(j + 1, std::string(bytes(j)));
        put(place, entry);
    }

    void save() {
        if (!records::replaceFile(m_files, m_file, m_content, /*mustExist=*/true))
            throw Damaged();
    }

private:
    void put(std::size_t index, const std::string& entry) {
        // A short file grows by the entry written behind its end.
        if (m_content.size() < (index + 1) * m_entrySize)
            m_content.resize((index + 1) * m_entrySize, '\0');
        m_content.replace(index * m_entrySize, m_entrySize, entry);
    }

    FileLayer& m_files;
    std::filesystem::path m_file;
    std::size_t m_entrySize;
    std::string m_content;
};

/// Creates the file with its defaults if it is missing and shows its entries; a
/// file that cannot be read, or holds fewer than ten whole entries, shows the
/// rows read so far. Returns why it failed, nothing when it loaded.
std::optional<std::string> load(FileLayer& files, const std::filesystem::path& file,
                                std::size_t entrySize, const std::string& defaults,
                                const std::function<void(std::size_t, std::string_view)>& show) {
    try {
        if (!files.exists(file) && !records::replaceFile(files, file, defaults, false))
            throw Damaged("not created");
        std::optional<std::string> content = files.read(file, records::kEntryCount * entrySize);
        if (!content)
            throw Damaged("not read");
        if (content->empty()) // nothing to show, and nothing worth a message
            return std::nullopt;
        for (std::size_t k = 0; k < records::kEntryCount; ++k) {
            if (content->size() < (k + 1) * entrySize)
                throw Damaged("short");
            show(k, std::string_view(*content).substr(k * entrySize, entrySize));
        }
    } catch (const std::exception& error) {
        return error.what();
    }
    return std::nullopt;
}

void showRow(RecordsView& view, RecordTable table, std::size_t place, const std::string& name,
             const std::string& points, const std::string& third, const std::string& category) {
    const RecordRowLabels labels = RecordsView::row(table, static_cast<int>(place) + 1);
    view[labels.name] = name;
    view[labels.points] = points;
    view[labels.third] = third;
    view[labels.category] = category;
}

} // namespace

Records::Records(MatchState& state, const MainView& mainView, MatchTimers& timers, Dialogs& dialogs,
                 const Paths& paths)
    : m_state(state), m_view(mainView), m_timers(timers), m_dialogs(dialogs), m_paths(paths),
      m_files(m_posix) {
}

Records::Records(MatchState& state, const MainView& mainView, MatchTimers& timers, Dialogs& dialogs,
                 const Paths& paths, FileLayer& files)
    : m_state(state), m_view(mainView), m_timers(timers), m_dialogs(dialogs), m_paths(paths),
      m_files(files) {
}

std::filesystem::path Records::recordsFile() const {
    return m_paths.dataFolder() / records::kRecordsFileName;
}

std::filesystem::path Records::computerRecordsFile() const {
    return m_paths.dataFolder() / records::kComputerRecordsFileName;
}

void Records::loadRecords() {
    const std::filesystem::path file = recordsFile();
    settle(file, load(m_files, file, records::kRecordEntrySize, records::defaultRecordsFile(),
                      [this](std::size_t k, std::string_view bytes) {
                          const auto entry = whole(records::decodeRecordEntry(bytes));
                          showRow(view, k < 5 ? RecordTable::BestScore : RecordTable::BestTime,
                                  k % 5, entry.name, entry.points, entry.time, entry.category);
                      }));
}

void Records::loadComputerRecords() {
    const std::filesystem::path file = computerRecordsFile();
    settle(file,
           load(m_files, file, records::kComputerEntrySize, records::defaultComputerRecordsFile(),
                [this](std::size_t k, std::string_view bytes) {
                    const auto entry = whole(records::decodeComputerEntry(bytes));
                    showRow(view,
                            k < 5 ? RecordTable::VersusGifted : RecordTable::VersusIntelligent,
                            k % 5, entry.name, entry.points, entry.computerPoints, entry.category);
                }));
}

void Records::settle(const std::filesystem::path& file, const std::optional<std::string>& failure) {
    // The main window loads at every activation, and closing the box activates it
    // again: a file that stays as it was is reported once, not in a loop.
    bool tell = false;
    if (!failure) {
        m_reportedFailures.erase(file);
    } else {
        const std::string state = m_files.state(file) + "; " + *failure;
        std::string& reported = m_reportedFailures[file];
        tell = reported != state;
        reported = state;
    }
    std::string names;
    for (const auto& [failed, state] : m_reportedFailures)
        names += (names.empty() ? "" : ", ") + failed.filename().string();
    view.failureNote = names.empty() ? std::string()
                                     : "Houve um erro no acesso a base de dados dos records (" +
                                           names + "). Clique em Zerar para voltar ao normal.";
    view.loaded();
    // Told last: the box runs the event loop, and the window shows what was read.
    if (tell)
        m_dialogs.showMessage(kLoadError);
}

void Records::offerRecord() {
    m_timers.matchTick.stop();
    const MatchState& s = m_state;
    if (s.BlockCount == 16 || s.RecordsSettled == 1)
        return;
    const int score = s.RecordCandidateScore;
    const int seconds = s.RecordCandidateSeconds;
    bestScore(score, seconds);
    // A time-out before the board was cleared never counts as a best time.
    if (seconds == s.TimeLimitSeconds && score < s.MaxBoardPoints)
        return;
    bestTime(score, seconds);
}

void Records::bestScore(int score, int seconds) {
    MatchState& s = m_state;
    Dialogs& dialogs = m_dialogs;
    try {
        Table table(m_files, recordsFile(), records::kRecordEntrySize);
        for (std::size_t i = 0; i < 5; ++i) {
            const records::RecordEntry entry = table.record(i);
            const int points = number(entry.points);
            bool higher = false;
            if (points > score)
                continue;
            if (points < score)
                higher = true;
            else if (number(entry.seconds) <= seconds)
                continue;

            if (s.OpponentMode == PlayMode::Alone && s.RecordCandidateName == kNoNamePlaceholder) {
                s.RecordCandidateName =
                    dialogs.inputBox(higher ? "Parabéns! Record de Melhor Ponto!"
                                            : "Parabéns! Record de Maior Ponto!",
                                     kNamePrompt, "");
            } else {
                dialogs.showMessage(
                    higher ? "PARABÉNS, Você quebrou um dos records de MELHOR PONTUAÇÃO!"
                           : "PARABÉNS, Você quebrou um dos records deste jogo!");
            }
            table.insert(i, 3,
                         records::encodeEntry(
                             records::RecordEntry{s.RecordCandidateName, std::to_string(score),
                                                  s.RecordCandidateTimeText, s.FigureCategory,
                                                  std::to_string(seconds)}));
            table.save();
            // After a tie the best-time part reloads the window anyway.
            if (higher)
                loadRecords();
            return;
        }
    } catch (const std::exception&) {
        dialogs.showMessage(kBestScoreError);
    }
}

void Records::bestTime(int score, int seconds) {
    MatchState& s = m_state;
    Dialogs& dialogs = m_dialogs;
    try {
        Table table(m_files, recordsFile(), records::kRecordEntrySize);
        for (std::size_t i = 5; i < records::kEntryCount; ++i) {
            const records::RecordEntry entry = table.record(i);
            const int entrySeconds = number(entry.seconds);
            const char* caption = nullptr;
            if (entrySeconds < seconds)
                continue;
            if (entrySeconds > seconds)
                caption = "PARABÉNS!Record de MELHOR TEMPO!";
            else if (number(entry.points) < score)
                caption = "PARABÉNS! Record de MELHOR TEMPO!";
            else
                continue;

            if (!s.RecordCandidateName.empty())
                dialogs.showMessage("ÓTIMO, você também quebrou um record de MELHOR TEMPO!");
            else if (s.OpponentMode == PlayMode::Alone)
                s.RecordCandidateName = dialogs.inputBox(caption, kNamePrompt, "");
            else
                dialogs.showMessage("PARABÉNS, Você quebrou um record de MELHOR TEMPO!");
            table.insert(i, 8,
                         records::encodeEntry(
                             records::RecordEntry{s.RecordCandidateName, std::to_string(score),
                                                  s.RecordCandidateTimeText, s.FigureCategory,
                                                  std::to_string(seconds)}));
            table.save();
            break;
        }
        loadRecords();
        s.RecordsSettled = 1;
        s.RecordCandidateName.clear();
    } catch (const std::exception&) {
        dialogs.showMessage(kSmallFailure);
    }
}

void Records::offerWinVersusGifted() {
    againstComputer(0, "PARABÉNS, Você quebrou um dos records deste jogo\n"
                       "CONTRA O COMPUTADOR SUPERDOTADO!");
}

void Records::offerWinVersusIntelligent() {
    againstComputer(5, "PARABÉNS, Você quebrou um dos records deste jogo\n"
                       "CONTRA O COMPUTADOR INTELIGENTE!");
}

void Records::againstComputer(int first, const char* message) {
    MatchState& s = m_state;
    if (s.BlockCount == 16 || s.RecordsSettled == 1)
        return;
    const int score = s.RecordCandidateScore;
    try {
        Table table(m_files, computerRecordsFile(), records::kComputerEntrySize);
        const std::string computerText = m_view[Role::Player2Points].caption;
        const int computerPoints = number(computerText);
        const auto begin = static_cast<std::size_t>(first);
        for (std::size_t i = begin; i < begin + 5; ++i) {
            const records::ComputerRecordEntry entry = table.computer(i);
            const int points = number(entry.points);
            if (points > score)
                continue;
            if (points == score && computerPoints >= number(entry.computerPoints))
                continue;

            m_dialogs.showMessage(message);
            table.insert(
                i, begin + 3,
                records::encodeEntry(records::ComputerRecordEntry{
                    s.RecordCandidateName, std::to_string(score), computerText, s.FigureCategory}));
            table.save();
            s.RecordsSettled = 1;
            loadComputerRecords();
            return;
        }
        s.RecordsSettled = 1;
    } catch (const std::exception&) {
        m_dialogs.showMessage(kSmallFailure);
    }
}

void Records::resetClick() {
    Dialogs& dialogs = m_dialogs;
    if (dialogs.messageBox("Deseja Zerar esses Records?", "Exclusão de Records", MessageIcon::Stop,
                           Buttons::YesNoDefaultNo) != Answer::Yes)
        return;
    try {
        if (!m_files.remove(recordsFile())) {
            dialogs.showMessage("Para zerar você tem que abrir o jogo e vir exclusivamente para "
                                "aqui e excluir, antes de começar a jogar");
            return;
        }
        // Only a missing computer file counts as reset: one still there after a
        // failed removal would be announced as reset with all its entries kept.
        if (!m_files.remove(computerRecordsFile()) && m_files.exists(computerRecordsFile()))
            throw Damaged("not removed");
    } catch (const std::exception&) {
        dialogs.showMessage(
            "Houve erro ao tentar zerar o record, se persistir, contate o suporte.");
        return;
    }
    dialogs.showMessage("Records zerados com sucesso");
    loadRecords();
    loadComputerRecords();
}

} // namespace qv
