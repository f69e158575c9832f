#include "app/TFORM1.h"
#include "figures/Tform_categoria.h"
#include "figures/Tform_perso.h"
#include "match/Game.h"
#include "platform/qt/QtScreen.h"
#include "tests/fakes/JpegSamples.h"
#include "tests/fakes/RecordingCues.h"
#include "tests/fakes/TestPorts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "tests/ui/WindowTestTools.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

QColor hintBackground() {
    return QToolTip::palette().color(QPalette::ToolTipBase);
}

TEST(FiguresEntries, ButtonAndMenuOpenTheChooserAndTheManager) {
    TestPorts fakes;
    QtScreen screen;
    Ports ports{fakes.scheduler, fakes.scheduler, fakes.random, fakes.dialogs, screen, fakes.paths};
    TFORM1 main{ports};
    RecordingCues sound;
    main.game().setSound(sound);
    main.FormCreate();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));

    QTest::mouseClick(main.control("BitBtn5"), Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::CategoryChooser);
    EXPECT_EQ(sound.played, std::vector<std::string>{"soundOp"});
    main.menuEntry(QStringLiteral("MudasFiguras1"))->trigger();
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::CategoryChooser);
    main.menuEntry(QStringLiteral("Pers_fig"))->trigger();
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::PhotoManager);
    EXPECT_EQ(fakes.dialogs.shown().size(), 3u);
    EXPECT_EQ(sound.played.size(), 1u) << "only the button plays the option sound";
}

class Chooser : public ::testing::Test {
protected:
    TestPorts fakes;
    Game game{fakes.ports()};
    RecordingCues sound;
    void SetUp() override { game.setSound(sound); }
};

TEST_F(Chooser, PictureUnderTheMouseIsFramedAndItsCaptionLit) {
    Tform_categoria chooser(game, nullptr);
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    keepScreenshot(chooser, "categoria");
    const auto lit = [&](int index) {
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(chooser.frame(i)->isVisible(), i == index) << "frame " << i;
        }
    };
    lit(0);
    for (int index : {2, 4, 1}) {
        QTest::mouseMove(chooser.picture(index), {30, 30});
        lit(index);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(textColour(chooser.caption(i)),
                      i == index ? QColor(255, 255, 255) : QColor(0, 255, 0));
        }
    }
    QTest::mouseMove(chooser.picture(4), {10, 10});
    EXPECT_TRUE(chooser.picture(4)->toolTip().startsWith(QStringLiteral("Para usar...\n")));
    EXPECT_EQ(chooser.picture(0)->toolTip(), QStringLiteral("Click para usá-lo..."));
}

TEST_F(Chooser, TheFocusShowsOnlyAfterAKeyWasUsed) {
    Tform_categoria chooser(game, nullptr);
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    ASSERT_TRUE(chooser.picture(0)->hasFocus()) << "ready for the keyboard";
    const QImage opened = chooser.picture(0)->grab().toImage();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(textColour(chooser.caption(i)), QColor(0, 255, 0)) << "nothing lit: " << i;
    QTest::keyClick(chooser.picture(0), Qt::Key_Tab);
    ASSERT_TRUE(chooser.picture(1)->hasFocus());
    EXPECT_EQ(textColour(chooser.caption(1)), QColor(255, 255, 255));
    EXPECT_EQ(chooser.picture(0)->grab().toImage(), opened) << "no focus frame as it opened";
    // Once a key was used the focused picture shows a frame (on the blue symbols,
    // where white shows).
    QTest::keyClick(chooser.picture(1), Qt::Key_Tab);
    const QImage focused = chooser.picture(2)->grab().toImage();
    QTest::keyClick(chooser.picture(2), Qt::Key_Tab);
    EXPECT_NE(chooser.picture(2)->grab().toImage(), focused);
}

TEST_F(Chooser, ClickOnAPictureOrCaptionOrKeyChoosesAndCloses) {
    const struct {
        const char* way;
        std::function<void(Tform_categoria&)> act;
        const char* category;
    } ways[] = {
        {"picture", [](Tform_categoria& c) { QTest::mouseClick(c.picture(3), Qt::LeftButton); },
         "Números"},
        {"caption", [](Tform_categoria& c) { QTest::mouseClick(c.caption(1), Qt::LeftButton); },
         "Figuras2"},
        {"Tab, Tab, Space",
         [](Tform_categoria& c) {
             QTest::keyClick(&c, Qt::Key_Tab);
             QTest::keyClick(&c, Qt::Key_Tab);
             QTest::keyClick(c.focusWidget(), Qt::Key_Space);
         },
         "Símbolos"},
        {"Enter on the own photos",
         [](Tform_categoria& c) {
             c.picture(4)->setFocus();
             QTest::keyClick(c.focusWidget(), Qt::Key_Return);
         },
         "Personaliz"},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        game.state.FigureCategory = "Figuras1";
        const int sounds = sound.count("soundOp");
        QTimer::singleShot(0, [&] {
            auto* chooser = dynamic_cast<Tform_categoria*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(hintBackground(), QColor(255, 255, 0));
            way.act(*chooser);
        });
        Watchdog watchdog;
        runCategoryChooser(game, nullptr);
        EXPECT_EQ(game.state.FigureCategory, way.category);
        EXPECT_EQ(sound.count("soundOp"), sounds + 1);
        EXPECT_EQ(hintBackground(), QColor(255, 255, 255)) << "hints are white once it closed";
    }
    game.photoSet.waitForPreload();
}

