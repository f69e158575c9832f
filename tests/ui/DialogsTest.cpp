#include "app/MainWindow.h"
#include "dialogs/PenaltyNotice.h"
#include "dialogs/TForm2.h"
#include "dialogs/TForm_aviso.h"
#include "platform/qt/QtScreen.h"
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
    TestPorts fakes;
    Game game{fakes.ports()};
    TForm2 dialog{game, nullptr};
    QLineEdit* edit1 = nullptr;
    QLineEdit* edit2 = nullptr;
    QPushButton* ok = nullptr;

    void SetUp() override {
        game.state.PlayerName1 = "Ana";
        game.state.PlayerName2 = "Bia";
        edit1 = child<QLineEdit>(dialog, "Edit1");
        edit2 = child<QLineEdit>(dialog, "Edit2");
        ok = child<QPushButton>(dialog, "Button1");
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
};

TEST_F(PlayerNamesWindow, OpensWithTheNamesAndItsDesign) {
    keepScreenshot(dialog, "player-names");
    EXPECT_EQ(dialog.windowTitle(), "Cadastrar Jogadores");
    EXPECT_EQ(edit1->text(), "Ana");
    EXPECT_EQ(edit2->text(), "Bia");
    EXPECT_TRUE(edit1->hasFocus());
    EXPECT_EQ(ok->text(), "&OK ");
    auto* box = child<QCheckBox>(dialog, "CheckBox1");
    EXPECT_EQ(box->text(), "Os dois disputando a mesma partida.");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(child<QLabel>(dialog, "Label2")->text(), "1º Jogador....:");
    EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(), "2º Jogador....:");
    for (const char* note : {"Label3", "Label4"})
        EXPECT_EQ(child<QLabel>(dialog, note)->palette().color(QPalette::WindowText), Qt::red);
    EXPECT_EQ(dialog.palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Highlight));
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(PlayerNamesWindow, RefusesEmptyNamesUntilBothAreGiven) {
    edit1->clear();
    edit2->clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().text, "Por favor, preencha o nome do 1º jogador!");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(edit1->hasFocus());

    QTest::keyClicks(edit1, "Rui");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().text, "Por favor, preencha o nome do 2º jogador!");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(edit2->hasFocus());
    EXPECT_EQ(game.state.PlayerName1, "Ana");

    QTest::keyClicks(edit2, "Ze");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(game.state.PlayerName1, "Rui");
    EXPECT_EQ(game.state.PlayerName2, "Ze");
    EXPECT_EQ(game.state.OpponentMode, "comoutro");
    EXPECT_EQ(fakes.dialogs.shown().size(), 2u);
}

TEST_F(PlayerNamesWindow, NameBoxesTakeTenCharacters) {
    for (QLineEdit* edit : {edit1, edit2}) {
        edit->clear();
        QTest::keyClicks(edit, "Maximiliano1");
        EXPECT_EQ(edit->text(), "Maximilian");
    }
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(game.state.PlayerName1, "Maximilian");
    EXPECT_EQ(game.state.PlayerName2, "Maximilian");
}

TEST_F(PlayerNamesWindow, EnterWalksToOkWhichEnterThenPresses) {
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_TRUE(edit2->hasFocus());
    EXPECT_TRUE(dialog.isVisible()) << "Enter in a name box must not press OK";
    QTest::keyClick(edit2, Qt::Key_Enter);
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(game.state.OpponentMode, mode::kIndividual);

    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(game.state.OpponentMode, "comoutro");
}

TEST_F(PlayerNamesWindow, TitleBarCloseKeepsNamesAndMode) {
    edit1->clear();
    QTest::keyClicks(edit1, "Rui");
    child<QCheckBox>(dialog, "CheckBox1")->click();
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(game.state.PlayerName1, "Ana");
    EXPECT_EQ(game.state.OpponentMode, mode::kIndividual);
}

