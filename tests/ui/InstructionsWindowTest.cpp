#include "dialogs/InstructionsWindow.h"
#include "figures/PhotoFolder.h"
#include "platform/qt/QtTextPrinter.h"
#include "tests/fakes/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "tests/ui/WindowTestTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace qv::test {
namespace {

/// The text of a PDF as `pdftotext -layout` reads it, one entry per page; empty
/// when the tool is missing or fails.
QStringList pdfPages(const QString& pdf) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

qsizetype countTextLines(const QStringList& lines) {
    return std::count_if(lines.begin(), lines.end(),
                         [](const QString& line) { return !line.trimmed().isEmpty(); });
}

/// Checks that the pages carry the box's lines in order, one printed line each.
/// Empty lines at the top or the bottom of a page leave no trace in the text a
/// PDF gives back, so only those may be missing.
void expectPrintedAsShown(const QStringList& pages, const QStringList& shown) {
    qsizetype next = 0;
    for (const QString& page : pages) {
        QStringList lines = page.split(QLatin1Char('\n'));
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        while (next < shown.size() && shown[next].isEmpty())
            ++next;
        for (const QString& line : lines) {
            ASSERT_LT(next, shown.size())
                << "printed more than the box shows: " << line.toStdString();
            ASSERT_EQ(line.simplified().toStdString(), shown[next].simplified().toStdString())
                << "line " << next + 1;
            ++next;
        }
    }
    while (next < shown.size() && shown[next].isEmpty())
        ++next;
    EXPECT_EQ(next, shown.size()) << "the printout stops early";
}

class Instructions : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString pdf = folder.filePath(QStringLiteral("manual.pdf"));
    ScriptedDialogs dialogs;
    std::unique_ptr<QtTextPrinter> printer = QtTextPrinter::toPdfFile(pdf);
    InstructionsWindow window{dialogs, *printer, nullptr};

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename T> T* child(const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void print(Answer answer) {
        dialogs.answer(answer);
        QTest::mouseClick(child<QPushButton>("print"), Qt::LeftButton);
    }
    static void skipWithoutPdfReader() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; scripts/setup installs it";
    }
};

TEST_F(Instructions, ShowsTheManualWithItsHeadingsInOrder) {
    EXPECT_EQ(window.windowTitle(), "Instruções");
    EXPECT_EQ(window.size(), QSize(424, 273));
    auto* box = child<QTextEdit>("manual");
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(child<QPushButton>("ok")->text(), "&OK");
    auto* print = child<QPushButton>("print");
    EXPECT_EQ(print->text(), "&Imprimir");
    EXPECT_EQ(print->palette().color(QPalette::ButtonText), Qt::red);
    keepScreenshot(window, "instructions");

    const QString text = box->toPlainText();
    const char* headings[] = {
        "Quorvanella 2.0",
        "ÍNDICE",
        "1. Como funciona o Jogo",
        "2. Mudando as configurações padrões do Jogo",
        "3. Como configurar suas próprias figuras para usar no Jogo",
        "4. Como modificar seus próprios efeitos sonoros",
        "5. Particularidades do Jogo",
        "1. Como Funciona o Jogo:",
        "2. Mudando as definições padrões do Quorvanella",
        "2.1 Para usar o jogo a 2 (dois) faça:",
        "2.2 Para usar o jogo contra o computador faça:",
        "2.3 - O tempo",
        "2.4 - Mudando os tipos de figuras",
        "3. Como configurar suas próprias figuras para usar no Jogo",
        "4. Como usar seus próprios efeitos sonoros",
        "5. ====  Particularidades =====",
        "Sobre o recorde:",
        "Sobre o botão PARAR",
        "Quorvanella 2.0",
    };
    qsizetype from = 0;
    for (const char* heading : headings) {
        const qsizetype at = text.indexOf(QString::fromUtf8(heading), from);
        ASSERT_GE(at, 0) << "missing or out of order: " << heading;
        from = at + 1;
    }
    // The photos are named as the photo manager writes them.
    QTemporaryDir photos;
    const std::filesystem::path source = photos.filePath(QStringLiteral("praia.jpg")).toStdString();
    std::ofstream(source) << "jpeg";
    std::string named = "com os nomes ";
    for (int number : {1, 12}) {
        const std::filesystem::path target = photos.filePath(QString::number(number)).toStdString();
        std::filesystem::create_directory(target);
        ASSERT_TRUE(photo_folder::copyIn(source, target, number));
        for (const auto& file : std::filesystem::directory_iterator(target))
            named += file.path().filename().string() + (number == 1 ? " até " : ".");
    }
    EXPECT_TRUE(text.contains(QString::fromStdString(named))) << named;
}

