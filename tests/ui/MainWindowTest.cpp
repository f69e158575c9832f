#include "app/MainWindow.h"
#include "dialogs/PlayerNamesRules.h"
#include "platform/qt/QtScreen.h"
#include "tests/fakes/TestPorts.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <map>

#include "tests/ui/WindowTestTools.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    TestPorts fakes;
    QtScreen screen;
    Ports ports{fakes.scheduler, fakes.scheduler, fakes.random, fakes.dialogs, screen, fakes.paths};
    qv::MainWindow window{ports};

    void SetUp() override {
        window.initialize();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QString text(Role role) { return qobject_cast<QLabel*>(window.control(role))->text(); }
    QString text(const std::string& name) {
        return qobject_cast<QLabel*>(window.control(name))->text();
    }
    QAction* entry(const char* name) { return window.menuEntry(QString::fromLatin1(name)); }
};

TEST_F(MainWindowTest, OpensAtItsDesignPlaceWithItsClientArea) {
    ASSERT_EQ(screen.size().width, 1024) << "the offscreen screen was not configured";
    EXPECT_EQ(window.windowTitle(), "Quorvanella 2.0 Pro");
    EXPECT_EQ(window.pos(), QPoint(79, 23));
    EXPECT_EQ(window.centralWidget()->size(), QSize(609, 400));
    EXPECT_EQ(window.centralWidget()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window.control("blockCover1")->geometry(), QRect(9, 8, 67, 67));
    EXPECT_EQ(window.control("blockFace24")->geometry(), QRect(535, 170, 66, 66));
    EXPECT_EQ(window.control("blockFrame24")->geometry(), QRect(532, 167, 71, 71));
    EXPECT_EQ(window.control(Role::ResultBoard)->geometry(), QRect(344, 296, 209, 105));
    EXPECT_EQ(window.control(Role::Trophy)->parentWidget(), window.control(Role::ResultBoard));
    EXPECT_TRUE(window.control("blockCover24")->isVisible());

    // A desktop that draws the frame itself may offer to maximise all the same.
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize size = window.size();
    window.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.size(), size);
}

TEST_F(MainWindowTest, ButtonsShowTheirCaptionsAndHints) {
    struct Row {
        Role role;
        const char* caption;
        const char* hint;
    };
    const Row buttons[] = {{Role::PlayButton, "JOGAR", "Iniciar Jogo (F2)"},
                           {Role::StopButton, "PARAR", "Cancela a partida atual... (Esc)"},
                           {Role::TimeButton, "Tempo", "Defina o Tempo!"},
                           {Role::OpponentButton, "Jogador", "Escolha com quem Jogar!"},
                           {Role::FiguresButton, "Figuras", "Escolher de figuras!"},
                           {Role::RecordsButton, "Records", "Veja os melhores Records!"}};
    for (const Row& row : buttons) {
        auto* button = qobject_cast<QAbstractButton*>(window.control(row.role));
        ASSERT_NE(button, nullptr) << roleName(row.role);
        EXPECT_EQ(button->text(), row.caption);
        EXPECT_EQ(button->toolTip(), row.hint);
        EXPECT_FALSE(button->icon().isNull()) << roleName(row.role) << " has no glyph";
    }
    EXPECT_EQ(window.control(Role::SoundSwitch)->toolTip(), "Ativa/Desativa som");
    EXPECT_TRUE(window.control(Role::FocusHolder)->hasFocus());
}

TEST_F(MainWindowTest, DesignPlaceholdersAreNeverShown) {
    for (const std::string& name : designPlaceholders())
        EXPECT_EQ(text(name), "") << name;
    EXPECT_EQ(text(Role::PointsHeading), "PONTOS");
    EXPECT_FALSE(window.control(Role::ClockCaption)->isVisible());
}