TEST(PlayerNamesOpener, RunsTheWindowModallyFromTheMenu) {
    TestPorts fakes;
    Game game{fakes.ports()};
    fakes.dialogs.onWindow(ModalWindow::PlayerNames,
                           [&game] { runPlayerNamesDialog(game, nullptr); });
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(child<QLineEdit>(*dialog, "Edit1"), "Rui");
        QTest::keyClicks(child<QLineEdit>(*dialog, "Edit2"), "Ze");
        child<QCheckBox>(*dialog, "CheckBox1")->click();
        QTest::mouseClick(child<QPushButton>(*dialog, "Button1"), Qt::LeftButton);
    });
    Watchdog watchdog;
    game.settings.onPlayWithFriend();
    EXPECT_EQ(game.state.OpponentMode, "outro");
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
    PenaltyNotice notice{window.game()};
    TForm_aviso aviso{notice, &window};

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
    notice.FormShow();
    aviso.render();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aviso));
    keepScreenshot(aviso, "penalty-notice");
    EXPECT_EQ(aviso.size(), QSize(200, 134));
    EXPECT_LE((aviso.geometry().center() - window.geometry().center()).manhattanLength(), 2)
        << "centred on the main window";
    EXPECT_EQ(aviso.windowTitle(), " Penalidade para Bia");
    EXPECT_EQ(child<QLabel>(aviso, "Label1")->text(), "Ele vai perder");
    EXPECT_EQ(child<QLabel>(aviso, "label_pontos")->text(), "60");
    EXPECT_EQ(child<QLabel>(aviso, "Label2")->text(), "pontos");
    auto* memo = child<QPlainTextEdit>(aviso, "Memo1");
    EXPECT_TRUE(memo->toPlainText().startsWith("Regra: \nO jogador: Bia vai perder\n"));
    EXPECT_EQ(memo->palette().color(QPalette::Disabled, QPalette::Text), Qt::black)
        << "the rule stays readable";
    EXPECT_EQ(child<QPushButton>(aviso, "Button1")->toolTip(), "Fecha este aviso");
    EXPECT_TRUE(aviso.isModal());

    const Qt::WindowFlags flags = aviso.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(aviso.close());
    QTest::keyClick(&aviso, Qt::Key_Escape);
    EXPECT_TRUE(aviso.isVisible());
    EXPECT_FALSE(notice.closed());
}

TEST_F(PenaltyWindow, CountsDownOnTheMainWindowWithoutTakingItsInput) {
    auto* sound = qobject_cast<QCheckBox*>(window.control(Role::SoundSwitch));
    ASSERT_TRUE(sound->isChecked());
    QStringList shown;
    bool hiddenAfterOk = false;
    bool mainWindowEnabled = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(aviso.isVisible());
        QTest::mouseClick(child<QPushButton>(aviso, "Button1"), Qt::LeftButton);
        hiddenAfterOk = !aviso.isVisible();
        mainWindowEnabled = window.isEnabled();
        QTest::mouseClick(sound, Qt::LeftButton, {}, QPoint(6, sound->height() / 2));
        QTest::keyClick(&window, Qt::Key_J, Qt::AltModifier);
        for (int guard = 0; !notice.closed() && guard < 100; ++guard) {
            fakes.scheduler.advance(PenaltyNotice::kStepMilliseconds);
            shown << mainLabel(Role::Player2Points);
        }
    });
    Watchdog watchdog;
    runPenaltyNotice(notice, aviso, [this] { window.render(); });

    EXPECT_TRUE(hiddenAfterOk);
    EXPECT_TRUE(mainWindowEnabled) << "the main window must not look greyed";
    EXPECT_EQ(shown, (QStringList{"480", "460", "440"}));
    EXPECT_EQ(window.game().state.Score2, 440);
    EXPECT_FALSE(aviso.isVisible());
    EXPECT_TRUE(sound->isChecked()) << "a click during the count-down reached the main window";
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    QTest::mouseClick(sound, Qt::LeftButton, {}, QPoint(6, sound->height() / 2));
    EXPECT_FALSE(sound->isChecked()) << "the main window takes input again once closed";
}

} // namespace
} // namespace qv::test
