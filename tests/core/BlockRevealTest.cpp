#include "tests/fakes/JpegSamples.h"
#include "tests/fakes/MatchDriver.h"
#include "tests/fakes/RecordingCues.h"

#include <gtest/gtest.h>

#include <ostream>

namespace qv::test {
namespace {

constexpr int kTick = 30;

class Reveal : public ::testing::Test {
protected:
    MatchDriver d;
    RecordingCues cues;
    void SetUp() override { d.game.setSound(cues); }

    Control& cover(int k) { return d.game.view.cover(k); }
    Control& face(int k) { return d.game.view.face(k); }
    void tick(int count = 1) { d.wait(kTick * count); }
    /// The second block of a try, clicked right after the first has uncovered.
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
            if (open) {
                EXPECT_TRUE(cover(k).visible && cover(k).enabled) << "cover " << k << when;
                EXPECT_TRUE(face(k).visible) << "face " << k << when;
            } else {
                EXPECT_FALSE(cover(k).visible && cover(k).enabled) << "cover " << k << when;
            }
        }
    }
};

// ---- Pauses -----------------------------------------------------------------------------

struct PauseRow {
    const char* name;
    bool found;
    int pauseTicks; ///< counted after the two ticks that uncover the second block
    const char* sound;
};

void PrintTo(const PauseRow& row, std::ostream* os) {
    *os << row.name;
}

class Pause : public Reveal, public ::testing::WithParamInterface<PauseRow> {
protected:
    std::pair<int, int> blocks() { return GetParam().found ? d.pairs().front() : d.miss(); }
    /// A found pair has left the board; a missed one is face down again.
    bool over(std::pair<int, int> b) {
        return GetParam().found ? !face(b.first).visible && !face(b.second).visible
                                : cover(b.first).visible && cover(b.second).visible;
    }
};

TEST_P(Pause, EndsOnItsTickWithItsSound) {
    const PauseRow row = GetParam();
    d.start();
    const auto b = blocks();
    tryPair(b);
    tick(2 + row.pauseTicks - 1);
    EXPECT_FALSE(over(b)) << "one tick early";
    EXPECT_EQ(cues.count(row.sound), 0);
    tick();
    EXPECT_TRUE(over(b));
    EXPECT_EQ(cues.count(row.sound), 1);
    EXPECT_EQ(d.game.state.Try, TryState::None);
    EXPECT_FALSE(d.game.timers.revealPause.running());
}

TEST_P(Pause, ANewFirstBlockEndsItAtOnceWithoutItsSound) {
    const PauseRow row = GetParam();
    d.start();
    const auto b = blocks();
    const auto others = d.pairs().back();
    tryPair(b);
    tick(5);
    d.game.reveal.onCoverClick(others.first);
    EXPECT_TRUE(over(b));
    EXPECT_FALSE(cover(others.first).visible) << "the new block turns";
    tick(40);
    EXPECT_EQ(cues.count(row.sound), 0);
}

INSTANTIATE_TEST_SUITE_P(FoundOrMissed, Pause,
                         ::testing::Values(PauseRow{"found", true, 12, "pairFound"},
                                           PauseRow{"missed", false, 19, "pairMissed"}),
                         [](const auto& row) { return std::string(row.param.name); });

// ---- Uncovering -------------------------------------------------------------------------

TEST_F(Reveal, SecondClickDuringTheUncoveringIsIgnored) {
    d.start();
    const auto [a, b] = d.miss();
    d.game.reveal.onCoverClick(a);
    tick();
    d.game.reveal.onCoverClick(b);
    EXPECT_TRUE(cover(b).visible) << "the first block is still uncovering";
    EXPECT_EQ(d.game.state.ClickCount, 1);
    tick();
    d.game.reveal.onCoverClick(b);
    EXPECT_FALSE(cover(b).visible);
}

class PhotoReveal : public Reveal {
protected:
    void SetUp() override {
        Reveal::SetUp();
        const auto folder = d.ports.paths.photoFolder();
        for (int n = 1; n <= 12; ++n) {
            const auto shade = static_cast<std::uint8_t>(n * 20);
            ASSERT_TRUE(writeBytes(folder / ("Foto" + std::to_string(n) + ".jpg"),
                                   encodeJpeg(solidImage(20, 20, {shade, 90, 200}))));
        }
        d.game.state.FigureCategory = "Personaliz";
    }
};

// The cover of a figure flashes once before it is gone; a photo's is simply gone.
TEST_F(PhotoReveal, CoverIsGoneAtTheFirstTickWithoutAFlash) {
    d.start();
    ASSERT_EQ(d.game.state.FigureCategory, "Personaliz");
    d.game.reveal.onCoverClick(1);
    tick();
    EXPECT_FALSE(cover(1).visible);
    EXPECT_TRUE(cover(1).enabled);
    EXPECT_TRUE(d.game.state.ClickArmed) << "the next block can be turned at once";
    tick(30);
    EXPECT_FALSE(cover(1).visible);
}

TEST_F(Reveal, FigureCoverFlashesOnceAtTheFirstTick) {
    d.start();
    d.game.reveal.onCoverClick(1);
    tick();
    EXPECT_TRUE(cover(1).visible);
    EXPECT_FALSE(d.game.state.ClickArmed);
    tick();
    EXPECT_FALSE(cover(1).visible);
    EXPECT_TRUE(d.game.state.ClickArmed);
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

class Pending : public Reveal, public ::testing::WithParamInterface<PendingRow> {
protected:
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
