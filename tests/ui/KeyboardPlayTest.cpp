#include "app/MainWindow.h"
#include "platform/qt/QtScreen.h"
#include "tests/fakes/TestPorts.h"
#include "tests/ui/KeyboardPlayer.h"
#include "tests/ui/WindowTestTools.h"

#include <QAction>
#include <QLabel>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

class KeyboardPlay : public ShownMainWindow {
protected:
    Game& game() { return window.game(); }
    bool covered(int k) {
        return window.control(coverNames()[static_cast<std::size_t>(k)])->isVisible();
    }
    void sixteenBlocks() { window.menuEntry(QStringLiteral("blocks16"))->trigger(); }
    void startWithF2() {
        player.press(Qt::Key_F2);
        player.wait(100);
    }
};

TEST_F(KeyboardPlay, WinsASixteenBlockMatchAgainstTheClockWithKeysOnly) {
    sixteenBlocks();
    startWithF2();
    ASSERT_TRUE(game().matchInProgress());
    const auto pairs = player.pairs();
    ASSERT_EQ(pairs.size(), 8u);
    for (const auto& [a, b] : pairs) {
        player.turn(a);
        player.turn(b);
        player.wait(400); // the pair leaves the board
        EXPECT_FALSE(window.control(faceNames()[static_cast<std::size_t>(a)])->isVisible());
    }
    player.wait(200);
    EXPECT_FALSE(game().matchInProgress());
    EXPECT_EQ(qobject_cast<QLabel*>(window.control(Role::Player1Points))->text(), "1200");
    EXPECT_TRUE(window.control(Role::WinnerCaption)->isVisible());
    EXPECT_EQ(player.framed(), 0) << "no block is left to frame";
    EXPECT_EQ(window.focusWidget(), window.control(Role::FocusHolder));
}

TEST_F(KeyboardPlay, PlaysASixteenBlockMatchAgainstTheComputerWithKeysOnly) {
    sixteenBlocks();
    game().state.OpponentMode = PlayMode::OneBoard;
    game().state.RivalIsComputer = true;
    game().computer.applyLevel(3);
    startWithF2();
    ASSERT_TRUE(game().matchInProgress());
    // A miss first, so the computer gets its turn.
    const auto pairs = player.pairs();
    player.turn(pairs.at(0).first);
    player.turn(pairs.at(1).first);
    player.wait(1000);
    bool computerPlayed = false;
    for (int step = 0; step < 3000 && game().matchInProgress(); ++step) {
        const bool personsTurn = game().view.form.enabled && game().state.SecondTurn == 0;
        computerPlayed = computerPlayed || !game().view.form.enabled;
        const auto left = player.pairs();
        if (!personsTurn || left.empty()) {
            player.wait(100);
            continue;
        }
        player.turn(left.front().first);
        player.turn(left.front().second);
        player.wait(700); // the pair leaves the board
    }
    EXPECT_TRUE(computerPlayed) << "the computer had its turn";
    EXPECT_FALSE(game().matchInProgress());
    EXPECT_TRUE(window.control(Role::WinnerCaption)->isVisible());
}

TEST_F(KeyboardPlay, ArrowsWalkTheBlocksOnTheBoardAndWrapOnBothSizes) {
    sixteenBlocks();
    startWithF2();
    EXPECT_EQ(player.framed(), 0) << "no frame before a key is used";
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Right, 1}, // the first key shows the frame on the first block
        {Qt::Key_Right, 2}, {Qt::Key_Left, 1},  {Qt::Key_Left, 16}, {Qt::Key_Right, 1},
        {Qt::Key_Down, 9},  {Qt::Key_Down, 1},  {Qt::Key_Up, 9},    {Qt::Key_End, 16},
        {Qt::Key_Home, 1},  {Qt::Key_Left, 16}, {Qt::Key_Up, 8},
    };
    for (const auto& [key, expected] : walk) {
        player.press(key);
        EXPECT_EQ(player.framed(), expected) << "after key " << key;
    }
    // A pair that left the board is stepped over, and hands the frame on.
    const auto [a, b] = player.pairs().at(0);
    player.turn(a);
    player.turn(b);
    EXPECT_EQ(player.framed(), b);
    player.wait(400);
    int successor = b;
    for (int step = 0; step < 16 && (successor == a || successor == b); ++step)
        successor = successor % 16 + 1;
    EXPECT_EQ(player.framed(), successor);
    player.press(Qt::Key_Home);
    for (int step = 0; step < 16; ++step) {
        player.press(Qt::Key_Right);
        EXPECT_NE(player.framed(), a);
        EXPECT_NE(player.framed(), b);
    }

    // Twenty-four blocks: the same keys over three rows, past block 16.
    fakes.dialogs.answer(Answer::Yes);
    player.press(Qt::Key_Escape);
    window.menuEntry(QStringLiteral("blocks24"))->trigger();
    startWithF2();
    const std::pair<Qt::Key, int> walk24[] = {
        {Qt::Key_Home, 1}, {Qt::Key_Left, 24},  {Qt::Key_Up, 16},   {Qt::Key_Down, 24},
        {Qt::Key_Down, 8}, {Qt::Key_Right, 9},  {Qt::Key_End, 24},  {Qt::Key_Right, 1},
        {Qt::Key_Up, 17},  {Qt::Key_Right, 18}, {Qt::Key_Left, 17},
    };
    for (const auto& [key, expected] : walk24) {
        player.press(key);
        EXPECT_EQ(player.framed(), expected) << "after key " << key << " on 24 blocks";
    }
}

