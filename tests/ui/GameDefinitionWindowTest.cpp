#include "app/TFORM1.h"
#include "dialogs/ChoicePicture.h"
#include "dialogs/Tform_definir.h"
#include "platform/qt/QtScreen.h"
#include "tests/fakes/TestPorts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/WindowTestTools.h"

#include <gtest/gtest.h>

#include <memory>

namespace qv::test {
namespace {

class DefinirWindow : public ::testing::Test {
protected:
    TestPorts fakes;
    Game game{fakes.ports()};
    std::unique_ptr<Tform_definir> dialog;

    void SetUp() override { game.FormCreate(); }
    void open(bool asksTime) {
        game.definir.create(asksTime);
        dialog = std::make_unique<Tform_definir>(game, nullptr);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    ChoicePicture* choice(const char* name) {
        auto* found = dialog->findChild<ChoicePicture*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QWidget* widget(const char* name) {
        auto* found = dialog->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(DefinirWindow, OffersTimesOrOpponentsEachAtItsPlace) {
    open(true);
    EXPECT_EQ(dialog->windowTitle(), "Definições do Jogo");
    EXPECT_EQ(qobject_cast<QLabel*>(widget("Label3"))->text(), "Qual o tempo...");
    EXPECT_TRUE(widget("Label2")->isVisible());
    EXPECT_FALSE(widget("Label4")->isVisible());
    EXPECT_EQ(choice("img_1min")->geometry(), QRect(16, 25, 121, 25));
    EXPECT_EQ(choice("img_2min")->geometry(), QRect(16, 54, 121, 25));
    EXPECT_EQ(choice("img_3min")->geometry(), QRect(16, 83, 121, 25));
    EXPECT_EQ(choice("img_045seg")->geometry(), QRect(16, 111, 121, 25));
    EXPECT_FALSE(choice("img_colega")->isVisible());
    EXPECT_FALSE(choice("img_3min")->lit());
    keepScreenshot(*dialog, "definir-tempo");

    open(false);
    EXPECT_EQ(qobject_cast<QLabel*>(widget("Label3"))->text(), "Jogar contra...");
    EXPECT_TRUE(widget("Label4")->isVisible());
    EXPECT_EQ(choice("img_colega")->geometry(), QRect(17, 32, 137, 29));
    EXPECT_EQ(choice("img_individual")->geometry(), QRect(17, 67, 137, 29));
    EXPECT_EQ(choice("img_computador")->geometry(), QRect(17, 101, 137, 29));
    EXPECT_EQ(widget("Bevel3")->pos(), QPoint(15, 98));
    EXPECT_TRUE(widget("Bevel1")->isVisible());
    EXPECT_FALSE(choice("img_3min")->isVisible());
    EXPECT_FALSE(widget("Panel1")->isVisible());
    keepScreenshot(*dialog, "definir-jogador");
}

TEST_F(DefinirWindow, LightingFollowsTheMouse) {
    open(true);
    QTest::mouseMove(choice("img_2min"), QPoint(20, 10));
    EXPECT_TRUE(choice("img_2min")->lit());
    QTest::mouseMove(choice("img_3min"), QPoint(20, 10));
    EXPECT_TRUE(choice("img_3min")->lit());
    EXPECT_FALSE(choice("img_2min")->lit());
    keepScreenshot(*dialog, "definir-lit");
}

TEST_F(DefinirWindow, TheKeyboardLightsAndChoosesAPicture) {
    open(true);
    EXPECT_TRUE(widget("Button2")->hasFocus());
    QTest::keyClick(dialog.get(), Qt::Key_Tab);
    ASSERT_TRUE(choice("img_1min")->hasFocus()) << "the top picture comes first";
    EXPECT_TRUE(choice("img_1min")->lit());
    QTest::keyClick(choice("img_1min"), Qt::Key_Space);
    EXPECT_EQ(game.state.TimeLimitSeconds, 60);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DefinirWindow, TheComputerOpensTheLevelPanelAtTheTopLeftAndEnterIsItsOk) {
    open(false);
    fakes.dialogs.type("Bia");
    QTest::mouseClick(choice("img_computador"), Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(dialog->isVisible());
    QWidget* panel = widget("Panel1");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 300, 145));
    auto* superdotado = qobject_cast<QRadioButton*>(widget("opcao3"));
    EXPECT_TRUE(qobject_cast<QRadioButton*>(widget("opcao1"))->isChecked());
    keepScreenshot(*dialog, "definir-niveis");
    // The arrows pick a level, Enter is "&OK".
    EXPECT_TRUE(widget("opcao1")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(superdotado->isChecked());
    EXPECT_EQ(game.state.PlayerName2, "Computador Sup");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(game.state.LevelCode, "SUP");
    EXPECT_EQ(game.state.RivalKind, "computer");
    EXPECT_EQ(game.state.DefinirFromButton, "");
}

TEST_F(DefinirWindow, TempoDuringAMatchWarnsAndCloses) {
    game.Timer1.setInterval(100);
    open(true);
    QTest::mouseClick(choice("img_3min"), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(fakes.dialogs.last().text,
              "Partida está em andamento, para mudar o tipo de jogo, antes clique em PARAR.");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DefinirWindow, EscapeClosesWithoutAChoice) {
    open(true);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(game.definir.isOpen());
    EXPECT_EQ(game.state.TimeLimitSeconds, 0);
}

TEST(MainWindowVersusComputer, TakesNoClicksDuringTheComputersTurnAndDoesNotGrey) {
    TestPorts fakes;
    QtScreen screen;
    Ports ports{fakes.scheduler, fakes.scheduler, fakes.random, fakes.dialogs, screen, fakes.paths};
    TFORM1 window{ports};
    window.FormCreate();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Game& game = window.game();
    game.state.OpponentMode = mode::kOneBoard;
    game.state.RivalKind = "computer";
    game.computer.applyLevel(1);
    QTest::mouseClick(window.control("BitBtn4"), Qt::LeftButton);
    fakes.scheduler.advance(100);
    // The person misses: the turn passes and the computer starts its wait.
    int first = 1, second = 2;
    while (second <= 24 && game.state.SlotFigure[1] == game.state.SlotFigure[std::size_t(second)])
        ++second;
    game.reveal.ImageClick(first);
    fakes.scheduler.advance(60);
    game.reveal.ImageClick(second);
    fakes.scheduler.advance(150);
    window.render();
    ASSERT_FALSE(game.view.form.enabled);

    const QImage before = window.grab().toImage();
    QWidget* closed = window.control("Image50"); // position 15
    QTest::mouseClick(closed, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseClick(window.control("BitBtn1"), Qt::LeftButton);
    EXPECT_TRUE(closed->isVisible()) << "the click on a closed block was ignored";
    EXPECT_TRUE(fakes.dialogs.shown().empty()) << "Tempo did not open";
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(window.grab().toImage(), before) << "nothing greys while the computer plays";

    for (int waited = 0; waited < 60'000 && !game.view.form.enabled; waited += 100)
        fakes.scheduler.advance(100);
    window.render();
    QTest::mouseClick(window.control("BitBtn1"), Qt::LeftButton);
    ASSERT_FALSE(fakes.dialogs.shown().empty());
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::GameDefinition);
}

} // namespace
} // namespace qv::test
