#include "game/Game.h"
#include "match/WindowLayout.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace qv::test {
namespace {

TEST(WindowCreation, SetsDefaultsAndLocksTheBoard) {
    MatchState state;
    MainView view;
    setUpMainWindow(state, view, {1024, 768});
    EXPECT_EQ(state.BlockCount, 24);
    EXPECT_EQ(state.MaxBoardPoints, 1800);
    EXPECT_EQ(state.FigureCategory, "Figuras1");
    EXPECT_EQ(state.OpponentMode, PlayMode::Alone);
    EXPECT_EQ(state.PlayerCount, 1);
    EXPECT_EQ(state.WinFrames[1], holders::winFrame(1));
    EXPECT_EQ(state.LoseFrames[3], holders::loseFrame(3));
    EXPECT_EQ(view[Role::ResultText].caption, "");
    for (int k = 1; k <= 24; ++k)
        EXPECT_FALSE(view.cover(k).enabled) << "cover " << k << " takes clicks";
    EXPECT_TRUE(view.menu.time3min && view.menu.blocks24 && view.menu.playAlone);
}

// The game's own set-up adds the photo folder to the window's, quietly and with
// no timer started.
TEST(WindowCreation, CreatesThePhotoFolderWhenMissing) {
    TestPorts ports;
    Game game(ports.ports());
    ASSERT_FALSE(std::filesystem::exists(ports.paths.photoFolder()));
    game.setUp();
    EXPECT_TRUE(std::filesystem::is_directory(ports.paths.photoFolder()));
    for (const Timer* timer : {&game.timers.matchTick, &game.timers.revealPause,
                               &game.timers.endAnimation, &game.timers.computerWait})
        EXPECT_FALSE(timer->running()) << timer->name();
    EXPECT_TRUE(ports.dialogs.shown().empty());
}

TEST(WindowCreation, PhotoFolderThatCannotBeCreatedIsReportedWithItsRealPath) {
    TestPorts ports;
    // A file where the folder should be: the folder can be neither found nor made.
    std::ofstream(ports.paths.photoFolder()) << "not a folder";
    Game game(ports.ports());
    game.setUp();
    ASSERT_EQ(ports.dialogs.shown().size(), 1u);
    const ShownBox& box = ports.dialogs.last();
    EXPECT_EQ(box.caption, kApplicationTitle);
    EXPECT_EQ(box.icon, MessageIcon::Stop);
    EXPECT_EQ(box.text, "O programa não pode criar a pasta " + ports.paths.photoFolder().string() +
                            ",ela é fundamental para usar opções personalizada desse jogo\n\n"
                            "Obs.: caso o programa não consiga criar a pasta, tente manualmente.");
    // The rest of the window is still set up: no block can be clicked.
    EXPECT_FALSE(game.view.cover(1).enabled);
    EXPECT_EQ(game.state.OpponentMode, PlayMode::Alone);
}

TEST(WindowCreation, ShowGivesFocusToTheHiddenButtonAndShowsTheAdvertising) {
    TestPorts ports;
    Game game(ports.ports());
    game.setUp();
    EXPECT_FALSE(game.view[Role::Banner].visible);
    game.onShown();
    EXPECT_EQ(game.view.focus, Role::FocusHolder);
    EXPECT_TRUE(game.view[Role::Banner].visible);
}

TEST(VirtualTime, TimersFireInTimeOrderAndNestedWaitsLetThemFire) {
    VirtualScheduler scheduler;
    Timer fast(scheduler, "fast");
    Timer slow(scheduler, "slow");
    std::vector<std::string> fired;
    fast.setHandler([&] { fired.push_back("fast@" + std::to_string(scheduler.now())); });
    slow.setHandler([&] {
        fired.push_back("slow@" + std::to_string(scheduler.now()));
        slow.stop();
        scheduler.waitProcessingEvents(60); // fast keeps firing inside the handler
    });
    fast.setInterval(30);
    slow.setInterval(40);
    scheduler.advance(100);
    EXPECT_EQ(fired, (std::vector<std::string>{"fast@30", "slow@40", "fast@60", "fast@90"}));
    scheduler.hold(1000);
    EXPECT_EQ(fired.size(), 4u);
    // Setting the interval it already has keeps the rhythm: the tick missed during the
    // hold fires once, late, and is not caught up.
    fast.setInterval(30);
    scheduler.advance(0);
    EXPECT_EQ(fired.size(), 5u);
    EXPECT_EQ(fired.back(), "fast@1100");
}

// As on Qt's event loop: a timer whose handler waits (the computer's pauses inside
// the match tick) is not entered again meanwhile and its ticks missed are lost,
// while the other timers go on firing.
TEST(VirtualTime, AHandlerThatWaitsIsNotEnteredAgain) {
    for (bool precise : {false, true}) {
        VirtualScheduler scheduler;
        if (precise)
            scheduler.firePrecisely(7);
        Timer tick(scheduler, "tick");
        Timer other(scheduler, "other");
        int ticks = 0, depth = 0, deepest = 0, others = 0, othersInWait = 0;
        tick.setHandler([&] {
            ++ticks;
            deepest = std::max(deepest, ++depth);
            if (ticks == 1) {
                scheduler.waitProcessingEvents(300); // three of its own ticks long
                othersInWait = others;
            }
            --depth;
        });
        other.setHandler([&] { ++others; });
        tick.setInterval(100);
        other.setInterval(30);
        scheduler.advance(1000);
        EXPECT_EQ(deepest, 1) << "precise " << precise;
        EXPECT_GT(othersInWait, 0) << "precise " << precise;
        if (!precise) {
            EXPECT_EQ(othersInWait, 13) << "every 30 ms up to 400";
            EXPECT_EQ(ticks, 7) << "100, then 500 to 1000: the three in the wait are lost";
        }
    }
}

} // namespace
} // namespace qv::test
