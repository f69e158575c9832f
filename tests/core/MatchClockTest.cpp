#include "match/TimeText.h"
#include "tests/fakes/MatchDriver.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

// Advances to the next clock update and returns what the clock shows.
std::string afterSeconds(MatchDriver& d, int seconds) {
    d.wait(seconds * 1000);
    return d.label(Role::Clock).caption;
}

TEST(Clock, ThreeMinutesCountDownToZero) {
    MatchDriver d;
    d.game.deal.onPlay();
    EXPECT_EQ(d.label(Role::Clock).caption, "3:00");
    d.wait(100); // the first tick shows the board and starts the clock
    EXPECT_EQ(afterSeconds(d, 1) /* t = 1.1 s */, "2:59");
    EXPECT_EQ(d.game.state.ElapsedSeconds, 1);
    EXPECT_EQ(afterSeconds(d, 49), "2:10");
    EXPECT_EQ(afterSeconds(d, 10), "2:00");
    EXPECT_EQ(afterSeconds(d, 1), "1:59");
    EXPECT_EQ(afterSeconds(d, 59), "1:00");
    EXPECT_EQ(afterSeconds(d, 59), "0:01");
    EXPECT_TRUE(d.game.matchInProgress());
    EXPECT_EQ(afterSeconds(d, 1), "0:00");
    EXPECT_FALSE(d.game.matchInProgress());
    EXPECT_EQ(d.game.state.ElapsedSeconds, 180);
}

TEST(Clock, FortyFiveSecondsCountFrom44ToZero) {
    MatchDriver d;
    d.game.settings.onFortyFiveSeconds();
    d.game.deal.onPlay();
    EXPECT_EQ(d.label(Role::Clock).caption, "0:45");
    d.wait(100);
    std::vector<std::string> shown{d.label(Role::Clock).caption};
    for (int tick = 0; tick < 600 && d.game.matchInProgress(); ++tick) {
        d.wait(100);
        if (shown.back() != d.label(Role::Clock).caption)
            shown.push_back(d.label(Role::Clock).caption);
    }
    ASSERT_FALSE(d.game.matchInProgress());
    ASSERT_EQ(shown.size(), 46u);
    EXPECT_EQ(shown[1], "0:44");
    EXPECT_EQ(shown.back(), "0:00");
    EXPECT_EQ(d.game.state.ElapsedSeconds, 45);
}

// A blocked event loop shifts nothing: the tick that comes when it is free again
// shows the true time, and the clock counts on from there.
TEST(Clock, BlockedLoopCatchesUpAtTheNextTick) {
    struct Row {
        void (SettingsMenu::*limit)();
        int blockedSeconds;
        const char* shown;
        const char* secondLater; ///< empty: the time ran out
    };
    const Row rows[] = {
        {&SettingsMenu::onThreeMinutes, 5, "2:54", "2:53"},
        {&SettingsMenu::onThreeMinutes, 70, "1:49", "1:48"},
        {&SettingsMenu::onFortyFiveSeconds, 5, "0:39", "0:38"},
        {&SettingsMenu::onOneMinute, 58, "0:01", ""},
        {&SettingsMenu::onOneMinute, 70, "0:00", ""},
        {&SettingsMenu::onTwoMinutes, 70, "0:49", "0:48"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.blockedSeconds) + " s blocked, then " + row.shown);
        MatchDriver d;
        (d.game.settings.*row.limit)();
        d.start();
        afterSeconds(d, 1);
        d.ports.scheduler.hold(row.blockedSeconds * 1000);
        EXPECT_EQ(afterSeconds(d, 0), row.shown);
        if (*row.secondLater) {
            EXPECT_EQ(afterSeconds(d, 1), row.secondLater);
        } else {
            d.wait(1000);
            EXPECT_EQ(d.label(Role::Clock).caption, "0:00");
        }
        EXPECT_EQ(d.game.matchInProgress(), *row.secondLater != 0);
    }
}

TEST(Clock, TimeTexts) {
    struct Row {
        int minutes, seconds;
        const char* text;
    };
    for (const Row& row : {Row{2, 5, "2:05"}, Row{2, 10, "2:10"}, Row{0, 10, "0:10"},
                           Row{2, 15, "2:15"}, Row{0, 9, "0:09"}, Row{3, 0, "3:00"}})
        EXPECT_EQ(timeText(row.minutes, row.seconds), row.text);
    MatchDriver d;
    for (const auto& [elapsed, text] : {std::pair{125, "2:05"}, std::pair{10, "0:10"}}) {
        d.game.state.ElapsedSeconds = elapsed;
        d.game.clock.computeUsedTime();
        EXPECT_EQ(timeText(d.game.state.UsedMinutes, d.game.state.UsedSeconds), text);
    }
    // A game that ends with no time used shows the whole limit.
    d.game.settings.onTwoMinutes();
    d.game.state.ElapsedSeconds = 0;
    d.game.clock.computeUsedTime();
    EXPECT_EQ(timeText(d.game.state.UsedMinutes, d.game.state.UsedSeconds), "2:00");
}

TEST(Board, LastPairOfSixteenBlocksEndsTheMatchOnTheNextTick) {
    MatchDriver d;
    d.game.settings.onSixteenBlocks();
    d.start();
    const auto pairs = d.pairs();
    ASSERT_EQ(pairs.size(), 8u);
    for (std::size_t n = 0; n + 1 < pairs.size(); ++n)
        d.findPair(pairs[n]);
    d.game.reveal.onCoverClick(pairs.back().first);
    d.wait(60);
    d.game.reveal.onCoverClick(pairs.back().second);
    EXPECT_EQ(d.game.state.BoardPoints, 1200);
    EXPECT_TRUE(d.game.matchInProgress());
    d.wait(100);
    EXPECT_FALSE(d.game.matchInProgress());
}

TEST(Stop, WithNoMatchItAsksNothingAndClearsTheEndDisplay) {
    MatchDriver d;
    d.game.endDisplay.showWinner("Ana");
    d.game.clock.onStop();
    EXPECT_TRUE(d.ports.dialogs.shown().empty());
    EXPECT_FALSE(d.game.timers.endAnimation.running());
    EXPECT_FALSE(d.label(Role::WinnerCaption).visible);
    EXPECT_EQ(d.game.state.EndAnimInterval, 0);
}

TEST(Stop, DuringAMatchItAsksAndNoKeepsPlaying) {
    MatchDriver d;
    d.start();
    d.ports.dialogs.answer(Answer::No);
    d.game.clock.onStop();
    const ShownBox& box = d.ports.dialogs.last();
    EXPECT_EQ(box.text, "Deseja parar/cancerlar essa partida?");
    EXPECT_EQ(box.caption, "Quorvanella 2.0");
    EXPECT_EQ(box.icon, MessageIcon::Stop);
    EXPECT_EQ(box.buttons, Buttons::YesNo);
    EXPECT_TRUE(d.game.matchInProgress());
    EXPECT_TRUE(d.game.view.cover(1).enabled);

    d.ports.dialogs.answer(Answer::Yes);
    d.game.clock.onStop();
    EXPECT_FALSE(d.game.matchInProgress());
    EXPECT_TRUE(d.label(Role::CancelNotice).visible);
    EXPECT_FALSE(d.game.view.cover(1).enabled);
    EXPECT_EQ(d.game.state.Phase, MatchPhase::Stopped);
    EXPECT_EQ(d.game.state.SettingsChanged, 1);
}

} // namespace
} // namespace qv::test