TEST_F(KeyboardPlay, UpAndDownKeepTheirWayOnTheThreeRowsOfTwentyFourBlocks) {
    startWithF2();
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Down, 9}, {Qt::Key_Down, 17}, {Qt::Key_Down, 1},
        {Qt::Key_Up, 17},   {Qt::Key_Up, 9},   {Qt::Key_End, 24},  {Qt::Key_Right, 1},
    };
    for (const auto& [key, expected] : walk) {
        player.press(key);
        EXPECT_EQ(player.framed(), expected) << "after key " << key;
    }
}

TEST_F(KeyboardPlay, SpaceAndEnterGoThroughTheSameGatesAsAClick) {
    player.press(Qt::Key_Right);
    player.press(Qt::Key_Space);
    EXPECT_TRUE(covered(1)) << "before a match the blocks take no clicks";

    startWithF2();
    player.press(Qt::Key_Space);
    EXPECT_FALSE(covered(1));
    player.press(Qt::Key_Right);
    player.press(Qt::Key_Return);
    EXPECT_TRUE(covered(2)) << "the first block is still uncovering";
    EXPECT_EQ(game().state.ClickCount, 1);

    player.wait(60);
    game().view.form.enabled = false; // the computer's turn
    player.press(Qt::Key_Enter);
    EXPECT_TRUE(covered(2));
    game().view.form.enabled = true;
    player.press(Qt::Key_Enter);
    EXPECT_FALSE(covered(2));
    EXPECT_EQ(game().state.ClickCount, 0) << "the try ended";
}

TEST_F(KeyboardPlay, F2PlaysAndEscStops) {
    player.press(Qt::Key_F2);
    EXPECT_TRUE(game().matchInProgress());
    fakes.dialogs.answer(Answer::Yes);
    player.press(Qt::Key_Escape);
    EXPECT_FALSE(game().matchInProgress());
    EXPECT_TRUE(window.control(Role::CancelNotice)->isVisible());
}

int framePixels(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == QColor(255, 221, 0) ? 1 : 0;
    }
    return count;
}

TEST_F(KeyboardPlay, FrameShowsOnlyAfterAKeyOnTheBackAndOnAFace) {
    startWithF2();
    const QRect block1 = window.control("blockFrame1")->geometry();
    const QImage before = window.centralWidget()->grab().toImage();
    keepScreenshot(window, "keyboard-before-arrow");
    EXPECT_EQ(framePixels(before, block1), 0);

    player.press(Qt::Key_Right);
    const QImage after = window.centralWidget()->grab().toImage();
    keepScreenshot(window, "keyboard-after-arrow");
    EXPECT_GT(framePixels(after, block1), 4 * 60) << "a ring round the whole block";

    player.press(Qt::Key_Space);
    player.wait(60);
    const QImage open = window.centralWidget()->grab().toImage();
    keepScreenshot(window, "keyboard-open-face");
    EXPECT_FALSE(covered(1));
    EXPECT_GT(framePixels(open, block1), 4 * 60);
    // Elsewhere the board looks as the mouse player knows it.
    const QRect block2 = window.control("blockFrame2")->geometry();
    EXPECT_EQ(after.copy(block2), before.copy(block2));
}

} // namespace
} // namespace qv::test
