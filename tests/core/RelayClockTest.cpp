#include "tests/fakes/MatchDriver.h"
#include "tests/fakes/RecordingCues.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

/// Games with their clock, their record offers and their sounds watched.
class TimedGame : public ::testing::Test {
protected:
    MatchDriver d;
    RecordingCues cues;
    RecordingRecords records{d.game.state};
    std::int64_t stoppedAt = 0;
    void SetUp() override {
        d.game.setSound(cues);
        d.game.setRecords(records);
    }
    void playOneAfterTheOther() {
        MatchState& s = d.game.state;
        s.OpponentMode = PlayMode::OneAfterOther;
        s.PlayerCount = 2;
        s.PlayerName1 = "Ana";
        s.PlayerName2 = "Bia";
        s.SettingsChanged = 1;
    }
    /// Lets the clock run out, for at most the limit and two seconds.
    void runOut() {
        for (int tick = 0; tick < 10 * (d.game.state.TimeLimitSeconds + 2); ++tick) {
            if (!d.game.matchInProgress())
                return;
            d.wait(100);
        }
        FAIL() << "the time did not run out";
    }
    /// Turns a block and waits until its uncovering, and any pause after it, is over,
    /// however late the timers come.
    void reveal(int position) {
        d.game.reveal.onCoverClick(position);
        for (int step = 0; step < 100 && d.game.timers.revealPause.running(); ++step)
            d.wait(30);
    }
    /// Clears the board so that it is found cleared when `seconds` were used.
    void clearBoardAt(int seconds) {
        auto pairs = d.pairs();
        const auto last = pairs.back();
        pairs.pop_back();
        for (const auto& [first, second] : pairs) {
            reveal(first);
            reveal(second);
        }
        for (int tick = 0; tick < 10 * (seconds + 2) && d.game.state.ElapsedSeconds < seconds;
             ++tick)
            d.wait(100);
        reveal(last.first);
        reveal(last.second);
    }
};

TEST_F(TimedGame, BoardClearedAtTenSecondsIsStoredAsTenSeconds) {
    d.start();
    auto pairs = d.pairs();
    const auto last = pairs.back();
    pairs.pop_back();
    for (const auto& pair : pairs)
        d.findPair(pair);
    for (int tick = 0; tick < 100 && d.game.state.ElapsedSeconds < 10; ++tick)
        d.wait(100);
    d.turn(last.first);
    d.turn(last.second);
    d.wait(100);
    ASSERT_FALSE(d.game.matchInProgress());
    ASSERT_EQ(records.offers.size(), 1u);
    EXPECT_EQ(records.offers[0].seconds, 10);
    EXPECT_EQ(records.offers[0].time, "0:10");
    EXPECT_EQ(d.label(Role::Player1Time).caption, "0:10");
}

TEST_F(TimedGame, RelayPenaltyChargesTheSecondsTheClocksShowedOnPreciseTimers) {
    playOneAfterTheOther();
    const MatchState& s = d.game.state;
    d.ports.scheduler.setAfterEvent([this] {
        if (!stoppedAt && !d.game.matchInProgress())
            stoppedAt = d.ports.scheduler.now();
    });
    // Plays one game of the series; returns how long its clock really ran.
    const auto play = [this, &s](int seconds) {
        stoppedAt = 0;
        d.start();
        clearBoardAt(seconds);
        return stoppedAt - s.ClockStart;
    };
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        d.ports.scheduler.firePrecisely(seed);
        const std::int64_t ran1 = play(60);
        const std::int64_t ran2 = play(100);
        ASSERT_FALSE(d.game.matchInProgress());
        ASSERT_NEAR(s.GameTime1 * 1000, ran1, 500);
        ASSERT_NEAR(s.GameTime2 * 1000, ran2, 500);
        ASSERT_EQ(s.PenaltyPoints, 20 * (s.GameTime2 - s.GameTime1));
        ASSERT_EQ(d.label(Role::Player2Points).caption, std::to_string(1800 - s.PenaltyPoints));
    }
}

TEST_F(TimedGame, FirstPlayersTimeOutHandsTheTurnOverWithTheWholeLimit) {
    playOneAfterTheOther();
    d.game.settings.onOneMinute();
    d.start();
    d.findPair(d.pairs()[0]);
    runOut();
    EXPECT_EQ(d.ports.dialogs.last().text, "TERMINOU O SEU TEMPO... AGORA É A VEZ DE...: Bia");
    EXPECT_FALSE(d.label(Role::Clock).visible);
    EXPECT_FALSE(d.label(Role::ClockCaption).visible);
    EXPECT_FALSE(d.game.view.cover(1).enabled);
    EXPECT_EQ(cues.count("timeUp"), 1);
    ASSERT_EQ(records.offers.size(), 1u);
    EXPECT_EQ(records.offers[0].routine, "offerRecord");
    EXPECT_EQ(records.offers[0].name, "Ana");
    EXPECT_EQ(records.offers[0].score, 150);
    EXPECT_EQ(records.offers[0].seconds, 60);
    EXPECT_EQ(records.offers[0].time, "1:00");
    EXPECT_EQ(d.label(Role::Player1Time).caption, "1:00");
    EXPECT_EQ(d.label(Role::PlayButton).color, colors::kBlue);

    d.start();
    EXPECT_TRUE(d.label(Role::Clock).visible);
    EXPECT_EQ(d.label(Role::Clock).caption, "1:00");
    EXPECT_EQ(d.label(Role::Player1Points).caption, "150")
        << "player 1's points stay for the decision";
    d.findPair(d.pairs()[0]);
    EXPECT_EQ(d.label(Role::Player2Points).caption, "150") << "the second game scores for player 2";
}

TEST_F(TimedGame, StopInTheSecondGameCancelsTheWholeSeries) {
    playOneAfterTheOther();
    d.game.settings.onFortyFiveSeconds();
    d.start();
    d.findPair(d.pairs()[0]);
    runOut();
    d.start();
    d.findPair(d.pairs()[0]);
    d.findPair(d.pairs()[0]);
    d.ports.dialogs.answer(Answer::Yes);
    d.game.clock.onStop();
    EXPECT_FALSE(d.game.matchInProgress());
    EXPECT_TRUE(d.label(Role::CancelNotice).visible);
    EXPECT_EQ(records.offers.size(), 1u) << "only player 1's time-out was offered";
    EXPECT_FALSE(d.label(Role::WinnerCaption).visible) << "no winner";
    EXPECT_EQ(d.game.state.WinTally1 + d.game.state.WinTally2, 0);
    for (const ShownBox& box : d.ports.dialogs.shown())
        EXPECT_NE(box.type, ShownBox::Type::Window) << "no penalty notice";

    // The next start is a new series: player 1 plays first on zeroed labels.
    d.start();
    EXPECT_EQ(d.label(Role::Player1Points).caption, "0");
    EXPECT_EQ(d.label(Role::Player2Points).caption, "0");
    EXPECT_EQ(d.label(Role::Player1Time).caption, "");
    EXPECT_EQ(d.game.state.RoundIndex, 1);
    d.findPair(d.pairs()[0]);
    EXPECT_EQ(d.label(Role::Player1Points).caption, "150");
    runOut();
    EXPECT_EQ(d.ports.dialogs.last().text, "TERMINOU O SEU TEMPO... AGORA É A VEZ DE...: Bia");
}

} // namespace
} // namespace qv::test