// Whatever the rules write is drawn, even a text that looks like a control's name.
TEST_F(MainWindowTest, TwoContendersShowTheirTallyAroundTheRedX) {
    MatchState& s = window.game().state;
    s.OpponentMode = PlayMode::OneBoard;
    s.PlayerCount = 2;
    s.PlayerName1 = "Marcos";
    s.PlayerName2 = "X";
    QTest::mouseClick(window.control(Role::PlayButton), Qt::LeftButton);
    keepScreenshot(window, "two-contenders");
    EXPECT_EQ(text(Role::TallyCaption), "Placar:");
    EXPECT_EQ(text(Role::TallyName1), "Marcos");
    EXPECT_EQ(text(Role::TallyWins1), "0");
    EXPECT_EQ(text(Role::TallyVersus), "X");
    EXPECT_EQ(window.control(Role::TallyVersus)->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_TRUE(window.control(Role::TallyVersus)->isVisible());
    EXPECT_EQ(text(Role::TallyWins2), "0");
    EXPECT_EQ(text(Role::TallyName2), "X");
    EXPECT_EQ(text(Role::Player1Name), "Marcos");
    EXPECT_EQ(text(Role::Player2Name), "X");
}

TEST_F(MainWindowTest, MenuHasEveryEntryWithItsCaption) {
    const std::pair<const char*, const char*> entries[] = {
        {"time3min", "3:00 min"},
        {"time2min", "2:00 min"},
        {"time1min", "1:00 min"},
        {"time45s", "0:45 seg"},
        {"playWithFriend", "&Seu colega"},
        {"playAlone", "&Individual"},
        {"playComputer", "&Computador"},
        {"bestRecords", "&Melhores Records"},
        {"newMatch", "&Iniciar"},
        {"stopMatch", "&Parar"},
        {"quit", "&Sair"},
        {"blocks24", "24 Blocos"},
        {"blocks16", "16 Blocos"},
        {"blockFigures", "&Figuras dos Blocos"},
        {"soundEffects", "&Efeitos Sonoros"},
        {"customFigures", "&Personalizar figuras"},
        {"about", "&Sobre"},
        {"instructions", "&Instruções"},
    };
    for (const auto& [name, caption] : entries) {
        ASSERT_NE(entry(name), nullptr) << name;
        EXPECT_EQ(entry(name)->text(), QString::fromUtf8(caption));
    }
    QStringList tops;
    for (QAction* top : window.menuBar()->actions())
        tops << top->text();
    EXPECT_EQ(tops, (QStringList{"&Jogo", "&Opções", "&Ajuda"}));
    EXPECT_TRUE(entry("playAlone")->font().bold()) << "the default entry stands out";
    EXPECT_TRUE(entry("blocks24")->font().bold());
}

TEST_F(MainWindowTest, InstructionsOpenEvenDuringAMatch) {
    window.game().timers.matchTick.setInterval(100);
    entry("instructions")->trigger();
    EXPECT_EQ(fakes.dialogs.last().type, ShownBox::Type::Window);
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::Instructions);
}

TEST_F(MainWindowTest, TimeEntriesTickOneAtATime) {
    EXPECT_TRUE(entry("time3min")->isChecked());
    entry("time45s")->trigger();
    EXPECT_TRUE(entry("time45s")->isChecked());
    EXPECT_FALSE(entry("time3min")->isChecked());
    entry("time45s")->trigger(); // choosing the ticked entry again keeps it ticked
    EXPECT_TRUE(entry("time45s")->isChecked());
    EXPECT_EQ(window.game().state.TimeLimitSeconds, 45);
}

TEST_F(MainWindowTest, BoardSizeEntryTellsAboutTheNextMatch) {
    entry("blocks16")->trigger();
    EXPECT_TRUE(entry("blocks16")->isChecked());
    EXPECT_FALSE(entry("blocks24")->isChecked());
    ASSERT_EQ(fakes.dialogs.shown().size(), 1u);
    EXPECT_EQ(fakes.dialogs.last().type, ShownBox::Type::Plain);
    EXPECT_EQ(fakes.dialogs.last().text,
              "A próxima partida iniciará apenas com 16 blocos... Boa sorte\n\nOBS.:Jogar com 16 "
              "blocos, não vale para disputar RECORDS!");
    EXPECT_EQ(window.game().state.MaxBoardPoints, 1200);
}

