#include "platform/qt/QtDialogs.h"

#include "tests/ui/BoxAnswerer.h"
#include "tests/ui/WindowTestTools.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

class RealDialogs : public ::testing::Test {
protected:
    QWidget owner;
    QtDialogs dialogs;
    int beforeModal = 0;
    Watchdog watchdog;

    void SetUp() override {
        dialogs.setParent(&owner);
        dialogs.setBeforeModal([this] { ++beforeModal; });
        owner.show();
    }
};

struct BoxCase {
    const char* what;
    std::function<Answer(Dialogs&)> open;
    QString caption;
    QMessageBox::Icon icon;
    QStringList buttons;
    QString defaultButton; ///< what Enter answers
    Answer enter;
};

TEST_F(RealDialogs, BoxesShowTheirCaptionTextIconAndButtonsAndEnterTakesTheDefault) {
    const QString text = QStringLiteral("Deseja Zerar esses Records?\nNão há volta.");
    const std::string message = text.toStdString();
    const QStringList yesNo{QStringLiteral("&Yes"), QStringLiteral("&No")};
    const QStringList ok{QStringLiteral("OK")};
    const BoxCase cases[] = {
        {"plain",
         [&](Dialogs& d) {
             d.showMessage(message);
             return Answer::Ok;
         },
         QStringLiteral("Quorva Nella 2.0"), QMessageBox::NoIcon, ok, QStringLiteral("OK"),
         Answer::Ok},
        {"error display",
         [&](Dialogs& d) {
             d.showError(message);
             return Answer::Ok;
         },
         QStringLiteral("Quorva Nella 2.0"), QMessageBox::Critical, ok, QStringLiteral("OK"),
         Answer::Ok},
        {"typed warning",
         [&](Dialogs& d) { return d.messageDlg(message, MessageKind::Warning, Buttons::Ok); },
         QStringLiteral("Warning"), QMessageBox::Warning, ok, QStringLiteral("OK"), Answer::Ok},
        {"typed information",
         [&](Dialogs& d) { return d.messageDlg(message, MessageKind::Information, Buttons::Ok); },
         QStringLiteral("Information"), QMessageBox::Information, ok, QStringLiteral("OK"),
         Answer::Ok},
        {"typed question",
         [&](Dialogs& d) { return d.messageDlg(message, MessageKind::Confirm, Buttons::YesNo); },
         QStringLiteral("Confirm"), QMessageBox::Question, yesNo, QStringLiteral("&Yes"),
         Answer::Yes},
        {"own caption, No by default",
         [&](Dialogs& d) {
             return d.messageBox(message, "Exclusão de Records", MessageIcon::Stop,
                                 Buttons::YesNoDefaultNo);
         },
         QStringLiteral("Exclusão de Records"), QMessageBox::Critical, yesNo, QStringLiteral("&No"),
         Answer::No},
    };
    BoxAnswerer answerer;
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.what);
        answerer.clear();
        const int hooked = beforeModal;
        EXPECT_EQ(c.open(dialogs), c.enter);
        EXPECT_EQ(beforeModal, hooked + 1) << "the window is brought up to date first";
        ASSERT_EQ(answerer.seen().size(), 1u);
        const SeenBox& seen = answerer.seen().front();
        EXPECT_EQ(seen.parent, &owner);
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.text, text);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
        if (c.buttons.size() > 1) {
            EXPECT_EQ(seen.defaultButton, c.defaultButton);
        }
    }
}

TEST_F(RealDialogs, QuestionsAnswerWhatWasPressedAndEscapeSaysNo) {
    const struct {
        const char* what;
        std::function<void(QDialog&)> hand;
        Answer answer;
    } cases[] = {
        {"Yes", [](QDialog& box) { BoxAnswerer::press(box, QStringLiteral("&Yes")); }, Answer::Yes},
        {"No", [](QDialog& box) { BoxAnswerer::press(box, QStringLiteral("&No")); }, Answer::No},
        {"Escape", [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); }, Answer::No},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (Buttons buttons : {Buttons::YesNo, Buttons::YesNoDefaultNo}) {
            BoxAnswerer answerer([&](QDialog& box, const SeenBox&) { c.hand(box); });
            EXPECT_EQ(
                dialogs.messageBox("Continuar?", "Quorvanella 2.0", MessageIcon::Question, buttons),
                c.answer);
            EXPECT_EQ(answerer.seen().size(), 1u);
        }
    }
}

TEST_F(RealDialogs, InputBoxesGiveTheTextOrTheDefaultWhenCancelled) {
    const struct {
        const char* what;
        std::function<void(QDialog&)> hand;
        std::string answer;
    } cases[] = {
        {"typed and OK",
         [](QDialog& box) {
             auto* edit = box.findChild<QLineEdit*>();
             edit->selectAll();
             QTest::keyClicks(edit, QStringLiteral("Joao Ze"));
             edit->insert(QStringLiteral(" Ç"));
             BoxAnswerer::press(box, QStringLiteral("OK"));
         },
         "Joao Ze Ç"},
        {"Enter keeps the default", [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Return); },
         "Sem nome"},
        {"typed and cancelled",
         [](QDialog& box) {
             QTest::keyClicks(box.findChild<QLineEdit*>(), QStringLiteral("Ana"));
             BoxAnswerer::press(box, QStringLiteral("Cancel"));
         },
         "Sem nome"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BoxAnswerer answerer([&](QDialog& box, const SeenBox&) { c.hand(box); });
        EXPECT_EQ(dialogs.inputBox("Parabéns! Record de Melhor Ponto!",
                                   "Nome do novo recordista...", "Sem nome"),
                  c.answer);
        ASSERT_EQ(answerer.seen().size(), 1u);
        const SeenBox& seen = answerer.seen().front();
        EXPECT_TRUE(seen.input);
        EXPECT_EQ(seen.parent, &owner);
        EXPECT_EQ(seen.caption, QStringLiteral("Parabéns! Record de Melhor Ponto!"));
        EXPECT_EQ(seen.text, QStringLiteral("Nome do novo recordista..."));
        EXPECT_EQ(seen.inputText, QStringLiteral("Sem nome"));
        EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancel")}));
        EXPECT_GE(seen.width, QFontMetrics(owner.font()).horizontalAdvance(seen.caption) + 100)
            << "the whole title shows beside the frame's icon and buttons";
    }
}

TEST_F(RealDialogs, ModalWindowsRunThroughTheirOpeners) {
    int opened = 0;
    dialogs.setWindowOpener(ModalWindow::Records, [&] { ++opened; });
    dialogs.showModal(ModalWindow::Records);
    dialogs.showModal(ModalWindow::About); // none given: nothing happens
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(beforeModal, 2);
}

} // namespace
} // namespace qv::test
