#include "records/RecordsWindow.h"
#include "app/MainWindow.h"
#include "platform/qt/QtScreen.h"
#include "records/Records.h"
#include "tests/fakes/TestPorts.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <iterator>
#include <set>

#include "tests/ui/WindowTestTools.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

constexpr RecordTable kTables[] = {RecordTable::BestScore, RecordTable::BestTime,
                                   RecordTable::VersusGifted, RecordTable::VersusIntelligent};

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RecordsScreen : public ::testing::Test {
protected:
    TestPorts fakes;
    QtScreen screen;
    Ports ports{fakes.scheduler, fakes.scheduler, fakes.random, fakes.dialogs, screen, fakes.paths};
    MainWindow main{ports};
    Records records{main.game().state, main.game().view, main.game().timers, fakes.dialogs,
                    fakes.paths};
    RecordsWindow window{records, &main};

    void SetUp() override {
        main.initialize();
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        records.loadRecords();
        records.loadComputerRecords();
    }

    QLabel* label(const std::string& name) {
        auto* found = window.findChild<QLabel*>(QString::fromStdString(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const std::string& name) {
        QLabel* found = label(name);
        return found ? found->text() : QString();
    }
    QWidget* picture(const char* name) {
        auto* found = window.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void showAndWait() {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    /// A single-player match by "Ana" that enters both tables at first place.
    void storeAnasRecord() {
        MatchState& s = main.game().state;
        s.RecordCandidateScore = 1500;
        s.RecordCandidateName = "Ana";
        s.RecordCandidateSeconds = 70;
        s.RecordCandidateTimeText = "1:10";
        s.TimeLimitSeconds = 180;
        s.FigureCategory = "Símbolos";
        records.offerRecord();
        fakes.dialogs.clear();
    }
    void expectDefaults() {
        for (RecordTable table : kTables) {
            const bool computer =
                table == RecordTable::VersusGifted || table == RecordTable::VersusIntelligent;
            for (int place = 1; place <= 5; ++place) {
                const RecordRowLabels row = RecordsView::row(table, place);
                EXPECT_EQ(text(row.name),
                          table == RecordTable::BestTime ? "Sem Recordet" : "Sem Record");
                EXPECT_EQ(text(row.points), "0000");
                EXPECT_EQ(text(row.third), computer ? "0000" : "00:00") << row.third;
                EXPECT_EQ(text(row.category), "--");
            }
        }
    }
};

TEST_F(RecordsScreen, OpensModallyOverTheMainWindowWithTheLoadedTablesUntilFechar) {
    fakes.dialogs.onWindow(ModalWindow::Records, [this] { runRecordsWindow(window); });
    bool shownModal = false;
    QPoint offCentre;
    QTimer::singleShot(0, [&] {
        shownModal = QApplication::activeModalWidget() == &window;
        offCentre = window.geometry().center() - main.geometry().center();
        expectDefaults();
        keepScreenshot(window, "records-defaults");
        QTest::mouseClick(picture("closePicture"), Qt::LeftButton);
    });
    Watchdog watchdog;
    fakes.dialogs.showModal(ModalWindow::Records);

    EXPECT_TRUE(shownModal);
    EXPECT_LE(offCentre.manhattanLength(), 2) << "centred on the main window";
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Kept for the next run, which shows what was loaded in between.
    storeAnasRecord();
    QString shownName;
    QTimer::singleShot(0, [&] {
        shownName = text("bestScorePlace1Name");
        QTest::mouseClick(picture("closePicture"), Qt::LeftButton);
    });
    fakes.dialogs.showModal(ModalWindow::Records);
    EXPECT_EQ(shownName, "Ana");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(RecordsScreen, OnlyItsFecharPictureAndEscapeCloseIt) {
    showAndWait();
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window.close());
    QTest::keyClick(&window, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(fakes.dialogs.shown().empty());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible()) << "Escape is Fechar";
    EXPECT_EQ(window.result(), QDialog::Accepted);
    showAndWait();

    EXPECT_EQ(picture("closePicture")->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(picture("closePicture"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);

    // Closing once must not let the next run be closed by the window manager.
    showAndWait();
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(RecordsScreen, ZerarAnsweredNoKeepsTheRecords) {
    storeAnasRecord();
    const std::string before = contents(records.recordsFile());
    const std::string computerBefore = contents(records.computerRecordsFile());
    showAndWait();
    EXPECT_EQ(text("bestScorePlace1Name"), "Ana");

    fakes.dialogs.answer(Answer::No);
    QTest::mouseClick(picture("resetPicture"), Qt::LeftButton);
    ASSERT_EQ(fakes.dialogs.shown().size(), 1u) << "only the question";
    EXPECT_EQ(fakes.dialogs.last().text, "Deseja Zerar esses Records?");
    EXPECT_EQ(contents(records.recordsFile()), before);
    EXPECT_EQ(contents(records.computerRecordsFile()), computerBefore);
    EXPECT_EQ(text("bestScorePlace1Name"), "Ana");
    EXPECT_EQ(text("bestTimePlace1Name"), "Ana");
    EXPECT_TRUE(window.isVisible());
}

TEST_F(RecordsScreen, ZerarAnsweredYesShowsTheDefaultsAgain) {
    storeAnasRecord();
    showAndWait();
    EXPECT_EQ(text("bestScorePlace1Name"), "Ana");
    EXPECT_EQ(text("bestScorePlace1Time"), "1:10");
    EXPECT_EQ(text("bestTimePlace1Category"), "Símbolos");

    fakes.dialogs.answer(Answer::Yes);
    QTest::mouseClick(picture("resetPicture"), Qt::LeftButton);
    std::vector<std::string> texts;
    for (const ShownBox& box : fakes.dialogs.shown())
        texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Deseja Zerar esses Records?",
                                               "Records zerados com sucesso"}));
    expectDefaults();
    EXPECT_TRUE(window.isVisible()) << "the reset leaves the window open";
    EXPECT_EQ(picture("resetPicture")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(RecordsScreen, ZerarWithoutTheRecordsFileSaysWhyAndKeepsTheComputerRecords) {
    storeAnasRecord();
    showAndWait();
    std::filesystem::remove(records.recordsFile());
    const std::string computerBefore = contents(records.computerRecordsFile());

    fakes.dialogs.answer(Answer::Yes);
    QTest::mouseClick(picture("resetPicture"), Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().text,
              "Para zerar você tem que abrir o jogo e vir exclusivamente para aqui e excluir, "
              "antes de começar a jogar");
    EXPECT_EQ(contents(records.computerRecordsFile()), computerBefore);
    EXPECT_FALSE(std::filesystem::exists(records.recordsFile())) << "nothing is reloaded";
    EXPECT_EQ(text("bestScorePlace1Name"), "Ana") << "the window keeps what it showed";
}

TEST_F(RecordsScreen, AScreenReaderReadsEachHeadingThenItsRowsInOrder) {
    storeAnasRecord();
    showAndWait();
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    QStringList read;
    for (int i = 0; i < root->childCount(); ++i) {
        EXPECT_EQ(root->indexOfChild(root->child(i)), i);
        read << root->child(i)->text(QAccessible::Name);
    }
    const char* headings[] = {"Melhor Pontuação", "Melhor Tempo", "Contra: Computador Superdotado",
                              "Contra: Computador Inteligente"};
    ASSERT_EQ(read.size(), 1 + 4 * 6 + 4 + 3) << read.join(" | ").toStdString();
    EXPECT_EQ(read[0], "Melhores Jogadores do Quorvanella 2.0");
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(read[1 + t * 6], QString::fromUtf8(headings[t]));
        for (int n = 1; n <= 5; ++n)
            EXPECT_TRUE(read[1 + t * 6 + n].startsWith(QStringLiteral("%1º -").arg(n)))
                << read[1 + t * 6 + n].toStdString();
    }
    EXPECT_EQ(read[2], QString::fromUtf8("1º - Ana, 1500, 1:10, Símbolos"));
    EXPECT_EQ(read[8], QString::fromUtf8("1º - Ana, 1:10, 1500, Símbolos"));
    EXPECT_EQ(read[14], QString::fromUtf8("1º - Sem Record, 0000 X 0000, --"));
    EXPECT_EQ(read.mid(25, 2), (QStringList{"REGRAS", text("ruleSharedMatch")}));
    EXPECT_EQ(read.mid(30), (QStringList{"Fechar", "Zerar"}));
}

TEST_F(RecordsScreen, ShowsItsDesignAroundTheTables) {
    showAndWait();
    keepScreenshot(window, "records-window");
    EXPECT_EQ(window.windowTitle(), "Records");
    EXPECT_EQ(window.size(), QSize(606, 392));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed size";
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0, 128, 0));

    auto* close = window.findChild<QPushButton*>(QStringLiteral("close"));
    auto* reset = window.findChild<QPushButton*>(QStringLiteral("reset"));
    ASSERT_TRUE(close && reset);
    EXPECT_EQ(close->text(), "&Fechar");
    EXPECT_EQ(reset->text(), "&Zerar");
    EXPECT_EQ(reset->toolTip(), "Apaga dos o records");
    EXPECT_FALSE(close->isVisible());
    EXPECT_FALSE(reset->isVisible());

    std::set<QString> shown;
    for (QLabel* found : window.findChildren<QLabel*>())
        shown.insert(found->text());
    for (const char* line :
         {"REGRAS", "1. Jogar contra seu colega disputando a mesma partida, não vale records.",
          "2. Também não vale disputa de  records, o jogador que optar por usar 16 Blocos.",
          "3. Não disputam records contra o computador, quem optar por Jogar contra o "
          "Sabidinho."})
        EXPECT_EQ(shown.count(QString::fromUtf8(line)), 1u) << line;

    // Every picture shows something in its place, and both buttons lie wholly
    // inside the window.
    const QImage whole = window.grab().toImage();
    for (const char* name : {"closePicture", "resetPicture", "title", "horizontalBar",
                             "verticalBar", "bestScoreHeading", "bestTimeHeading",
                             "versusGiftedHeading", "versusIntelligentHeading"}) {
        QWidget* box = picture(name);
        ASSERT_NE(box, nullptr);
        const QRect area = box->geometry() & window.rect();
        std::set<QRgb> colours;
        for (int y = area.top(); y <= area.bottom(); y += 2)
            for (int x = area.left(); x <= area.right(); x += 2)
                colours.insert(whole.pixel(x, y));
        EXPECT_GT(colours.size(), 8u) << name << " is blank";
    }
    for (const char* name : {"closePicture", "resetPicture", "resetFrame", "closeFrame"})
        EXPECT_TRUE(window.rect().contains(picture(name)->geometry())) << name;
    // Each bevel frames its whole picture.
    EXPECT_TRUE(picture("closeFrame")->geometry().contains(picture("closePicture")->geometry()));
    EXPECT_TRUE(picture("resetFrame")->geometry().contains(picture("resetPicture")->geometry()));
}

TEST_F(RecordsScreen, PlacesAreRedForTheFirstThenBlackOnTheLeftAndBlueOnTheRight) {
    showAndWait();
    std::map<int, std::vector<QLabel*>> placesByRow;
    for (QLabel* found : window.findChildren<QLabel*>()) {
        if (found->text().endsWith(QStringLiteral("º -")))
            placesByRow[found->text().front().digitValue()].push_back(found);
    }
    ASSERT_EQ(placesByRow.size(), 5u);
    for (const auto& [place, labels] : placesByRow) {
        ASSERT_EQ(labels.size(), 4u) << place;
        for (QLabel* found : labels) {
            const bool right = found->x() > 300;
            const QColor expected = place == 1 ? Qt::red : right ? Qt::blue : Qt::black;
            EXPECT_EQ(found->palette().color(QPalette::WindowText), expected)
                << place << (right ? " right" : " left");
        }
    }
}

TEST_F(RecordsScreen, TheWidestTextsFitTheirColumns) {
    // Twelve characters is the longest a stored name can be, W the widest letter;
    // "Personaliz" is the longest category.
    for (RecordTable table : kTables) {
        for (int place = 1; place <= 5; ++place) {
            const RecordRowLabels row = RecordsView::row(table, place);
            records.view[row.name] = "WWWWWWWWWWWW";
            records.view[row.points] = "1800";
            records.view[row.third] =
                table == RecordTable::BestScore || table == RecordTable::BestTime ? "00:00"
                                                                                  : "1800";
            records.view[row.category] = "Personaliz";
        }
    }
    records.view.loaded();
    window.render();
    showAndWait();
    keepScreenshot(window, "records-widest");

    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    for (QLabel* found : labels) {
        const int needed = QFontMetrics(found->font()).horizontalAdvance(found->text());
        EXPECT_LE(needed, found->width()) << found->objectName().toStdString() << " cuts \""
                                          << found->text().toStdString() << "\"";
        EXPECT_TRUE(window.rect().contains(found->geometry())) << found->objectName().toStdString();
    }
    // Labels of one row never overlap.
    for (QLabel* a : labels) {
        for (QLabel* b : labels) {
            if (a != b && a->geometry().intersects(b->geometry()))
                ADD_FAILURE() << a->objectName().toStdString() << " overlaps "
                              << b->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace qv::test