TEST_F(Instructions, PrintsTheLinesAsTheBoxWrapsThemOnThreePages) {
    skipWithoutPdfReader();
    const QStringList shown = window.shownLines();
    ASSERT_GT(shown.size(), child<QTextEdit>("manual")->document()->blockCount())
        << "no line of the manual is wrapped by the box";
    ASSERT_TRUE(shown.contains(QString())) << "the manual has empty lines";

    print(Answer::Yes);

    ASSERT_EQ(dialogs.shown().size(), 1u) << "only the question, no error";
    const QStringList pages = pdfPages(pdf);
    EXPECT_EQ(pages.size(), 3) << "the question promises three pages";
    expectPrintedAsShown(pages, shown);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(Instructions, WithoutAPrinterTellsTheErrorAndStaysOpen) {
    const std::pair<const char*, std::unique_ptr<QtTextPrinter>> printers[] = {
        {"no such printer", QtTextPrinter::named(QStringLiteral("quorvanella-no-such-printer"))},
        {"unwritable output", QtTextPrinter::toPdfFile(folder.filePath("missing/manual.pdf"))},
    };
    for (const auto& [what, failing] : printers) {
        ScriptedDialogs told;
        InstructionsWindow instructions(told, *failing, nullptr);
        instructions.show();
        told.answer(Answer::Yes);
        QTest::mouseClick(instructions.findChild<QPushButton*>(QStringLiteral("print")),
                          Qt::LeftButton);
        ASSERT_EQ(told.shown().size(), 2u) << what;
        EXPECT_EQ(told.last().caption, "Error") << what;
        EXPECT_EQ(told.last().text, "Error de impressão de texto.") << what;
        EXPECT_TRUE(instructions.isVisible()) << what;
    }
}

TEST_F(Instructions, OkClosesWithoutAnythingElse) {
    QTest::mouseClick(child<QPushButton>("ok"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(Instructions, WorksFromTheKeyboardAlone) {
    auto* box = child<QTextEdit>("manual");
    EXPECT_TRUE(box->hasFocus()) << "the text takes the keys first, so they scroll it";
    QTest::keyClick(box, Qt::Key_PageDown);
    EXPECT_GT(box->verticalScrollBar()->value(), 0);

    const char* order[] = {"ok", "print", "manual"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
    }

    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible()) << "Enter is OK";
    EXPECT_EQ(window.result(), QDialog::Accepted);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible()) << "Escape closes";
    EXPECT_TRUE(dialogs.shown().empty());
}

// scripts/test starts a private print server with a PDF printer as the default
// printer where the machine allows it, and names the folder its PDFs land in.
TEST_F(Instructions, PrintsOnTheDefaultPrinter) {
    const QString landing = qEnvironmentVariable("QV_TEST_PDF_PRINTER_OUT");
    if (landing.isEmpty())
        GTEST_SKIP() << "no print server with a PDF printer here (scripts/test starts one where "
                        "cups and printer-driver-cups-pdf are installed and it runs as root)";
    skipWithoutPdfReader();
    ASSERT_FALSE(QPrinterInfo::defaultPrinter().isNull()) << "the PDF printer is not the default";

    QDir out(landing);
    const QStringList before = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    QtTextPrinter defaultPrinter;
    ScriptedDialogs told;
    InstructionsWindow instructions(told, defaultPrinter, nullptr);
    instructions.show();
    told.answer(Answer::Yes);
    QTest::mouseClick(instructions.findChild<QPushButton*>(QStringLiteral("print")),
                      Qt::LeftButton);
    ASSERT_EQ(told.shown().size(), 1u) << told.last().text;

    QString printed;
    for (int waited = 0; waited < 600 && printed.isEmpty(); ++waited) {
        QTest::qWait(100);
        for (const QString& name : out.entryList({QStringLiteral("*.pdf")}, QDir::Files))
            if (!before.contains(name) && QFileInfo(out.filePath(name)).size() > 0)
                printed = out.filePath(name);
    }
    ASSERT_FALSE(printed.isEmpty()) << "no PDF in " << landing.toStdString() << " after a minute";
    QTest::qWait(500); // the printer writes the file before it closes it
    const QStringList pages = pdfPages(printed);
    QFile::remove(printed);
    EXPECT_EQ(pages.size(), 3);
    // The PDF printer turns the job into PostScript and back, which re-encodes
    // the fonts: the letters and the blank lines cannot be read back, but the
    // printed lines can be counted.
    EXPECT_EQ(countTextLines(pages.join(QLatin1Char('\n')).split(QLatin1Char('\n'))),
              countTextLines(instructions.shownLines()));
}

} // namespace
} // namespace qv::test
