#include "app/TFORM1.h"
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

class MainWindow : public ::testing::Test {
protected:
    TestPorts fakes;
    QtScreen screen;
    Ports ports{fakes.scheduler, fakes.scheduler, fakes.random, fakes.dialogs, screen, fakes.paths};
    TFORM1 window{ports};

    void SetUp() override {
        window.FormCreate();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QString text(const char* name) { return qobject_cast<QLabel*>(window.control(name))->text(); }
    QAction* entry(const char* name) { return window.menuEntry(QString::fromLatin1(name)); }
};

TEST_F(MainWindow, OpensAtItsDesignPlaceWithItsClientArea) {
    ASSERT_EQ(screen.size().width, 1024) << "the offscreen screen was not configured";
    EXPECT_EQ(window.windowTitle(), "Quorvanella 2.0 Pro");
    EXPECT_EQ(window.pos(), QPoint(79, 23));
    EXPECT_EQ(window.centralWidget()->size(), QSize(609, 400));
    EXPECT_EQ(window.centralWidget()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window.control("Image9")->geometry(), QRect(9, 8, 67, 67));
    EXPECT_EQ(window.control("Image43")->geometry(), QRect(535, 170, 66, 66));
    EXPECT_EQ(window.control("Bevel25")->geometry(), QRect(532, 167, 71, 71));
    EXPECT_EQ(window.control("PAINEL2")->geometry(), QRect(344, 296, 209, 105));
    EXPECT_EQ(window.control("TROFEU")->parentWidget(), window.control("PAINEL2"));
    EXPECT_TRUE(window.control("Image60")->isVisible());

    // A desktop that draws the frame itself may offer to maximise all the same.
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize size = window.size();
    window.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.size(), size);
}