TEST_F(Chooser, EscapeClosesWithoutChanging) {
    game.state.FigureCategory = "Números";
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    Watchdog watchdog;
    runCategoryChooser(game, nullptr);
    EXPECT_EQ(game.state.FigureCategory, "Números");
    EXPECT_EQ(sound.count("soundOp"), 0);
}

// Timers on virtual time, while the search's turns to the event loop really
// handle the window's input.
class InputTurns final : public Scheduler {
public:
    explicit InputTurns(VirtualScheduler& timers) : m_timers(timers) {}
    void add(Timer& timer) override { m_timers.add(timer); }
    void remove(Timer& timer) override { m_timers.remove(timer); }
    void intervalChanged(Timer& timer) override { m_timers.intervalChanged(timer); }
    void waitProcessingEvents(int milliseconds) override {
        QCoreApplication::processEvents();
        m_timers.advance(milliseconds);
    }

private:
    VirtualScheduler& m_timers;
};

// Moves on each time it is read, so the search turns to the window after every
// entry it looks at.
class BusyClock final : public Clock {
public:
    std::int64_t millisecondsSinceMidnight() const override { return 0; }
    std::int64_t steadyMilliseconds() const override { return m_now += 25; }

private:
    mutable std::int64_t m_now = 0;
};

class Manager : public ::testing::Test {
protected:
    TestPorts fakes;
    BusyClock clock;
    InputTurns turns{fakes.scheduler};
    Ports ports{clock, turns, fakes.random, fakes.dialogs, fakes.screen, fakes.paths};
    Game game{ports};
    fs::path pictures = fakes.paths.root() / "Fotos";
    fs::path empty = fakes.paths.root() / "Vazia";

    void SetUp() override {
        fs::create_directories(empty);
        fs::create_directories(pictures);
        fs::create_directories(game.ports.paths.photoFolder());
        const auto jpeg = encodeJpeg(solidImage(40, 30, {30, 160, 90}));
        for (int n = 0; n < 40; ++n)
            ASSERT_TRUE(writeBytes(pictures / ("IMG_" + std::to_string(n) + ".JPG"), jpeg));
    }
};

TEST_F(Manager, RedWarningBlinksOnAFolderWithoutJpegFilesAndHidesOnOneWith) {
    Tform_perso window(game, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.manager().DiretorioChange(empty);
    window.render();
    EXPECT_TRUE(window.Panel2->isVisible());
    std::vector<QColor> colours;
    for (int tick = 0; tick < 3; ++tick) {
        fakes.scheduler.advance(300);
        colours.push_back(textColour(window.Panel2));
    }
    EXPECT_EQ(colours, (std::vector<QColor>{Qt::yellow, Qt::black, Qt::yellow}));
    keepScreenshot(window, "perso-vazia");
    window.manager().DiretorioChange(pictures);
    window.render();
    EXPECT_FALSE(window.Panel2->isVisible());
    EXPECT_EQ(window.fileList->count(), 40);
    EXPECT_EQ(window.Lbl_total->text(), QStringLiteral("40"));
}

TEST_F(Manager, SearchListsCompletesWithConcluidoAndStops) {
    Tform_perso window(game, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.manager().ComboDriveChange(fakes.paths.root());
    window.render();

    fakes.dialogs.type("img_1");
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    EXPECT_EQ(window.fileList->count(), 11) << "IMG_1 and IMG_10 .. IMG_19";
    EXPECT_TRUE(window.fileList->item(0)->text().endsWith(
        QStringLiteral("****") + QString::fromStdString(pictures.string())));
    EXPECT_EQ(window.Label15->text(), QStringLiteral("Concluído"));
    EXPECT_FALSE(window.Parar->isVisible());
    keepScreenshot(window, "perso-busca");
    fakes.scheduler.advance(250 * 12);
    EXPECT_FALSE(window.Label15->parentWidget()->isVisible()) << "hidden three seconds after";

    // Stopped from the window while it walks: what it found stays.
    int turnsSeen = 0;
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        if (++turnsSeen == 12)
            QTest::mouseClick(window.Parar, Qt::LeftButton);
    });
    clicker.start(0);
    fakes.dialogs.type("");
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    clicker.stop();
    const int found = window.fileList->count();
    EXPECT_GT(found, 0);
    EXPECT_LT(found, 40);
    EXPECT_EQ(window.Lbl_total->text(), QString::number(found));
    EXPECT_NE(window.Label15->text(), QStringLiteral("Concluído"));
    EXPECT_FALSE(window.Label15->parentWidget()->isVisible());
    EXPECT_FALSE(window.Parar->isVisible());
}

TEST_F(Manager, KeyboardReachesEveryControlAndEscapeCloses) {
    QTimer::singleShot(0, [] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        std::vector<QString> order;
        QWidget* at = window->findChild<QWidget*>(QStringLiteral("ComboDrive"));
        for (int step = 0; step < 8 && at; ++step, at = at->nextInFocusChain()) {
            while (at && at->focusPolicy() == Qt::NoFocus)
                at = at->nextInFocusChain();
            if (at)
                order.push_back(at->objectName());
        }
        EXPECT_EQ(order, (std::vector<QString>{"ComboDrive", "Diretorio", "Button1", "fileList",
                                               "Parar", "BitBtn2", "BitBtn1", "ListBox1"}));
        QTest::keyClick(window, Qt::Key_Escape);
    });
    Watchdog watchdog;
    runPhotoManager(game, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace qv::test
