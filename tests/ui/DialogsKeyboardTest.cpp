#include "app/MainWindow.h"
#include "dialogs/PenaltyNoticeWindow.h"
#include "dialogs/PlayerNamesDialog.h"
#include "match/PenaltyNotice.h"
#include "platform/qt/QtScreen.h"
#include "records/Records.h"
#include "records/RecordsWindow.h"
#include "tests/fakes/MatchParts.h"
#include "tests/fakes/TestPorts.h"
#include "tests/ui/KeyboardPlayer.h"
#include "tests/ui/WindowTestTools.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

TEST(PlayerNamesByKeyboard, TabWalksTheBoxesSpaceTicksAndEscapeCloses) {
    MatchParts parts;
    PlayerNamesDialog dialog{
        PlayerNamesRules{parts.state, parts.view, parts.cues, parts.ports.dialogs}, nullptr};
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* firstName = dialog.findChild<QLineEdit*>("firstPlayerName");
    auto* box = dialog.findChild<QCheckBox*>("sameBoard");
    EXPECT_EQ(accessibleName(firstName), QString::fromUtf8("Nome do 1º jogador"));
    EXPECT_EQ(accessibleName(dialog.findChild<QLineEdit*>("secondPlayerName")),
              QString::fromUtf8("Nome do 2º jogador"));

    ASSERT_TRUE(firstName->hasFocus());
    QStringList order;
    for (int step = 0; step < 4; ++step) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{"firstPlayerName", "secondPlayerName", "sameBoard", "ok"}));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->isChecked());
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible()) << "the window has a close box, so Escape closes it";
    EXPECT_EQ(parts.state.OpponentMode, PlayMode::Alone);
}

using KeyboardDialogs = ShownMainWindow;

TEST_F(KeyboardDialogs, PenaltyNoticeIsReadAndConfirmedWithEnter) {
    MatchState& s = window.game().state;
    s.PlayerName1 = "Ana";
    s.PlayerName2 = "Bia";
    s.GameTime1 = 40;
    s.GameTime2 = 41;
    s.PenaltyPoints = 20;
    PenaltyNotice notice{s, window.game().view, window.game().ports.scheduler};
    PenaltyNoticeWindow noticeWindow{notice, &window};
    notice.fill();
    notice.open();
    noticeWindow.render();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&noticeWindow));
    auto* ok = noticeWindow.findChild<QPushButton*>("ok");
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&noticeWindow)
                    ->text(QAccessible::Description)
                    .contains("O jogador: Bia vai perder 20 pontos por cada segundo"));
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(noticeWindow.isVisible()) << "OK hid the notice and started the count-down";
}

TEST_F(KeyboardDialogs, RecordsFecharAndZerarAreReachedByTabAndPressedBySpace) {
    Game& game = window.game();
    Records records{game.state, game.view, game.timers, game.ports.dialogs, game.ports.paths};
    RecordsWindow recordsWindow{records, &window};
    records.loadRecords();
    records.loadComputerRecords();
    auto* closePicture = recordsWindow.findChild<QWidget*>("closePicture");
    auto* resetPicture = recordsWindow.findChild<QWidget*>("resetPicture");
    EXPECT_EQ(accessibleName(closePicture), "Fechar");
    EXPECT_EQ(accessibleName(resetPicture), "Zerar");
    EXPECT_EQ(accessibleName(recordsWindow.findChild<QWidget*>("bestScoreHeading")),
              QString::fromUtf8("Melhor Pontuação"));
    const QImage untouched = closePicture->grab().toImage();
    // Keys go to the window's focus, or to the window while nothing has it.
    const auto press = [&recordsWindow](Qt::Key key) {
        QTest::keyClick(recordsWindow.focusWidget() ? recordsWindow.focusWidget() : &recordsWindow,
                        key);
        return recordsWindow.focusWidget();
    };

    std::vector<QWidget*> reached;
    QImage marked;
    bool openAfterEnter = false;
    QTimer::singleShot(0, [&] {
        // The offscreen platform leaves the main window active; a desktop would not.
        QApplication::setActiveWindow(&recordsWindow);
        for (int step = 0; step < 4; ++step)
            reached.push_back(press(Qt::Key_Tab));
        for (int step = 0; step < 4 && recordsWindow.focusWidget() != resetPicture; ++step)
            press(Qt::Key_Tab);
        fakes.dialogs.answer(Answer::No);
        press(Qt::Key_Space);
        for (int step = 0; step < 4 && recordsWindow.focusWidget() != closePicture; ++step)
            press(Qt::Key_Tab);
        marked = closePicture->grab().toImage();
        keepScreenshot(recordsWindow, "records-fechar-focused");
        press(Qt::Key_Return);
        openAfterEnter = recordsWindow.isVisible();
        press(Qt::Key_Space);
    });
    Watchdog watchdog;
    runRecordsWindow(recordsWindow);
    EXPECT_NE(std::find(reached.begin(), reached.end(), closePicture), reached.end());
    EXPECT_NE(std::find(reached.begin(), reached.end(), resetPicture), reached.end());
    ASSERT_FALSE(fakes.dialogs.shown().empty());
    EXPECT_EQ(fakes.dialogs.last().text, "Deseja Zerar esses Records?");
    EXPECT_NE(marked, untouched) << "the focused picture shows a mark";
    EXPECT_TRUE(openAfterEnter) << "Enter still leaves it open";
    EXPECT_FALSE(recordsWindow.isVisible()) << "Space on Fechar closed it";

    QImage reopened;
    QTimer::singleShot(0, [&] {
        QApplication::setActiveWindow(&recordsWindow);
        closePicture->setFocus();
        reopened = closePicture->grab().toImage();
        press(Qt::Key_Space);
    });
    runRecordsWindow(recordsWindow);
    EXPECT_EQ(reopened, untouched)
        << "opened again, it looks as a mouse user knows it until a key is used";
}

} // namespace
} // namespace qv::test
