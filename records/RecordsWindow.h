#pragma once

#include <QDialog>
#include <QFont>

#include <map>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace qv {

class PictureBox;
class Records;

/// The records window: the four tables side by side, the rules under which a
/// match counts, and the pictures that close it and reset the records. Made
/// once at start and kept hidden between its modal runs; it shows the texts the
/// last load left in Records::view and never reads the files itself.
class RecordsWindow final : public QDialog {
public:
    RecordsWindow(Records& records, QWidget* owner);

    Records& records() { return m_records; }
    /// What a screen reader reads, in order: the title, each table's heading and
    /// its five rows, the rules and the two pictures.
    const std::vector<QWidget*>& readingOrder() const { return m_readingOrder; }
    /// Takes the label texts again when a load happened since the last time.
    void render();

    void closeClick();
    void resetClick();

protected:
    void showEvent(QShowEvent* event) override;
    /// Only its "Fechar" picture and Escape close it, never the window manager.
    void closeEvent(QCloseEvent* event) override;
    /// Escape closes it as "Fechar" does.
    void reject() override { closeClick(); }

private:
    void buildPictures();
    void buildTables();
    void buildRules();
    void takeTexts();

    /// One row of a table: its place label speaks for the whole row.
    struct Row {
        QLabel* place = nullptr;
        std::vector<QLabel*> cells;
    };
    void nameRows();

    /// A label of the tables and the font it was designed with.
    struct ValueLabel {
        QLabel* label = nullptr;
        QFont font;
    };

    Records& m_records;
    std::map<std::string, ValueLabel> m_labels;
    std::vector<Row> m_rows;
    std::vector<QWidget*> m_readingOrder;
    QLabel* m_failureNote = nullptr;
    PictureBox* m_closePicture = nullptr;
    PictureBox* m_resetPicture = nullptr;
    QPushButton* m_closeButton = nullptr;
    QPushButton* m_resetButton = nullptr;
    int m_generation = -1;
    bool m_closing = false;
};

/// Opens the window modally over its owner and returns once "Fechar" closed it.
void runRecordsWindow(RecordsWindow& window);

} // namespace qv
