#include "tests/fakes/BoardParts.h"
#include "tests/fakes/MatchDriver.h"
#include "tests/fakes/RecordingCues.h"

#include <gtest/gtest.h>

#include <ostream>

namespace qv::test {
namespace {

constexpr int kTick = 30;
constexpr std::pair<int, int> kPair{1, 2};
constexpr std::pair<int, int> kOtherPair{23, 24};
constexpr std::pair<int, int> kMiss{1, 3};

/// Turning blocks on its own board, a match running.
class Reveal : public ::testing::Test, protected BoardParts {
protected:
    /// Player 1 plays alone, as the match clock leaves it when the game begins.
    void SetUp() override {
        startMatch();
        state.FirstPlayerPlays = true;
    }

    void tick(int count = 1) { ports.scheduler.advance(kTick * count); }
    /// Clicks a block and waits until its uncovering is over.
    void turn(int position) {
        reveal.onCoverClick(position);
        tick(2);
    }
    /// The second block of a try, clicked right after the first has uncovered.
    void tryPair(std::pair<int, int> blocks) {
        turn(blocks.first);
        reveal.onCoverClick(blocks.second);
    }
};

// ---- Pauses -----------------------------------------------------------------------------

struct PauseRow {
    const char* name;
    bool found;
    int pauseTicks; ///< counted after the two ticks that uncover the second block
    const char* sound;
    const char* points;     ///< player 1's points after the try
    TryState afterNewBlock; ///< a miss closed early is remembered, a pair is simply gone
};

void PrintTo(const PauseRow& row, std::ostream* os) {
    *os << row.name;
}

class Pause : public Reveal, public ::testing::WithParamInterface<PauseRow> {
protected:
    std::pair<int, int> blocks() { return GetParam().found ? kPair : kMiss; }
    /// Both blocks of the try still show their figures.
    bool shown(std::pair<int, int> b) {
        return GetParam().found ? view.face(b.first).visible && view.face(b.second).visible
                                : !view.cover(b.first).visible && !view.cover(b.second).visible;
    }
    /// A found pair has left the board; a missed one is face down again.
    bool over(std::pair<int, int> b) {
        return GetParam().found ? !view.face(b.first).visible && !view.face(b.second).visible
                                : view.cover(b.first).visible && view.cover(b.second).visible;
    }
};

TEST_P(Pause, EndsOnItsTickWithItsSound) {
    const PauseRow row = GetParam();
    const auto b = blocks();
    tryPair(b);
    tick(2 + row.pauseTicks - 1);
    EXPECT_TRUE(shown(b)) << "one tick early";
    EXPECT_EQ(cues.count(row.sound), 0);
    EXPECT_EQ(view[Role::Player1Points].caption, row.points);
    EXPECT_EQ(cues.count("firstClick"), 1);
    EXPECT_EQ(cues.count("secondClick"), 1);
    tick();
    EXPECT_TRUE(over(b));
    EXPECT_EQ(cues.count(row.sound), 1);
    EXPECT_EQ(state.Try, TryState::None);
    EXPECT_FALSE(timers.revealPause.running());
}

TEST_P(Pause, ANewFirstBlockEndsItAtOnceWithoutItsSound) {
    const PauseRow row = GetParam();
    const auto b = blocks();
    tryPair(b);
    tick(5);
    reveal.onCoverClick(kOtherPair.first);
    EXPECT_TRUE(over(b));
    EXPECT_EQ(state.Try, row.afterNewBlock);
    EXPECT_FALSE(view.cover(kOtherPair.first).visible) << "the new block turns";
    tick(40);
    EXPECT_EQ(cues.count(row.sound), 0);
}

INSTANTIATE_TEST_SUITE_P(
    FoundOrMissed, Pause,
    ::testing::Values(PauseRow{"found", true, 12, "pairFound", "150", TryState::None},
                      PauseRow{"missed", false, 19, "pairMissed", "-25", TryState::MissClosed}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Uncovering -------------------------------------------------------------------------

TEST_F(Reveal, SecondClickDuringTheUncoveringIsIgnored) {
    const auto [a, b] = kMiss;
    reveal.onCoverClick(a);
    tick();
    reveal.onCoverClick(b);
    EXPECT_TRUE(view.cover(b).visible) << "the first block is still uncovering";
    EXPECT_EQ(state.ClickCount, 1);
    tick();
    reveal.onCoverClick(b);
    EXPECT_FALSE(view.cover(b).visible);
    EXPECT_EQ(state.ClickCount, 0) << "after the uncovering the click counts";
}

// The cover of a figure flashes once before it is gone; a photo's is simply gone.
TEST_F(Reveal, PhotoCoverIsGoneAtTheFirstTickWithoutAFlash) {
    state.FigureCategory = category::kPersonaliz;
    reveal.onCoverClick(1);
    tick();
    EXPECT_FALSE(view.cover(1).visible);
    EXPECT_TRUE(view.cover(1).enabled);
    EXPECT_TRUE(state.ClickArmed) << "the next block can be turned at once";
    tick(30);
    EXPECT_FALSE(view.cover(1).visible);
}

TEST_F(Reveal, FigureCoverFlashesOnceAtTheFirstTick) {
    reveal.onCoverClick(1);
    tick();
    EXPECT_TRUE(view.cover(1).visible);
    EXPECT_FALSE(state.ClickArmed);
    tick();
    EXPECT_FALSE(view.cover(1).visible);
    EXPECT_TRUE(state.ClickArmed);
}

// ---- A pause that outlasts the match ----------------------------------------------------

struct PendingRow {
    const char* name;
    bool found;
    bool lastPair; ///< the pair clears the board, which ends the match by itself
};

void PrintTo(const PendingRow& row, std::ostream* os) {
    *os << row.name;
}

/// The whole game: the match clock and the end of the match close the board.
class Pending : public ::testing::Test, public ::testing::WithParamInterface<PendingRow> {
protected:
    MatchDriver d;
    RecordingCues cues;
    void SetUp() override { d.game.setSound(cues); }

    void tick(int count = 1) { d.wait(kTick * count); }
    void tryPair(std::pair<int, int> blocks) {
        d.turn(blocks.first);
        d.game.reveal.onCoverClick(blocks.second);
    }
    void stopMatch() {
        d.ports.dialogs.answer(Answer::Yes);
        d.game.clock.onStop();
        ASSERT_FALSE(d.game.matchInProgress());
    }
    /// Every block of the board is face down and takes clicks, or none takes them.
    void expectBoard(bool open, const char* when) {
        for (int k = 1; k <= 24; ++k) {
            const Control& cover = d.game.view.cover(k);
            if (open) {
                EXPECT_TRUE(cover.visible && cover.enabled) << "cover " << k << when;
                EXPECT_TRUE(d.game.view.face(k).visible) << "face " << k << when;
            } else {
                EXPECT_FALSE(cover.visible && cover.enabled) << "cover " << k << when;
            }
        }
    }
    /// Leaves a pair waiting to close or to leave, with the match over.
    void endWithAPairPending() {
        const PendingRow row = GetParam();
        d.start();
        if (row.lastPair) {
            auto all = d.pairs();
            for (std::size_t n = 0; n + 1 < all.size(); ++n)
                d.findPair(all[n]);
            tryPair(all.back());
            d.wait(100);
        } else {
            tryPair(row.found ? d.pairs().front() : d.miss());
            tick(3);
            stopMatch();
        }
        ASSERT_FALSE(d.game.matchInProgress());
        ASSERT_NE(d.game.state.Try, TryState::None) << "nothing is pending";
    }
};

TEST_P(Pending, StartRightAfterKeepsTheWholeNewBoard) {
    endWithAPairPending();
    const auto sounds = cues.played.size();
    d.start();
    tick(40);
    expectBoard(true, " after the start");
    EXPECT_EQ(d.game.state.Try, TryState::None);
    for (std::size_t n = sounds; n < cues.played.size(); ++n)
        EXPECT_EQ(cues.played[n], "stopWave") << "a sound of the old board";
}

TEST_P(Pending, NoBlockTakesClicksAfterThePause) {
    endWithAPairPending();
    tick(40);
    expectBoard(false, " after the match");
}

INSTANTIATE_TEST_SUITE_P(EndingDuringAPause, Pending,
                         ::testing::Values(PendingRow{"PararAfterAMiss", false, false},
                                           PendingRow{"PararAfterAPair", true, false},
                                           PendingRow{"LastPairClearsTheBoard", true, true}),
                         [](const auto& row) { return std::string(row.param.name); });

// A miss made ever later in the last second: wherever the time-out falls in the
// try, the board ends shut, also when the missed pair closes after it.
TEST(TimeOutDuringATry, LeavesTheBoardShut) {
    int pendingAtTheTimeOut = 0;
    for (int offset = 0; offset <= 1500; offset += 100) {
        MatchDriver d;
        d.game.settings.onFortyFiveSeconds();
        d.start();
        d.wait(44'000 + offset);
        if (!d.game.matchInProgress())
            break;
        const auto [a, b] = d.miss();
        d.turn(a);
        if (d.game.matchInProgress())
            d.game.reveal.onCoverClick(b);
        for (int n = 0; n < 300 && d.game.matchInProgress(); ++n)
            d.wait(10);
        ASSERT_FALSE(d.game.matchInProgress()) << "offset " << offset;
        pendingAtTheTimeOut += d.game.state.Try == TryState::MissShown;
        d.wait(2000);
        for (int k = 1; k <= 24; ++k) {
            const Control& cover = d.game.view.cover(k);
            EXPECT_FALSE(cover.visible && cover.enabled) << "offset " << offset << " cover " << k;
        }
    }
    EXPECT_GT(pendingAtTheTimeOut, 0) << "no time-out came while a missed pair was open";
}

} // namespace
} // namespace qv::test