TEST_F(MainWindowTest, RefusalLeavesTheMarksAsTheyWere) {
    window.game().timers.matchTick.setInterval(100);
    entry("time1min")->trigger();
    EXPECT_TRUE(entry("time3min")->isChecked());
    EXPECT_FALSE(entry("time1min")->isChecked());
    EXPECT_EQ(fakes.dialogs.last().caption, "Warning");
}

TEST_F(MainWindowTest, IndividualEntryAsksTheNameAndTicks) {
    fakes.dialogs.onWindow(ModalWindow::PlayerNames, [this] {
        Game& game = window.game();
        PlayerNamesRules names(game.state, game.view, game.sound(), game.ports.dialogs);
        names.firstName = "Ana";
        names.secondName = "Bia";
        names.acceptClick();
    });
    entry("playWithFriend")->trigger();
    EXPECT_TRUE(entry("playWithFriend")->isChecked());
    fakes.dialogs.type("Rui");
    entry("playAlone")->trigger();
    EXPECT_TRUE(entry("playAlone")->isChecked());
    EXPECT_FALSE(entry("playWithFriend")->isChecked());
    EXPECT_EQ(window.game().state.PlayerName1, "Rui");
}

// The tally's names show whole: a long one a little smaller, a short one at
// the size of the design.
TEST_F(MainWindowTest, TheTallyShowsTheComputersNameWhole) {
    Game& game = window.game();
    game.state.OpponentMode = PlayMode::OneBoard;
    game.state.RivalIsComputer = true;
    game.state.PlayerName1 = "Ana";
    game.computer.applyLevel(1);
    QTest::mouseClick(window.control(Role::PlayButton), Qt::LeftButton);
    window.render();
    auto* computer = qobject_cast<QLabel*>(window.control(Role::TallyName2));
    auto* person = qobject_cast<QLabel*>(window.control(Role::TallyName1));
    ASSERT_EQ(computer->text(), "Computador Sab");
    ASSERT_EQ(person->text(), "Ana");
    EXPECT_LE(QFontMetrics(computer->font()).horizontalAdvance(computer->text()),
              computer->width());
    EXPECT_LT(computer->font().pointSizeF(), person->font().pointSizeF());
    EXPECT_EQ(person->font().pointSizeF(),
              game.view[Role::TallyName1].fontPoints * game.view.form.scale);
    keepScreenshot(window, "tally-computer");
}

TEST_F(MainWindowTest, SoundCheckBoxGreysItsLabelAndTickedAgainTurnsItRed) {
    auto* box = qobject_cast<QCheckBox*>(window.control(Role::SoundSwitch));
    ASSERT_TRUE(box->isChecked());
    for (const QColor& colour : {QColor(128, 128, 128), QColor(255, 0, 0)}) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_EQ(box->isChecked(), colour.red() == 255);
        EXPECT_EQ(window.game().view[Role::SoundSwitch].checked, box->isChecked());
        EXPECT_EQ(window.control(Role::SoundCaption)->palette().color(QPalette::WindowText),
                  colour);
    }
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

