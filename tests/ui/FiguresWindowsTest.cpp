#include "app/MainWindow.h"
#include "figures/CategoryWindow.h"
#include "figures/PhotoManagerWindow.h"
#include "game/Game.h"
#include "platform/JpegDecoder.h"
#include "platform/qt/QtScreen.h"
#include "tests/fakes/HangingWalk.h"
#include "tests/fakes/JpegSamples.h"
#include "tests/fakes/RecordingCues.h"
#include "tests/fakes/TestPorts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>

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
    MainWindow main{ports};
    RecordingCues sound;
    main.game().setSound(sound);
    main.initialize();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));

    QTest::mouseClick(main.control(Role::FiguresButton), Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::CategoryChooser);
    EXPECT_EQ(sound.played, std::vector<std::string>{"optionChosen"});
    main.menuEntry(QStringLiteral("blockFigures"))->trigger();
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::CategoryChooser);
    main.menuEntry(QStringLiteral("customFigures"))->trigger();
    EXPECT_EQ(fakes.dialogs.last().window, ModalWindow::PhotoManager);
    EXPECT_EQ(fakes.dialogs.shown().size(), 3u);
    EXPECT_EQ(sound.played.size(), 1u) << "only the button plays the option sound";
}

TEST(FiguresEntries, ClosedBlocksShowNoPixelOfTheirPhotos) {
    TestPorts fakes;
    Ports ports = fakes.ports();
    MainWindow main{ports};
    main.initialize();
    const fs::path photos = fakes.paths.photoFolder();
    fs::create_directories(photos);
    const auto magenta = encodeJpeg(solidImage(66, 66, {255, 0, 255}));
    for (int n = 1; n <= 12; ++n)
        ASSERT_TRUE(writeBytes(photos / ("Foto" + std::to_string(n) + ".jpg"), magenta));
    main.game().state.FigureCategory = "Personaliz";
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.game().deal.onPlay();
    fakes.scheduler.advance(100); // the first tick gives the faces their width back
    main.render();
    ASSERT_EQ(main.game().state.FigureCategory, "Personaliz");
    const QImage seen = main.grab().toImage();
    keepScreenshot(main, "fotos-fechadas");
    int photoPixels = 0;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x) {
            const QColor c = seen.pixelColor(x, y);
            photoPixels += c.red() > 200 && c.green() < 60 && c.blue() > 200;
        }
    EXPECT_EQ(photoPixels, 0) << "every block is closed";
    main.game().timers.matchTick.stop();
    main.game().photos.loader.waitForPreload();
}

class Chooser : public ::testing::Test {
protected:
    TestPorts fakes;
    Game game{fakes.ports()};
    RecordingCues sound;
    void SetUp() override { game.setSound(sound); }
};

TEST_F(Chooser, PictureUnderTheMouseIsFramedAndItsCaptionLit) {
    CategoryWindow chooser(game.state, game.sound(), game.deal, nullptr);
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
    CategoryWindow chooser(game.state, game.sound(), game.deal, nullptr);
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
        std::function<void(CategoryWindow&)> act;
        const char* category;
    } ways[] = {
        {"picture", [](CategoryWindow& c) { QTest::mouseClick(c.picture(3), Qt::LeftButton); },
         "Números"},
        {"caption", [](CategoryWindow& c) { QTest::mouseClick(c.caption(1), Qt::LeftButton); },
         "Figuras2"},
        {"Tab, Tab, Space",
         [](CategoryWindow& c) {
             QTest::keyClick(&c, Qt::Key_Tab);
             QTest::keyClick(&c, Qt::Key_Tab);
             QTest::keyClick(c.focusWidget(), Qt::Key_Space);
         },
         "Símbolos"},
        {"Enter on the own photos",
         [](CategoryWindow& c) {
             c.picture(4)->setFocus();
             QTest::keyClick(c.focusWidget(), Qt::Key_Return);
         },
         "Personaliz"},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        game.state.FigureCategory = "Figuras1";
        const int sounds = sound.count("optionChosen");
        QTimer::singleShot(0, [&] {
            auto* chooser = dynamic_cast<CategoryWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(hintBackground(), QColor(255, 255, 0));
            way.act(*chooser);
        });
        Watchdog watchdog;
        runCategoryChooser(game.state, game.sound(), game.deal, nullptr);
        EXPECT_EQ(game.state.FigureCategory, way.category);
        EXPECT_EQ(sound.count("optionChosen"), sounds + 1);
        EXPECT_EQ(hintBackground(), QColor(255, 255, 255)) << "hints are white once it closed";
    }
    game.photos.loader.waitForPreload();
}

