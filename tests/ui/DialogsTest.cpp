#include "app/MainWindow.h"
#include "dialogs/PenaltyNoticeWindow.h"
#include "dialogs/PlayerNamesDialog.h"
#include "match/PenaltyNotice.h"
#include "platform/qt/QtScreen.h"
#include "tests/fakes/MatchParts.h"
#include "tests/fakes/TestPorts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/ui/WindowTestTools.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

template <typename T> T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class PlayerNamesWindow : public ::testing::Test {
protected:
    MatchParts parts;
    TestPorts& fakes = parts.ports;
    PlayerNamesDialog dialog{PlayerNamesRules{parts.state, parts.view, parts.cues, fakes.dialogs},
                             nullptr};
    QLineEdit* firstName = nullptr;
    QLineEdit* secondName = nullptr;
    QPushButton* ok = nullptr;

    void SetUp() override {
        parts.state.PlayerName1 = "Ana";
        parts.state.PlayerName2 = "Bia";
        firstName = child<QLineEdit>(dialog, "firstPlayerName");
        secondName = child<QLineEdit>(dialog, "secondPlayerName");
        ok = child<QPushButton>(dialog, "ok");
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
};

TEST_F(PlayerNamesWindow, OpensWithTheNamesAndItsDesign) {
    keepScreenshot(dialog, "player-names");
    EXPECT_EQ(dialog.windowTitle(), "Cadastrar Jogadores");
    EXPECT_EQ(firstName->text(), "Ana");
    EXPECT_EQ(secondName->text(), "Bia");
    EXPECT_TRUE(firstName->hasFocus());
    EXPECT_EQ(ok->text(), "&OK ");
    auto* box = child<QCheckBox>(dialog, "sameBoard");
    EXPECT_EQ(box->text(), "Os dois disputando a mesma partida.");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(child<QLabel>(dialog, "firstPlayerCaption")->text(), "1º Jogador....:");
    EXPECT_EQ(child<QLabel>(dialog, "secondPlayerCaption")->text(), "2º Jogador....:");
    for (const char* note : {"sameBoardNote", "passTurnNote"})
        EXPECT_EQ(child<QLabel>(dialog, note)->palette().color(QPalette::WindowText), Qt::red);
    EXPECT_EQ(dialog.palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Highlight));
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(PlayerNamesWindow, RefusesEmptyNamesUntilBothAreGiven) {
    firstName->clear();
    secondName->clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().text, "Por favor, preencha o nome do 1º jogador!");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(firstName->hasFocus());

    QTest::keyClicks(firstName, "Rui");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().text, "Por favor, preencha o nome do 2º jogador!");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(secondName->hasFocus());
    EXPECT_EQ(parts.state.PlayerName1, "Ana");

    QTest::keyClicks(secondName, "Ze");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(parts.state.PlayerName1, "Rui");
    EXPECT_EQ(parts.state.PlayerName2, "Ze");
    EXPECT_EQ(parts.state.OpponentMode, PlayMode::OneAfterOther);
    EXPECT_EQ(fakes.dialogs.shown().size(), 2u);
}

TEST_F(PlayerNamesWindow, NameBoxesTakeTenCharacters) {
    for (QLineEdit* edit : {firstName, secondName}) {
        edit->clear();
        QTest::keyClicks(edit, "Maximiliano1");
        EXPECT_EQ(edit->text(), "Maximilian");
    }
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(parts.state.PlayerName1, "Maximilian");
    EXPECT_EQ(parts.state.PlayerName2, "Maximilian");
}

TEST_F(PlayerNamesWindow, EnterWalksToOkWhichEnterThenPresses) {
    QTest::keyClick(firstName, Qt::Key_Return);
    EXPECT_TRUE(secondName->hasFocus());
    EXPECT_TRUE(dialog.isVisible()) << "Enter in a name box must not press OK";
    QTest::keyClick(secondName, Qt::Key_Enter);
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(parts.state.OpponentMode, PlayMode::Alone);

    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(parts.state.OpponentMode, PlayMode::OneAfterOther);
}

TEST_F(PlayerNamesWindow, TitleBarCloseKeepsNamesAndMode) {
    firstName->clear();
    QTest::keyClicks(firstName, "Rui");
    child<QCheckBox>(dialog, "sameBoard")->click();
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(parts.state.PlayerName1, "Ana");
    EXPECT_EQ(parts.state.OpponentMode, PlayMode::Alone);
}

TEST(PlayerNamesOpener, RunsTheWindowModallyFromTheMenu) {
    TestPorts fakes;
    Game game{fakes.ports()};
    fakes.dialogs.onWindow(ModalWindow::PlayerNames, [&game, &fakes] {
        runPlayerNamesDialog(PlayerNamesRules{game.state, game.view, game.sound(), fakes.dialogs},
                             nullptr);
    });
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(child<QLineEdit>(*dialog, "firstPlayerName"), "Rui");
        QTest::keyClicks(child<QLineEdit>(*dialog, "secondPlayerName"), "Ze");
        child<QCheckBox>(*dialog, "sameBoard")->click();
        QTest::mouseClick(child<QPushButton>(*dialog, "ok"), Qt::LeftButton);
    });
    Watchdog watchdog;
    game.settings.onTwoPlayers();
    EXPECT_EQ(game.state.OpponentMode, PlayMode::OneBoard);
    EXPECT_EQ(game.state.PlayerName1, "Rui");
    EXPECT_EQ(game.state.PlayerName2, "Ze");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

