#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qv {

/// The four tables of the records window, in the order the window shows them.
enum class RecordTable { BestScore, BestTime, Superdotado, Inteligente };

/// The label names of one row of a table.
struct RecordRowLabels {
    std::string name;
    std::string points;
    std::string third; ///< the time, or the computer's points
    std::string category;
};

/// The texts of the records window's labels, by label name ("primeiro", "ponto1",
/// "tempo1", "cate_mp1", "Tempo_JG1", ..., "cate_intel5"), as the last load left
/// them; placeholders until the first load. The window only reads them.
class RecordsView {
public:
    RecordsView();

    /// Unknown names throw std::out_of_range, so a misspelt label fails loudly.
    std::string& operator[](std::string_view name);
    const std::string& operator[](std::string_view name) const;

    const std::map<std::string, std::string, std::less<>>& labels() const { return m_labels; }
    /// Says which records files failed their last load and that "Zerar" mends
    /// them; empty while both load.
    std::string failureNote;
    /// Grows at every load, so the window knows to take the texts again.
    int generation() const { return m_generation; }
    void loaded() { ++m_generation; }

    /// The labels of a row; place counts from 1 to 5.
    static RecordRowLabels row(RecordTable table, int place);

private:
    std::map<std::string, std::string, std::less<>> m_labels;
    int m_generation = 0;
};

inline RecordRowLabels RecordsView::row(RecordTable table, int place) {
    if (place < 1 || place > 5)
        throw std::out_of_range("records tables have five places");
    const std::string n = std::to_string(place);
    static const char* const kBestScoreNames[] = {"primeiro", "segundo", "terceiro", "quarto",
                                                  "quinto"};
    switch (table) {
    case RecordTable::BestScore:
        return {kBestScoreNames[place - 1], "ponto" + n, "tempo" + n, "cate_mp" + n};
    case RecordTable::BestTime:
        return {"Tempo_JG" + n, "tempo_ponto" + n, "tempo" + n + "_tp", "cate_mt" + n};
    case RecordTable::Superdotado:
        return {"Jogador_c" + n, "pontosc_" + n, "Pontoscomp_" + n, "cate_super" + n};
    case RecordTable::Inteligente:
        return {"Jogador2_c" + n, "pontosc2_" + n, "Pontoscomp2_" + n, "cate_intel" + n};
    }
    throw std::out_of_range("unknown records table");
}

inline RecordsView::RecordsView() {
    // The captions the window was designed with, shown until the files are read.
    for (int place = 1; place <= 5; ++place) {
        for (RecordTable table : {RecordTable::BestScore, RecordTable::BestTime,
                                  RecordTable::Superdotado, RecordTable::Inteligente}) {
            const RecordRowLabels names = row(table, place);
            const bool computer =
                table == RecordTable::Superdotado || table == RecordTable::Inteligente;
            m_labels[names.name] = "Jogador " + std::to_string(place);
            m_labels[names.points] = "0000";
            m_labels[names.third] = computer ? "0000" : "0:00";
            m_labels[names.category] = "Figuras1";
        }
    }
}

inline std::string& RecordsView::operator[](std::string_view name) {
    auto found = m_labels.find(name);
    if (found == m_labels.end())
        throw std::out_of_range("no records label " + std::string(name));
    return found->second;
}

inline const std::string& RecordsView::operator[](std::string_view name) const {
    auto found = m_labels.find(name);
    if (found == m_labels.end())
        throw std::out_of_range("no records label " + std::string(name));
    return found->second;
}

} // namespace qv