TEST_F(Chooser, EscapeClosesWithoutChanging) {
    game.state.FigureCategory = "Números";
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    Watchdog watchdog;
    runCategoryChooser(game.state, game.sound(), game.deal, nullptr);
    EXPECT_EQ(game.state.FigureCategory, "Números");
    EXPECT_EQ(sound.count("optionChosen"), 0);
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

// Qt reads the folder tree on a thread of its own: a picture of the window waits
// until the tree shows the folders, so it does not depend on that thread's pace.
void waitForFolderTree(const PhotoManagerWindow& window) {
    const QAbstractItemModel* folders = window.folderTree->model();
    // A home without folders shows none however long it waits: kept all the same.
    (void)QTest::qWaitFor([&] { return folders->rowCount(window.folderTree->rootIndex()) > 0; },
                          2000);
}

class Manager : public ::testing::Test {
protected:
    TestPorts fakes;
    InputTurns turns{fakes.scheduler};
    Ports ports{fakes.scheduler, turns, fakes.random, fakes.dialogs, fakes.screen, fakes.paths};
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
    PhotoManagerWindow window(game.ports, game.sound(), game.deal, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.manager().openFolder(empty);
    window.render();
    EXPECT_TRUE(window.noJpegPanel->isVisible());
    std::vector<QColor> colours;
    for (int tick = 0; tick < 3; ++tick) {
        fakes.scheduler.advance(300);
        colours.push_back(textColour(window.noJpegPanel));
    }
    EXPECT_EQ(colours, (std::vector<QColor>{Qt::yellow, Qt::black, Qt::yellow}));
    waitForFolderTree(window);
    keepScreenshot(window, "perso-vazia");
    window.manager().openFolder(pictures);
    window.render();
    EXPECT_FALSE(window.noJpegPanel->isVisible());
    EXPECT_FALSE(window.manager().warningBlink.running());
    EXPECT_EQ(window.fileList->model()->rowCount(), 40);
    EXPECT_EQ(window.foundCountLabel->text(), QStringLiteral("40"));
}

TEST_F(Manager, SearchListsCompletesWithConcluidoAndStops) {
    PhotoManagerWindow window(game.ports, game.sound(), game.deal, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.manager().chooseDrive(fakes.paths.root());
    window.render();

    fakes.dialogs.type("img_1");
    QTest::mouseClick(window.searchButton, Qt::LeftButton);
    EXPECT_EQ(window.fileList->model()->rowCount(), 11) << "IMG_1 and IMG_10 .. IMG_19";
    EXPECT_TRUE(window.fileList->model()->index(0, 0).data().toString().endsWith(
        QStringLiteral("****") + QString::fromStdString(pictures.string())));
    EXPECT_EQ(window.searchStatusLabel->text(), QStringLiteral("Concluído"));
    EXPECT_FALSE(window.stopButton->isVisible());
    waitForFolderTree(window);
    keepScreenshot(window, "perso-busca");
    fakes.scheduler.advance(250 * 12);
    EXPECT_FALSE(window.searchStatusLabel->parentWidget()->isVisible())
        << "hidden three seconds after";

    // Stopped from the window while the walk hangs in a folder: what it found stays.
    HangingWalk hanging;
    window.manager().setWalk(hanging.walk());
    int turnsSeen = 0;
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        if (++turnsSeen == 5)
            QTest::mouseClick(window.stopButton, Qt::LeftButton);
    });
    clicker.start(0);
    fakes.dialogs.type("");
    QTest::mouseClick(window.searchButton, Qt::LeftButton);
    clicker.stop();
    EXPECT_FALSE(hanging.ended());
    EXPECT_EQ(window.fileList->model()->rowCount(), 2);
    EXPECT_EQ(window.foundCountLabel->text(), QStringLiteral("2"));
    EXPECT_NE(window.searchStatusLabel->text(), QStringLiteral("Concluído"));
    EXPECT_FALSE(window.searchStatusLabel->parentWidget()->isVisible());
    EXPECT_FALSE(window.stopButton->isVisible());
    hanging.release();
}

TEST_F(Manager, FolderWhoseReadHangsLeavesTheWindowAnswering) {
    PhotoManagerWindow window(game.ports, game.sound(), game.deal, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* folders = qobject_cast<QFileSystemModel*>(window.folderTree->model());
    ASSERT_NE(folders, nullptr);
    HangingWalk hanging;
    window.manager().setFolderWalk(hanging.walk());
    window.folderTree->setCurrentIndex(folders->index(QString::fromStdString(empty.string())));
    QElapsedTimer answered;
    answered.start();
    QTest::keyClick(window.folderTree, Qt::Key_Return);
    QTest::keyClick(window.driveBox, Qt::Key_Tab); // input is taken while the read hangs
    EXPECT_LT(answered.elapsed(), 100);
    EXPECT_EQ(window.fileList->model()->rowCount(), 0);
    EXPECT_FALSE(window.noJpegPanel->isVisible());
    hanging.release();
    fakes.scheduler.advance(20);
    EXPECT_EQ(window.fileList->model()->rowCount(), 2) << "shown once read";
    EXPECT_EQ(window.foundCountLabel->text(), QStringLiteral("2"));
}

// The window's way of choosing: the highlighted entry, as a person sees it.
int chosen(const QAbstractItemView* list) {
    const QModelIndexList items = list->selectionModel()->selectedIndexes();
    return items.isEmpty() ? -1 : items.front().row();
}

void clickEntry(QAbstractItemView* list, int row, Qt::KeyboardModifiers keys = {}) {
    const QModelIndex item = list->model()->index(row, 0);
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualRect(item).center());
}

TEST_F(Manager, EveryControlDoesItsOwnThing) {
    const auto shot = [](RGB colour) {
        return encodeJpeg(solidImage(60, 40, colour));
    };
    const fs::path shown = fakes.paths.root() / "Cores";
    fs::create_directories(shown);
    ASSERT_TRUE(writeBytes(shown / "1-vermelha.jpg", shot({220, 30, 30})));
    ASSERT_TRUE(writeBytes(shown / "2-verde.jpg", shot({30, 200, 30})));
    ASSERT_TRUE(writeBytes(shown / "3-<b>azul.jpg", shot({30, 30, 220})));
    const auto colourShown = [](const Image& image, RGB colour) {
        return !image.empty() && pixelNear(image, image.width / 2, image.height / 2, colour, 16);
    };
    PhotoManagerWindow window(game.ports, game.sound(), game.deal, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PhotoManager& manager = window.manager();

    // The drive box: "/" is the first drive; the tree and the list follow it.
    window.driveBox->setFocus();
    QTest::keyClick(window.driveBox, Qt::Key_Home);
    EXPECT_EQ(manager.drive(), fs::path("/"));
    EXPECT_EQ(manager.folder(), fs::path("/"));

    // The folder tree: Enter on a folder lists its pictures.
    QFileSystemModel* folders = qobject_cast<QFileSystemModel*>(window.folderTree->model());
    ASSERT_NE(folders, nullptr);
    window.folderTree->setCurrentIndex(folders->index(QString::fromStdString(shown.string())));
    QTest::keyClick(window.folderTree, Qt::Key_Return);
    EXPECT_EQ(manager.folder(), shown);
    ASSERT_EQ(window.fileList->model()->rowCount(), 3);

    // The file list: a click shows the picture, the arrows show the next one.
    clickEntry(window.fileList, 0);
    EXPECT_TRUE(colourShown(manager.view.preview, {220, 30, 30}));
    QTest::keyClick(window.fileList, Qt::Key_Down);
    EXPECT_TRUE(colourShown(manager.view.preview, {30, 200, 30})) << "the preview follows the keys";
    QTest::keyClick(window.fileList, Qt::Key_Down);
    EXPECT_TRUE(colourShown(manager.view.preview, {30, 30, 220}));
    // The hint is the path as written, however much it looks like markup.
    QTextDocument hint;
    hint.setHtml(window.fileList->toolTip());
    EXPECT_EQ(hint.toPlainText().toStdString(), (shown / "3-<b>azul.jpg").string());

    // "Copiar" copies the picture shown.
    const fs::path photos = game.ports.paths.photoFolder();
    QTest::mouseClick(window.copyButton, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().text, "Figura copiada com Sucesso");
    EXPECT_TRUE(colourShown(decodeJpegFile(photos / "foto1.Jpg").image, {30, 30, 220}));
    EXPECT_EQ(window.readyList->count(), 1);
    EXPECT_EQ(window.readyCountLabel->text(), QStringLiteral("1"));

    // Nothing highlighted, the current row still on an entry: nothing is copied.
    clickEntry(window.fileList, 2, Qt::ControlModifier);
    ASSERT_EQ(chosen(window.fileList), -1);
    ASSERT_EQ(window.fileList->currentIndex().row(), 2);
    QTest::mouseClick(window.copyButton, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().text,
              "Por favor, Clique uma das figuras da Listagem de Figuras acima.");
    EXPECT_FALSE(fs::exists(photos / "foto2.Jpg"));

    // The ready list shows its picture small.
    clickEntry(window.readyList, 0);
    EXPECT_TRUE(colourShown(manager.view.readyPreview, {30, 30, 220}));
    EXPECT_FALSE(window.readySizeLabel->text().isEmpty());

    // "Excluir Cópia" with nothing highlighted deletes nothing, then the chosen one.
    clickEntry(window.readyList, 0, Qt::ControlModifier);
    ASSERT_EQ(chosen(window.readyList), -1);
    fakes.dialogs.answer(Answer::Yes);
    QTest::mouseClick(window.deleteCopyButton, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.last().text, "Erro! Selecione a figura a ser Excluída.");
    EXPECT_TRUE(fs::exists(photos / "foto1.Jpg"));
    clickEntry(window.readyList, 0);
    fakes.dialogs.answer(Answer::Yes);
    QTest::mouseClick(window.deleteCopyButton, Qt::LeftButton);
    EXPECT_FALSE(fs::exists(photos / "foto1.Jpg"));
    EXPECT_EQ(window.readyList->count(), 0);
    EXPECT_EQ(window.readyCountLabel->text(), QStringLiteral("00"));
}

// Desktops set to open things with one click activate a list entry on each click.
class SingleClickStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == QStyle::SH_ItemView_ActivateItemOnSingleClick)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

TEST_F(Manager, OneClickOnADamagedFileTellsItOnceOnSingleClickDesktops) {
    ASSERT_TRUE(writeBytes(empty / "quebrada.jpg", std::vector<std::uint8_t>(500, 3)));
    PhotoManagerWindow window(game.ports, game.sound(), game.deal, nullptr);
    SingleClickStyle style;
    window.fileList->setStyle(&style);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.manager().openFolder(empty);
    window.render();
    fakes.dialogs.clear();
    clickEntry(window.fileList, 0);
    // The warning box and the plain box, each once.
    EXPECT_EQ(fakes.dialogs.shown().size(), 2u);
}

TEST_F(Manager, KeyboardReachesEveryControlAndEscapeCloses) {
    QTimer::singleShot(0, [] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        std::vector<QString> order;
        QWidget* at = window->findChild<QWidget*>(QStringLiteral("driveBox"));
        for (int step = 0; step < 8 && at; ++step, at = at->nextInFocusChain()) {
            while (at && at->focusPolicy() == Qt::NoFocus)
                at = at->nextInFocusChain();
            if (at)
                order.push_back(at->objectName());
        }
        EXPECT_EQ(order, (std::vector<QString>{"driveBox", "folderTree", "searchButton", "fileList",
                                               "stopButton", "copyButton", "deleteCopyButton",
                                               "readyList"}));
        QTest::keyClick(window, Qt::Key_Escape);
    });
    Watchdog watchdog;
    runPhotoManager(game.ports, game.sound(), game.deal, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace qv::test