class PenaltyWindow : public ::testing::Test {
protected:
    TestPorts fakes;
    QtScreen screen;
    Ports ports{fakes.scheduler, fakes.scheduler, fakes.random, fakes.dialogs, screen, fakes.paths};
    MainWindow window{ports};
    PenaltyNotice notice{window.game().state, window.game().view, fakes.scheduler};
    PenaltyNoticeWindow noticeWindow{notice, &window};

    void SetUp() override {
        window.initialize();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        MatchState& s = window.game().state;
        s.PlayerName1 = "Ana";
        s.PlayerName2 = "Bia";
        s.GameTime1 = 40;
        s.GameTime2 = 43;
        s.PenaltyPoints = 60;
        s.Score2 = 500;
        window.game().view[Role::Player2Points].caption = "500";
        window.render();
        notice.fill();
    }
    QString mainLabel(Role role) { return qobject_cast<QLabel*>(window.control(role))->text(); }
};

TEST_F(PenaltyWindow, ShowsThePenaltyAndCannotBeClosedButByOk) {
    notice.open();
    noticeWindow.render();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&noticeWindow));
    keepScreenshot(noticeWindow, "penalty-notice");
    EXPECT_EQ(noticeWindow.size(), QSize(200, 134));
    EXPECT_LE((noticeWindow.geometry().center() - window.geometry().center()).manhattanLength(), 2)
        << "centred on the main window";
    EXPECT_EQ(noticeWindow.windowTitle(), " Penalidade para Bia");
    EXPECT_EQ(child<QLabel>(noticeWindow, "lossLead")->text(), "Ele vai perder");
    EXPECT_EQ(child<QLabel>(noticeWindow, "penaltyPoints")->text(), "60");
    EXPECT_EQ(child<QLabel>(noticeWindow, "pointsUnit")->text(), "pontos");
    auto* memo = child<QPlainTextEdit>(noticeWindow, "rule");
    EXPECT_TRUE(memo->toPlainText().startsWith("Regra: \nO jogador: Bia vai perder\n"));
    EXPECT_EQ(memo->palette().color(QPalette::Disabled, QPalette::Text), Qt::black)
        << "the rule stays readable";
    EXPECT_EQ(child<QPushButton>(noticeWindow, "ok")->toolTip(), "Fecha este aviso");
    EXPECT_TRUE(noticeWindow.isModal());

    const Qt::WindowFlags flags = noticeWindow.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(noticeWindow.close());
    QTest::keyClick(&noticeWindow, Qt::Key_Escape);
    EXPECT_TRUE(noticeWindow.isVisible());
    EXPECT_FALSE(notice.closed());
}

TEST_F(PenaltyWindow, CountsDownOnTheMainWindowWithoutTakingItsInput) {
    auto* sound = qobject_cast<QCheckBox*>(window.control(Role::SoundSwitch));
    ASSERT_TRUE(sound->isChecked());
    QStringList shown;
    bool hiddenAfterOk = false;
    bool mainWindowEnabled = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(noticeWindow.isVisible());
        QTest::mouseClick(child<QPushButton>(noticeWindow, "ok"), Qt::LeftButton);
        hiddenAfterOk = !noticeWindow.isVisible();
        mainWindowEnabled = window.isEnabled();
        QTest::mouseClick(sound, Qt::LeftButton, {}, QPoint(6, sound->height() / 2));
        QTest::keyClick(&window, Qt::Key_J, Qt::AltModifier);
        for (int guard = 0; !notice.closed() && guard < 100; ++guard) {
            fakes.scheduler.advance(PenaltyNotice::kStepMilliseconds);
            shown << mainLabel(Role::Player2Points);
        }
    });
    Watchdog watchdog;
    runPenaltyNotice(notice, noticeWindow, [this] { window.render(); });

    EXPECT_TRUE(hiddenAfterOk);
    EXPECT_TRUE(mainWindowEnabled) << "the main window must not look greyed";
    EXPECT_EQ(shown, (QStringList{"480", "460", "440"}));
    EXPECT_EQ(window.game().state.Score2, 440);
    EXPECT_FALSE(noticeWindow.isVisible());
    EXPECT_TRUE(sound->isChecked()) << "a click during the count-down reached the main window";
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    QTest::mouseClick(sound, Qt::LeftButton, {}, QPoint(6, sound->height() / 2));
    EXPECT_FALSE(sound->isChecked()) << "the main window takes input again once closed";
}

} // namespace
} // namespace qv::test
