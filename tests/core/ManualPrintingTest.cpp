#include "dialogs/ManualPrinting.h"
#include "platform/TextPrinter.h"
#include "tests/fakes/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <optional>

namespace qv::test {
namespace {

/// A printer that keeps the lines of its one job and fails where it is told to.
class PaperPrinter final : public TextPrinter {
public:
    bool refuseJob = false;
    std::optional<std::size_t> jamAtLine; ///< index of the first line that fails
    bool failAtEnd = false;

    bool jobOpen = false;
    int jobsStarted = 0;
    std::vector<std::string> paper;

    bool open() override {
        if (refuseJob)
            return false;
        jobOpen = true;
        ++jobsStarted;
        return true;
    }
    bool writeLine(const std::string& line) override {
        EXPECT_TRUE(jobOpen) << "a line outside a job";
        if (jamAtLine && paper.size() == *jamAtLine)
            return false;
        paper.push_back(line);
        return true;
    }
    bool close() override {
        EXPECT_TRUE(jobOpen) << "ended a job that never started";
        jobOpen = false;
        return !failAtEnd;
    }
};

const std::vector<std::string> kManual{"   Título", "", "Primeira linha", "", "", "Última"};

class ManualPrinting : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    PaperPrinter printer;
};

TEST_F(ManualPrinting, AsksFirstAndPrintsEveryLineInOrderIncludingTheEmptyOnes) {
    dialogs.answer(Answer::Yes);
    printManual(kManual, dialogs, printer);

    ASSERT_EQ(dialogs.shown().size(), 1u) << "no message after a good print";
    const ShownBox& question = dialogs.shown().front();
    EXPECT_EQ(question.type, ShownBox::Type::OwnCaption);
    EXPECT_EQ(question.caption, "Impressão de Manual");
    EXPECT_EQ(question.text, "Deseja imprimir esse manual de instruções?\n\n\nSão 3 páginas");
    EXPECT_EQ(question.icon, MessageIcon::Information);
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(printer.paper, kManual);
    EXPECT_EQ(printer.jobsStarted, 1);
    EXPECT_FALSE(printer.jobOpen);
}

TEST_F(ManualPrinting, AnsweringNoPrintsNothing) {
    dialogs.answer(Answer::No);
    printManual(kManual, dialogs, printer);
    EXPECT_EQ(printer.jobsStarted, 0);
    EXPECT_TRUE(printer.paper.empty());
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

struct PrintFault {
    const char* what;
    void (*arrange)(PaperPrinter&);
    std::size_t linesOnPaper;
};

class ManualPrintingFault : public ManualPrinting,
                            public ::testing::WithParamInterface<PrintFault> {};

TEST_P(ManualPrintingFault, TellsTheFailureAndEndsTheJobThatStarted) {
    GetParam().arrange(printer);
    dialogs.answer(Answer::Yes);
    printManual(kManual, dialogs, printer);

    EXPECT_FALSE(printer.jobOpen) << "the job was left open";
    EXPECT_EQ(printer.paper.size(), GetParam().linesOnPaper) << "no line after the failure";
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.last().type, ShownBox::Type::Typed);
    EXPECT_EQ(dialogs.last().caption, "Error");
    EXPECT_EQ(dialogs.last().text, "Error de impressão de texto.");
    EXPECT_EQ(dialogs.last().buttons, Buttons::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ManualPrintingFault,
    ::testing::Values(PrintFault{"NoPrinter", [](PaperPrinter& p) { p.refuseJob = true; }, 0},
                      PrintFault{"JamOnTheThirdLine", [](PaperPrinter& p) { p.jamAtLine = 2; }, 2},
                      PrintFault{"JobCannotBeFinished", [](PaperPrinter& p) { p.failAtEnd = true; },
                                 kManual.size()}),
    [](const ::testing::TestParamInfo<PrintFault>& fault) {
        return std::string(fault.param.what);
    });

} // namespace
} // namespace qv::test
