#include "app/MainWindow.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtScreen.h"
#include "records/Records.h"
#include "records/RecordsFile.h"
#include "records/RecordsWindow.h"
#include "tests/fakes/TestPorts.h"

#include <QAction>
#include <QLabel>
#include <QWindow>

#include <fstream>

#include "tests/ui/BoxAnswerer.h"
#include "tests/ui/WindowTestTools.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

/// The program as a player meets it: the real boxes over the real main window,
/// which reads the records each time it becomes active.
class DamagedRecords : public ::testing::Test {
protected:
    TestPorts fakes;
    QtScreen screen;
    QtDialogs dialogs;
    Ports ports{fakes.scheduler, fakes.scheduler, fakes.random, dialogs, screen, fakes.paths};
    MainWindow main{ports};
    Records records{main.game().state, main.game().view, main.game().timers, dialogs, fakes.paths};
    RecordsWindow window{records, &main};
    Watchdog watchdog;
    int loadErrors = 0;
    int loadErrorsOverAHiddenWindow = 0;
    /// Answers Yes to "Zerar" and OK to every other box; counts the load errors.
    BoxAnswerer answerer{[this](QDialog& box, const SeenBox& seen) {
        if (seen.text.startsWith(QStringLiteral("Houve um erro no acesso"))) {
            ++loadErrors;
            if (!main.isVisible() || !main.windowHandle()->isExposed())
                ++loadErrorsOverAHiddenWindow;
        }
        if (seen.buttons.contains(QStringLiteral("&Yes")))
            BoxAnswerer::press(box, QStringLiteral("&Yes"));
        else
            QTest::keyClick(&box, Qt::Key_Return);
    }};

    void SetUp() override {
        main.game().setRecords(records);
        dialogs.setParent(&main);
        dialogs.setBeforeModal([this] { main.render(); });
        dialogs.setWindowOpener(ModalWindow::Records, [this] { runRecordsWindow(window); });
        damage();
        main.initialize();
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    /// Nine entries instead of ten, as a player's hand-edited file.
    void damage() {
        std::ofstream(records.recordsFile(), std::ios::binary | std::ios::trunc)
            << records::defaultRecordsFile().substr(0, 9 * 65);
    }
    /// Lets boxes come and go, and the main window become active after each, for
    /// a while: a loop of boxes would show here.
    void settle() { QTest::qWait(400); }
    void activateAgain() {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&main, &activate);
        settle();
    }
};

TEST_F(DamagedRecords, OneMessageOverTheWindowThenRecordsAndZerarMendTheFile) {
    settle();
    EXPECT_EQ(loadErrors, 1);
    EXPECT_EQ(loadErrorsOverAHiddenWindow, 0) << "the message stands over the shown window";
    activateAgain();
    EXPECT_EQ(loadErrors, 1) << "the file is as it was";

    // From the menu, the window shows the tables and why they are not whole.
    QString fromMenu;
    QTimer::singleShot(0, [&] {
        fromMenu = window.findChild<QLabel*>(QStringLiteral("failureNote"))->text();
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("closePicture")),
                          Qt::LeftButton);
    });
    main.menuEntry(QStringLiteral("bestRecords"))->trigger();
    EXPECT_TRUE(fromMenu.contains(QStringLiteral("qvane.dat")));
    activateAgain();
    EXPECT_EQ(loadErrors, 1);

    // The player opens "Records", reads why and presses "Zerar".
    QString note;
    bool noteShown = false;
    bool noteAfterZerar = true;
    QString first;
    QTimer::singleShot(0, [&] {
        auto* failure = window.findChild<QLabel*>(QStringLiteral("failureNote"));
        noteShown = failure->isVisible();
        note = failure->text();
        keepScreenshot(window, "records-damaged");
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("resetPicture")),
                          Qt::LeftButton);
        noteAfterZerar = failure->isVisible();
        first = window.findChild<QLabel*>(QStringLiteral("bestTimePlace5Name"))->text();
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("closePicture")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(main.control(Role::RecordsButton), Qt::LeftButton);
    EXPECT_TRUE(noteShown);
    EXPECT_EQ(note, QStringLiteral("Houve um erro no acesso a base de dados dos records "
                                   "(qvane.dat). Clique em Zerar para voltar ao normal."));
    EXPECT_FALSE(noteAfterZerar);
    EXPECT_EQ(first, QStringLiteral("Sem Recordet")) << "the tenth entry is back";
    std::vector<QString> texts;
    for (const SeenBox& seen : answerer.seen())
        texts.push_back(seen.text);
    EXPECT_EQ(texts,
              (std::vector<QString>{texts.front(), QStringLiteral("Deseja Zerar esses Records?"),
                                    QStringLiteral("Records zerados com sucesso")}));
    EXPECT_EQ(PosixFileLayer().read(records.recordsFile(), 1000), records::defaultRecordsFile());
    activateAgain();
    EXPECT_EQ(loadErrors, 1);

    // Damaged again later: the new state of the file is told once more.
    damage();
    activateAgain();
    activateAgain();
    EXPECT_EQ(loadErrors, 2);
}

} // namespace
} // namespace qv::test
