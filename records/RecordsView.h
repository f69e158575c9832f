#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qv {

/// The four tables of the records window, in the order the window shows them.
enum class RecordTable { BestScore, BestTime, VersusGifted, VersusIntelligent };

/// The label names of one row of a table.
struct RecordRowLabels {
    std::string name;
    std::string points;
    std::string third; ///< the time, or the computer's points
    std::string category;
};

/// The texts of the records window's labels, by label name ("bestScorePlace1Name",
/// "bestScorePlace1Points", ..., "versusIntelligentPlace5Category"), as the last
/// load left them; placeholders until the first load. The window only reads them.
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
    /// What the names of a table's controls start with.
    static std::string tableName(RecordTable table);

private:
    std::map<std::string, std::string, std::less<>> m_labels;
    int m_generation = 0;
};

inline std::string RecordsView::tableName(RecordTable table) {
    switch (table) {
    case RecordTable::BestScore:
        return "bestScore";
    case RecordTable::BestTime:
        return "bestTime";
    case RecordTable::VersusGifted:
        return "versusGifted";
    case RecordTable::VersusIntelligent:
        return "versusIntelligent";
    }
    throw std::out_of_range("unknown records table");
}

inline RecordRowLabels RecordsView::row(RecordTable table, int place) {
    if (place < 1 || place > 5)
        throw std::out_of_range("records tables have five places");
    const std::string prefix = tableName(table) + "Place" + std::to_string(place);
    const bool computer =
        table == RecordTable::VersusGifted || table == RecordTable::VersusIntelligent;
    return {prefix + "Name", prefix + "Points", prefix + (computer ? "ComputerPoints" : "Time"),
            prefix + "Category"};
}

inline RecordsView::RecordsView() {
    // The captions the window was designed with, shown until the files are read.
    for (int place = 1; place <= 5; ++place) {
        for (RecordTable table : {RecordTable::BestScore, RecordTable::BestTime,
                                  RecordTable::VersusGifted, RecordTable::VersusIntelligent}) {
            const RecordRowLabels names = row(table, place);
            const bool computer =
                table == RecordTable::VersusGifted || table == RecordTable::VersusIntelligent;
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
