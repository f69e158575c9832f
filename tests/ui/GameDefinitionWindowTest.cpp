#include "app/MainWindow.h"
#include "dialogs/ChoicePicture.h"
#include "dialogs/GameDefinitionDialog.h"
#include "platform/qt/QtScreen.h"
#include "tests/fakes/DefinitionParts.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/WindowTestTools.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <tuple>
#include <vector>

namespace qv::test {
namespace {

class GameDefinitionWindow : public ::testing::Test, protected DefinitionParts {
protected:
    std::unique_ptr<GameDefinitionDialog> dialog;

    /// As "Tempo" or "Jogador" opens it.
    void open(bool asksTime) {
        state.DefinitionFromPlayerButton = !asksTime;
        definition.create(asksTime);
        dialog = std::make_unique<GameDefinitionDialog>(definition, nullptr);
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

// The picture controls carry English names while their pictures keep their
// file names: a control without its file would show an empty choice.
TEST_F(GameDefinitionWindow, EveryPictureControlHasItsPictureFile) {
    for (bool asksTime : {true, false}) {
        definition.create(asksTime);
        int pictures = 0;
        for (const Control& control : definition.controls()) {
            if (control.kind != ControlKind::Picture)
                continue;
            ++pictures;
            const std::string file = GameDefinition::pictureFile(control.name);
            ASSERT_FALSE(file.empty()) << control.name;
            EXPECT_TRUE(QFile::exists(
                QStringLiteral(":/pictures/definir/%1.gif").arg(QString::fromStdString(file))))
                << control.name << ": " << file;
        }
        EXPECT_EQ(pictures, 14);
    }
}

// Where each control stands is the rules' business (their tests hold the
// numbers); the window shows every control where and as the rules say.
TEST_F(GameDefinitionWindow, ShowsEveryControlAsItsRulesSay) {
    for (bool asksTime : {true, false}) {
        open(asksTime);
        EXPECT_EQ(dialog->windowTitle(), "Definições do Jogo");
        int checked = 0;
        for (const Control& control : definition.controls()) {
            const std::string lit = GameDefinition::litPicture(control.name);
            if (control.parent != "" || (control.kind == ControlKind::Picture && lit.empty()))
                continue; // inside the level panel, or a lit picture: shown with its plain one
            const QWidget* shown = widget(control.name.c_str());
            const bool visible = control.visible || (!lit.empty() && definition[lit].visible);
            EXPECT_EQ(shown->isVisible(), visible) << control.name;
            const Rect& b = control.bounds;
            if (visible) {
                EXPECT_EQ(shown->geometry(), QRect(b.left, b.top, b.width, b.height))
                    << control.name;
            }
            if (auto* label = qobject_cast<const QLabel*>(shown)) {
                EXPECT_EQ(label->text().toStdString(), control.caption) << control.name;
            }
            ++checked;
        }
        EXPECT_EQ(checked, 17);
        keepScreenshot(*dialog, asksTime ? "definir-tempo" : "definir-jogador");
    }
}

// Each picture lights under the mouse and puts out the rest of its group; the
// other group stays hidden.
TEST_F(GameDefinitionWindow, EveryPictureLightsUnderTheMouse) {
    const std::vector<const char*> times{"oneMinute", "twoMinutes", "threeMinutes",
                                         "fortyFiveSeconds"};
    const std::vector<const char*> opponents{"colleague", "alone", "computer"};
    for (bool asksTime : {true, false}) {
        open(asksTime);
        const auto& group = asksTime ? times : opponents;
        for (const char* under : group) {
            QTest::mouseMove(choice(under), QPoint(20, 10));
            for (const char* picture : group)
                EXPECT_EQ(choice(picture)->lit(), picture == under) << under << ": " << picture;
            for (const char* hidden : asksTime ? opponents : times)
                EXPECT_FALSE(choice(hidden)->isVisible()) << hidden;
        }
        keepScreenshot(*dialog, asksTime ? "definir-lit" : "definir-lit-jogador");
    }
}

struct ChoiceRow {
    const char* picture;
    bool asksTime;
    bool staysOpen;
    /// A time picture's limit and menu entry; an opponent picture's own check.
    int limit;
    bool MenuMarks::*entry;
    void (*check)(const DefinitionParts& parts);
};

class GameDefinitionChoice : public GameDefinitionWindow,
                             public ::testing::WithParamInterface<ChoiceRow> {};

// Every picture, clicked, has its own effect.
TEST_P(GameDefinitionChoice, EachPictureMakesItsOwnChoice) {
    const ChoiceRow row = GetParam();
    open(row.asksTime);
    ports.dialogs.type("Gil"); // for the pictures that ask a name
    QTest::mouseClick(choice(row.picture), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(dialog->isVisible(), row.staysOpen);
    EXPECT_EQ(definition.isOpen(), row.staysOpen);
    if (!row.entry)
        return row.check(*this);
    EXPECT_EQ(state.TimeLimitSeconds, row.limit);
    const MenuMarks& m = view.menu;
    EXPECT_EQ(int(m.time3min) + m.time2min + m.time1min + m.time45s, 1);
    EXPECT_TRUE(m.*row.entry);
}

INSTANTIATE_TEST_SUITE_P(
    SevenPictures, GameDefinitionChoice,
    ::testing::Values(ChoiceRow{"threeMinutes", true, false, 180, &MenuMarks::time3min, nullptr},
                      ChoiceRow{"twoMinutes", true, false, 120, &MenuMarks::time2min, nullptr},
                      ChoiceRow{"oneMinute", true, false, 60, &MenuMarks::time1min, nullptr},
                      ChoiceRow{"fortyFiveSeconds", true, false, 45, &MenuMarks::time45s, nullptr},
                      ChoiceRow{"colleague", false, false, 0, nullptr,
                                [](const DefinitionParts& p) {
                                    EXPECT_EQ(p.ports.dialogs.last().window,
                                              ModalWindow::PlayerNames);
                                }},
                      ChoiceRow{"alone", false, false, 0, nullptr,
                                [](const DefinitionParts& p) {
                                    EXPECT_EQ(p.ports.dialogs.last().caption, "Definir jogador");
                                    EXPECT_EQ(p.state.PlayerName1, "Gil");
                                    EXPECT_EQ(p.state.OpponentMode, PlayMode::Alone);
                                }},
                      ChoiceRow{"computer", false, true, 0, nullptr, [](const DefinitionParts& p) {
                                    EXPECT_EQ(
                                        p.ports.dialogs.last().text,
                                        "Digite o nome do jogador que deseja jogar contra mim");
                                    EXPECT_TRUE(p.definition["levelPanel"].visible);
                                    EXPECT_TRUE(p.state.RivalIsComputer);
                                    EXPECT_EQ(p.state.PlayerName1, "Gil");
                                }}));

TEST_F(GameDefinitionWindow, TheKeyboardLightsAndChoosesAPicture) {
    open(true);
    EXPECT_TRUE(widget("focusSink")->hasFocus());
    QTest::keyClick(dialog.get(), Qt::Key_Tab);
    ASSERT_TRUE(choice("oneMinute")->hasFocus()) << "the top picture comes first";
    EXPECT_TRUE(choice("oneMinute")->lit());
    QTest::keyClick(choice("oneMinute"), Qt::Key_Space);
    EXPECT_EQ(state.TimeLimitSeconds, 60);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(GameDefinitionWindow, TheComputerOpensTheLevelPanelAtTheTopLeftAndEnterIsItsOk) {
    open(false);
    ports.dialogs.type("Bia");
    QTest::mouseClick(choice("computer"), Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(dialog->isVisible());
    QWidget* panel = widget("levelPanel");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 300, 145));
    auto* gifted = qobject_cast<QRadioButton*>(widget("giftedLevel"));
    EXPECT_TRUE(qobject_cast<QRadioButton*>(widget("smartyLevel"))->isChecked());
    keepScreenshot(*dialog, "definir-niveis");
    EXPECT_TRUE(widget("smartyLevel")->hasFocus());
    // Each level, clicked, puts its own name and strength in force.
    for (const auto& [level, name, code, attempts] :
         {std::tuple{"intelligentLevel", "Computador Int", "INT", std::array<int, 3>{4, 7, 10}},
          std::tuple{"giftedLevel", "Computador Sup", "SUP", std::array<int, 3>{5, 8, 11}},
          std::tuple{"smartyLevel", "Computador Sab", "SAB", std::array<int, 3>{3, 5, 8}}}) {
        QTest::mouseClick(widget(level), Qt::LeftButton, {}, QPoint(8, 10));
        EXPECT_TRUE(qobject_cast<QRadioButton*>(widget(level))->isChecked());
        EXPECT_EQ(state.PlayerName2, name);
        EXPECT_EQ(state.LevelCode, code);
        EXPECT_EQ(state.LevelAttempts, attempts);
    }
    // The arrows pick a level, Enter is "&OK".
    ASSERT_TRUE(widget("smartyLevel")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(gifted->isChecked());
    EXPECT_EQ(state.PlayerName2, "Computador Sup");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.LevelCode, "SUP");
    EXPECT_TRUE(state.RivalIsComputer);
    EXPECT_FALSE(state.DefinitionFromPlayerButton);
}

TEST_F(GameDefinitionWindow, TempoDuringAMatchWarnsAndCloses) {
    timers.matchTick.setInterval(100);
    open(true);
    QTest::mouseClick(choice("threeMinutes"), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(ports.dialogs.last().text,
              "Partida está em andamento, para mudar o tipo de jogo, antes clique em PARAR.");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(GameDefinitionWindow, EscapeClosesWithoutAChoice) {
    open(true);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(definition.isOpen());
    EXPECT_EQ(state.TimeLimitSeconds, 0);
}

TEST(MainWindowVersusComputer, TakesNoClicksDuringTheComputersTurnAndDoesNotGrey) {
    TestPorts fakes;
    QtScreen screen;
    Ports ports{fakes.scheduler, fakes.scheduler, fakes.random, fakes.dialogs, screen, fakes.paths};
    MainWindow window{ports};
    window.initialize();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Game& game = window.game();
    game.state.OpponentMode = PlayMode::OneBoard;
    game.state.RivalIsComputer = true;
    game.computer.applyLevel(1);
    QTest::mouseClick(window.control(Role::PlayButton), Qt::LeftButton);
    fakes.scheduler.advance(100);
    // The person misses: the turn passes and the computer starts its wait.
    int first = 1, second = 2;
    while (second <= 24 && game.state.SlotFigure[1] == game.state.SlotFigure[std::size_t(second)])
        ++second;
    game.reveal.onCoverClick(first);
    fakes.scheduler.advance(60);
    game.reveal.onCoverClick(second);
    fakes.scheduler.advance(150);
    window.render();
    ASSERT_FALSE(game.view.form.enabled);

    const QImage before = window.grab().toImage();
    QWidget* closed = window.control("blockCover15"); // position 15
    QTest::mouseClick(closed, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseClick(window.control(Role::TimeButton), Qt::LeftButton);
    EXPECT_TRUE(closed->isVisible()) << "the click on a closed block was ignored";
    EXPECT_TRUE(fakes.dialogs.shown().empty()) << "Tempo did not open";
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(window.grab().toImage(), before) << "nothing greys while the computer plays";

    for (int waited = 0; waited < 60'000 && !game.view.form.enabled; waited += 100)
        fakes.scheduler.advance(100);
    window.render();
    QTest::mouseClick(window.control(Role::TimeButton), Qt::LeftButton);
    ASSERT_FALSE(fakes.dialogs.shown().empty());
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::GameDefinition);
}

} // namespace
} // namespace qv::test