TEST_F(MainWindowTest, JogarDealsAndAClickTurnsABlock) {
    QTest::mouseClick(window.control(Role::PlayButton), Qt::LeftButton);
    EXPECT_TRUE(window.game().matchInProgress());
    fakes.scheduler.advance(100);
    window.render();
    QWidget* cover = window.control("blockCover1");
    QTest::mouseClick(cover, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(window.game().state.ClickCount, 1);
    EXPECT_FALSE(cover->isVisible());
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

TEST_F(MainWindowTest, DealtBoardShowsEachFigureTwiceUnderTheCovers) {
    QTest::mouseClick(window.control(Role::PlayButton), Qt::LeftButton);
    fakes.scheduler.advance(100);
    for (int k = 1; k <= 24; ++k)
        window.game().view.cover(k).visible = false;
    window.render();
    keepScreenshot(window, "dealt-board");
    std::vector<QImage> faces;
    for (int k = 1; k <= 24; ++k) {
        QWidget* face = window.control(faceNames()[static_cast<std::size_t>(k)]);
        ASSERT_TRUE(face->isVisible());
        EXPECT_EQ(face->width(), 66);
        faces.push_back(face->grab().toImage());
    }
    // What a person sees: twelve different pictures, each on exactly two blocks.
    std::vector<QImage> distinct;
    for (const QImage& face : faces) {
        if (std::find(distinct.begin(), distinct.end(), face) == distinct.end())
            distinct.push_back(face);
    }
    EXPECT_EQ(distinct.size(), 12u);
    for (const QImage& picture : distinct)
        EXPECT_EQ(std::count(faces.begin(), faces.end(), picture), 2);
}

TEST_F(MainWindowTest, WonMatchShowsTheTrophyAndTheWinnersLetters) {
    Game& game = window.game();
    game.state.PlayerName1 = "Ana";
    QTest::mouseClick(window.control(Role::PlayButton), Qt::LeftButton);
    fakes.scheduler.advance(100);
    std::map<int, std::vector<int>> byFigure;
    for (int k = 1; k <= 24; ++k)
        byFigure[game.state.SlotFigure[static_cast<std::size_t>(k)].holder].push_back(k);
    bool midMatchShot = false;
    for (const auto& [figure, positions] : byFigure) {
        for (int k : positions) {
            QTest::mouseClick(window.control(coverNames()[static_cast<std::size_t>(k)]),
                              Qt::LeftButton, {}, QPoint(30, 30));
            fakes.scheduler.advance(60);
            window.render();
        }
        if (!midMatchShot) {
            keepScreenshot(window, "mid-match");
            midMatchShot = true;
        }
        fakes.scheduler.advance(400);
        window.render();
    }
    fakes.scheduler.advance(250 * 18); // the whole name has entered its path
    window.render();
    keepScreenshot(window, "won-match");
    EXPECT_FALSE(game.matchInProgress());
    EXPECT_TRUE(window.control(Role::WinnerCaption)->isVisible());
    EXPECT_TRUE(window.control("winnerLetter1")->isVisible());
    EXPECT_EQ(qobject_cast<QLabel*>(window.control("winnerLetter1"))->text(), "A");
    EXPECT_EQ(text(Role::Player1Points), "1800");
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

TEST(MainWindowOn800, SixteenBlocksMoveTheLowerControlsUpAndShortenTheWindow) {
    TestPorts fakes;
    fakes.screen.value = {800, 600};
    MainWindow window(fakes.ports());
    window.initialize();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.centralWidget()->size(), QSize(731, 480));
    EXPECT_EQ(window.control("blockCover2")->geometry(), QRect(100, 10, 80, 80));

    window.game().settings.onSixteenBlocks();
    QTest::mouseClick(window.control(Role::PlayButton), Qt::LeftButton);
    fakes.scheduler.advance(100);
    window.render();
    keepScreenshot(window, "sixteen-blocks-800");
    EXPECT_EQ(window.centralWidget()->height(), 434 - 45);
    EXPECT_EQ(window.control(Role::PlayButton)->y(), 235);
    EXPECT_EQ(window.control(Role::ScoreBoard)->y(), 264);
    EXPECT_FALSE(window.control("blockCover24")->isVisible());
    EXPECT_TRUE(window.control("blockCover16")->isVisible());
}

} // namespace
} // namespace qv::test
