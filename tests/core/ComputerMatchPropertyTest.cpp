#include "tests/fakes/VersusComputer.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

// Whole matches against the computer at every level, on both boards, against a
// person who turns blocks at random and one who remembers everything shown.
// With `precise`, timers tick like the event loop's: late, and stalled at times.
void playEveryLevel(int matchesPerCase, bool precise) {
    int computerPairs = 0;
    ComputerMatch match;
    int played = 0;
    for (int level = 1; level <= kLevelCount; ++level) {
        for (int blocks : {24, 16}) {
            for (Person person : {Person::Random, Person::Remembering}) {
                for (int game = 0; game < matchesPerCase; ++game) {
                    const std::uint32_t seed = std::uint32_t(played * 7919 + 13);
                    if (precise)
                        match.d.ports.scheduler.firePrecisely(seed);
                    match.restart(seed % 997, level, blocks);
                    const MatchOutcome out = playToTheEnd(match, person, seed);
                    ++played;
                    computerPairs += out.pairs2;
                    SCOPED_TRACE(testing::Message() << "level " << level << ", " << blocks
                                                    << " blocks, match " << game);
                    ASSERT_TRUE(out.cleared) << "every match ends by a cleared board";
                    EXPECT_TRUE(out.pointsHeld);
                    EXPECT_LE(out.mostOpen, 2);
                    EXPECT_EQ(out.pairs1 + out.pairs2, blocks / 2);
                    EXPECT_EQ(out.pairedPositions, blocks) << "every block left in a pair";
                    EXPECT_EQ(out.facesLeft, 0) << "the board is empty";
                    EXPECT_LT(out.longestTurn, 5 * 60 * 1000) << "every computer turn ends";
                }
            }
        }
    }
    EXPECT_EQ(played, 3 * 2 * 2 * matchesPerCase);
    EXPECT_GT(computerPairs, played * 3) << "the computer plays, and finds pairs";
}

TEST(ComputerMatchProperty, EveryMatchEndsWithHonestScoresAndAtMostTwoOpenBlocks) {
    playEveryLevel(170, false);
}

TEST(ComputerMatchProperty, HoldsWithTimersThatTickLateAndStall) {
    playEveryLevel(40, true);
}

} // namespace
} // namespace qv::test
