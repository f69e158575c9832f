#pragma once

#include <QDialog>
#include <QFont>

#include <map>
#include <string>

class QLabel;
class QPushButton;

namespace qv {

class PictureBox;
class Records;

/// The records window: the four tables side by side, the rules under which a
/// match counts, and the pictures that close it and reset the records. Made
/// once at start and kept hidden between its modal runs; it shows the texts the
/// last load left in Records::view and never reads the files itself.
class TForm_record final : public QDialog {
public:
    TForm_record(Records& records, QWidget* owner);

    Records& records() { return m_records; }
    /// Takes the label texts again when a load happened since the last time.
    void render();

    void Button1Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
    /// Only its "Fechar" picture closes it, never the window manager.
    void closeEvent(QCloseEvent* event) override;
    /// Nor Escape.
    void reject() override {}

private:
    void buildPictures();
    void buildTables();
    void buildRules();
    void takeTexts();

    /// A label of the tables and the font it was designed with.
    struct ValueLabel {
        QLabel* label = nullptr;
        QFont font;
    };

    Records& m_records;
    std::map<std::string, ValueLabel> m_labels;
    QLabel* m_failureNote = nullptr;
    PictureBox* m_image1 = nullptr;
    PictureBox* m_image2 = nullptr;
    QPushButton* m_button1 = nullptr;
    QPushButton* m_bitBtn1 = nullptr;
    int m_generation = -1;
    bool m_closing = false;
};

/// Opens the window modally over its owner and returns once "Fechar" closed it.
void runRecordsWindow(TForm_record& window);

} // namespace qv