TEST_F(MainWindow, ButtonsShowTheirCaptionsAndHints) {
    struct Row {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Row buttons[] = {{"BitBtn4", "JOGAR", "Iniciar Jogo (F2)"},
                           {"BitBtn3", "PARAR", "Cancela a partida atual... (Esc)"},
                           {"BitBtn1", "Tempo", "Defina o Tempo!"},
                           {"BitBtn2", "Jogador", "Escolha com quem Jogar!"},
                           {"BitBtn5", "Figuras", "Escolher de figuras!"},
                           {"BitBtn6", "Records", "Veja os melhores Records!"}};
    for (const Row& row : buttons) {
        auto* button = qobject_cast<QAbstractButton*>(window.control(row.name));
        ASSERT_NE(button, nullptr) << row.name;
        EXPECT_EQ(button->text(), row.caption);
        EXPECT_EQ(button->toolTip(), row.hint);
        EXPECT_FALSE(button->icon().isNull()) << row.name << " has no glyph";
    }
    EXPECT_EQ(window.control("checksom")->toolTip(), "Ativa/Desativa som");
    EXPECT_TRUE(window.control("BotaoQueRecebeFocus")->hasFocus());
}

TEST_F(MainWindow, DesignPlaceholdersAreNeverShown) {
    for (const std::string& name : designPlaceholders())
        EXPECT_EQ(text(name.c_str()), "") << name;
    EXPECT_EQ(text("Panel3"), "PONTOS");
    EXPECT_FALSE(window.control("Label15")->isVisible());
}

// Whatever the rules write is drawn, even a text that looks like a control's name.
TEST_F(MainWindow, TwoContendersShowTheirTallyAroundTheRedX) {
    MatchState& s = window.game().state;
    s.OpponentMode = PlayMode::OneBoard;
    s.PlayerCount = 2;
    s.PlayerName1 = "Label3";
    s.PlayerName2 = "X";
    QTest::mouseClick(window.control("BitBtn4"), Qt::LeftButton);
    keepScreenshot(window, "two-contenders");
    EXPECT_EQ(text("Placar"), "Placar:");
    EXPECT_EQ(text("Label14"), "Label3");
    EXPECT_EQ(text("PT_JG1"), "0");
    EXPECT_EQ(text("X"), "X");
    EXPECT_EQ(window.control("X")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(window.control("X")->isVisible());
    EXPECT_EQ(text("PT_JG2"), "0");
    EXPECT_EQ(text("Label16"), "X");
    EXPECT_EQ(text("Label3"), "Label3");
    EXPECT_EQ(text("Label5"), "X");
}

TEST_F(MainWindow, MenuHasEveryEntryWithItsCaption) {
    const std::pair<const char*, const char*> entries[] = {
        {"N300", "3:00 min"},
        {"N200", "2:00 min"},
        {"N100", "1:00 min"},
        {"N45", "0:45 seg"},
        {"Participantes1", "&Seu colega"},
        {"Individual1", "&Individual"},
        {"computador", "&Computador"},
        {"MelhoresRecords1", "&Melhores Records"},
        {"Novo1", "&Iniciar"},
        {"Parar1", "&Parar"},
        {"Sair1", "&Sair"},
        {"N24Blocos1", "24 Blocos"},
        {"N16Blocos1", "16 Blocos"},
        {"MudasFiguras1", "&Figuras dos Blocos"},
        {"EfeitosSonoros1", "&Efeitos Sonoros"},
        {"Pers_fig", "&Personalizar figuras"},
        {"Crdito1", "&Sobre"},
        {"Instrues1", "&Instruções"},
    };
    for (const auto& [name, caption] : entries) {
        ASSERT_NE(entry(name), nullptr) << name;
        EXPECT_EQ(entry(name)->text(), QString::fromUtf8(caption));
    }
    QStringList tops;
    for (QAction* top : window.menuBar()->actions())
        tops << top->text();
    EXPECT_EQ(tops, (QStringList{"&Jogo", "&Opções", "&Ajuda"}));
    EXPECT_TRUE(entry("Individual1")->font().bold()) << "the default entry stands out";
    EXPECT_TRUE(entry("N24Blocos1")->font().bold());
}

TEST_F(MainWindow, InstructionsOpenEvenDuringAMatch) {
    window.game().matchTick.setInterval(100);
    entry("Instrues1")->trigger();
    EXPECT_EQ(fakes.dialogs.last().type, ShownBox::Type::Window);
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::Instructions);
}

TEST_F(MainWindow, TimeEntriesTickOneAtATime) {
    EXPECT_TRUE(entry("N300")->isChecked());
    entry("N45")->trigger();
    EXPECT_TRUE(entry("N45")->isChecked());
    EXPECT_FALSE(entry("N300")->isChecked());
    entry("N45")->trigger(); // choosing the ticked entry again keeps it ticked
    EXPECT_TRUE(entry("N45")->isChecked());
    EXPECT_EQ(window.game().state.TimeLimitSeconds, 45);
}

TEST_F(MainWindow, BoardSizeEntryTellsAboutTheNextMatch) {
    entry("N16Blocos1")->trigger();
    EXPECT_TRUE(entry("N16Blocos1")->isChecked());
    EXPECT_FALSE(entry("N24Blocos1")->isChecked());
    ASSERT_EQ(fakes.dialogs.shown().size(), 1u);
    EXPECT_EQ(fakes.dialogs.last().type, ShownBox::Type::Plain);
    EXPECT_EQ(fakes.dialogs.last().text,
              "A próxima partida iniciará apenas com 16 blocos... Boa sorte\n\nOBS.:Jogar com 16 "
              "blocos, não vale para disputar RECORDS!");
    EXPECT_EQ(window.game().state.MaxBoardPoints, 1200);
}

TEST_F(MainWindow, RefusalLeavesTheMarksAsTheyWere) {
    window.game().matchTick.setInterval(100);
    entry("N100")->trigger();
    EXPECT_TRUE(entry("N300")->isChecked());
    EXPECT_FALSE(entry("N100")->isChecked());
    EXPECT_EQ(fakes.dialogs.last().caption, "Warning");
}

TEST_F(MainWindow, IndividualEntryAsksTheNameAndTicks) {
    fakes.dialogs.onWindow(ModalWindow::PlayerNames, [this] {
        PlayerNamesRules names(window.game());
        names.firstName = "Ana";
        names.secondName = "Bia";
        names.acceptClick();
    });
    entry("Participantes1")->trigger();
    EXPECT_TRUE(entry("Participantes1")->isChecked());
    fakes.dialogs.type("Rui");
    entry("Individual1")->trigger();
    EXPECT_TRUE(entry("Individual1")->isChecked());
    EXPECT_FALSE(entry("Participantes1")->isChecked());
    EXPECT_EQ(window.game().state.PlayerName1, "Rui");
}

// The tally's names show whole: a long one a little smaller, a short one at
// the size of the design.
TEST_F(MainWindow, TheTallyShowsTheComputersNameWhole) {
    Game& game = window.game();
    game.state.OpponentMode = PlayMode::OneBoard;
    game.state.RivalIsComputer = true;
    game.state.PlayerName1 = "Ana";
    game.computer.applyLevel(1);
    QTest::mouseClick(window.control("BitBtn4"), Qt::LeftButton);
    window.render();
    auto* computer = qobject_cast<QLabel*>(window.control("Label16"));
    auto* person = qobject_cast<QLabel*>(window.control("Label14"));
    ASSERT_EQ(computer->text(), "Computador Sab");
    ASSERT_EQ(person->text(), "Ana");
    EXPECT_LE(QFontMetrics(computer->font()).horizontalAdvance(computer->text()),
              computer->width());
    EXPECT_LT(computer->font().pointSizeF(), person->font().pointSizeF());
    EXPECT_EQ(person->font().pointSizeF(), game.view["Label14"].fontPoints * game.view.form.scale);
    keepScreenshot(window, "tally-computer");
}

TEST_F(MainWindow, SoundCheckBoxGreysItsLabelAndTickedAgainTurnsItRed) {
    auto* box = qobject_cast<QCheckBox*>(window.control("checksom"));
    ASSERT_TRUE(box->isChecked());
    for (const QColor& colour : {QColor(128, 128, 128), QColor(255, 0, 0)}) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_EQ(box->isChecked(), colour.red() == 255);
        EXPECT_EQ(window.game().view["checksom"].checked, box->isChecked());
        EXPECT_EQ(window.control("sound")->palette().color(QPalette::WindowText), colour);
    }
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

TEST_F(MainWindow, JogarDealsAndAClickTurnsABlock) {
    QTest::mouseClick(window.control("BitBtn4"), Qt::LeftButton);
    EXPECT_TRUE(window.game().matchInProgress());
    fakes.scheduler.advance(100);
    window.render();
    QWidget* cover = window.control("Image9");
    QTest::mouseClick(cover, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(window.game().state.ClickCount, 1);
    EXPECT_FALSE(cover->isVisible());
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

TEST_F(MainWindow, DealtBoardShowsEachFigureTwiceUnderTheCovers) {
    QTest::mouseClick(window.control("BitBtn4"), Qt::LeftButton);
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

TEST_F(MainWindow, WonMatchShowsTheTrophyAndTheWinnersLetters) {
    Game& game = window.game();
    game.state.PlayerName1 = "Ana";
    QTest::mouseClick(window.control("BitBtn4"), Qt::LeftButton);
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
    EXPECT_TRUE(window.control("lab_venc")->isVisible());
    EXPECT_TRUE(window.control("L1")->isVisible());
    EXPECT_EQ(qobject_cast<QLabel*>(window.control("L1"))->text(), "A");
    EXPECT_EQ(text("Label4"), "1800");
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

TEST(MainWindowOn800, SixteenBlocksMoveTheLowerControlsUpAndShortenTheWindow) {
    TestPorts fakes;
    fakes.screen.value = {800, 600};
    TFORM1 window(fakes.ports());
    window.FormCreate();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.centralWidget()->size(), QSize(731, 480));
    EXPECT_EQ(window.control("Image10")->geometry(), QRect(100, 10, 80, 80));

    window.game().settings.onSixteenBlocks();
    QTest::mouseClick(window.control("BitBtn4"), Qt::LeftButton);
    fakes.scheduler.advance(100);
    window.render();
    keepScreenshot(window, "sixteen-blocks-800");
    EXPECT_EQ(window.centralWidget()->height(), 434 - 45);
    EXPECT_EQ(window.control("BitBtn4")->y(), 235);
    EXPECT_EQ(window.control("PANEL1")->y(), 264);
    EXPECT_FALSE(window.control("Image60")->isVisible());
    EXPECT_TRUE(window.control("Image51")->isVisible());
}

} // namespace
} // namespace qv::test
