#include "tests/fakes/BoardParts.h"
#include "tests/fakes/ComputerMatch.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace qv::test {
namespace {

/// The figure's partner position on the board, or 0.
int partnerOf(const MatchState& s, int position) {
    for (int k = 1; k <= s.BlockCount; ++k) {
        if (k != position && s.SlotFigure[std::size_t(k)] == s.SlotFigure[std::size_t(position)])
            return k;
    }
    return 0;
}

/// The computer's move right now, with its turn already begun.
void moveNow(ComputerMatch& m) {
    m.s.SecondTurn = 1;
    m.d.game.computer.makeMove();
}

struct AttemptsRow {
    int level;
    int blocks;
    int left;
    int attempts;
};

class AttemptsPerLevel : public ::testing::TestWithParam<AttemptsRow> {};

TEST_P(AttemptsPerLevel, FollowTheLevelTableByPositionsLeftFirstBlockIncluded) {
    const AttemptsRow row = GetParam();
    ComputerMatch m;
    m.start(row.level, row.blocks);
    m.leaveOnBoard(row.left);
    moveNow(m);
    EXPECT_EQ(m.s.AttemptLimit, row.attempts);
}

// Both sides of 8|10 and 16|18 positions (a pair leaves two at a time).
INSTANTIATE_TEST_SUITE_P(LevelTable, AttemptsPerLevel,
                         ::testing::Values(AttemptsRow{1, 24, 24, 8}, AttemptsRow{1, 24, 18, 8},
                                           AttemptsRow{1, 24, 16, 5}, AttemptsRow{1, 24, 10, 5},
                                           AttemptsRow{1, 24, 8, 3}, AttemptsRow{1, 24, 2, 3},
                                           AttemptsRow{2, 24, 24, 10}, AttemptsRow{2, 24, 18, 10},
                                           AttemptsRow{2, 24, 16, 7}, AttemptsRow{2, 24, 10, 7},
                                           AttemptsRow{2, 24, 8, 4}, AttemptsRow{3, 24, 24, 11},
                                           AttemptsRow{3, 24, 18, 11}, AttemptsRow{3, 24, 16, 8},
                                           AttemptsRow{3, 24, 10, 8}, AttemptsRow{3, 24, 8, 5},
                                           // No level chosen yet: level 1.
                                           AttemptsRow{0, 24, 24, 8}, AttemptsRow{0, 24, 8, 3},
                                           // A 16-block board starts in the middle column.
                                           AttemptsRow{1, 16, 16, 5}, AttemptsRow{2, 16, 16, 7},
                                           AttemptsRow{3, 16, 16, 8}, AttemptsRow{3, 16, 8, 5}));

TEST(ComputerMove, FindsTheLastPairAtEveryLevel) {
    ComputerMatch m;
    for (int level = 1; level <= kLevelCount; ++level) {
        for (int seed = 0; seed < 20; ++seed) {
            m.restart(seed * 37, level, seed % 2 ? 16 : 24);
            m.leaveOnBoard(2);
            moveNow(m);
            EXPECT_EQ(m.s.BoardPoints, m.s.MaxBoardPoints) << "level " << level << " seed " << seed;
            EXPECT_EQ(m.s.Score2, 150);
        }
    }
}

TEST(ComputerMove, TestsUnseenCandidatesOnlyAtFiveAttemptsOrFewer) {
    ComputerMatch m;
    // Level, board and positions left giving 5 and 4 attempts: every candidate is tested.
    for (const auto& [level, blocks, left] :
         {std::array{1, 16, 16}, std::array{3, 24, 6}, std::array{2, 24, 8}}) {
        for (int seed = 0; seed < 20; ++seed) {
            m.restart(seed * 101, level, blocks);
            m.leaveOnBoard(left);
            m.s.SlotSeen.fill(0);
            moveNow(m);
            ASSERT_LE(m.s.AttemptLimit, 5);
            for (int c : m.d.game.computer.candidates()) {
                if (c != 0) {
                    EXPECT_EQ(m.s.SlotSeen[std::size_t(c)], 1)
                        << "candidate " << c << " level " << level << " seed " << seed;
                }
            }
        }
    }
    // Above 5 attempts only blocks seen before are tested, but for the last one.
    for (int level = 1; level <= kLevelCount; ++level) {
        for (int seed = 0; seed < 60; ++seed) {
            m.restart(seed * 101, level);
            m.s.SlotSeen.fill(0);
            const std::set<int> seen{2, 5, 11, 17, 23};
            for (int k : seen)
                m.s.SlotSeen[std::size_t(k)] = 1;
            moveNow(m);
            ASSERT_GT(m.s.AttemptLimit, 5);
            // Only the first block and the block turned last may be new to the memory.
            const std::set<int> allowed{m.s.FirstCover, m.s.SecondCover};
            for (int k = 1; k <= 24; ++k) {
                if (m.s.SlotSeen[std::size_t(k)] == 1 && !seen.count(k)) {
                    EXPECT_TRUE(allowed.count(k)) << "position " << k << " seed " << seed;
                }
            }
        }
    }
}

// Up to five attempts every candidate is tested; from six on only those turned
// before, besides the first block, the open last one and the person's latest try.
TEST(ComputerMove, TestsCandidatesNobodyTurnedOnlyUpToFiveAttempts) {
    ComputerMatch m;
    for (int limit : {5, 6}) {
        for (int seed = 0; seed < 40; ++seed) {
            m.restart(seed * 101, 1);
            m.s.LevelAttempts = {limit, limit, limit};
            m.s.SlotSeen.fill(0);
            moveNow(m);
            ASSERT_EQ(m.s.AttemptLimit, limit);
            const std::set<int> allowed{m.s.FirstCover, m.s.SecondCover, m.s.HumanFirstPos,
                                        m.s.HumanSecondPos};
            for (int candidate : m.d.game.computer.candidates()) {
                if (candidate == 0 || allowed.count(candidate))
                    continue;
                EXPECT_EQ(m.s.SlotSeen[std::size_t(candidate)], limit == 5 ? 1 : 0)
                    << limit << " attempts, seed " << seed << ", position " << candidate;
            }
        }
    }
}

TEST(ComputerMove, TestsThePersonsMissedPositionsOnItsLastAttempt) {
    int cases = 0;
    ComputerMatch m;
    for (int seed = 0; seed < 4000 && cases < 30; ++seed) {
        m.restart(seed * 53, 1 + seed % kLevelCount);
        if (m.s.SlotFigure[3] == m.s.SlotFigure[10])
            continue;
        m.personTries(3, 10);
        ASSERT_EQ(m.s.SecondTurn, 1);
        m.d.wait(700); // the missed pair closes; the computer is still waiting
        m.d.game.computer.makeMove();
        const int partner = partnerOf(m.s, m.s.FirstCover);
        if (partner != 3 && partner != 10)
            continue;
        ++cases;
        EXPECT_EQ(m.s.Score2, 150) << "seed " << seed;
    }
    EXPECT_EQ(cases, 30);
}

TEST(ComputerMove, HiddenTestsAreSilentChargeNothingAndLeaveCoversClosed) {
    ComputerMatch m;
    for (int seed = 0; seed < 40; ++seed) {
        m.restart(seed * 211, 3);
        m.s.SlotSeen.fill(1); // everything was shown once: every candidate is tested
        m.cues.played.clear();
        moveNow(m);
        int tested = 0;
        for (int c : m.d.game.computer.candidates())
            tested += c != 0 ? 1 : 0;
        const bool found = m.s.Score2 == 150;
        EXPECT_TRUE(found || m.s.Score2 == -25) << m.s.Score2;
        EXPECT_EQ(m.cues.count("firstClick"), 1);
        EXPECT_EQ(m.cues.count("secondClick"), 1);
        EXPECT_EQ(m.openBlocks(), 2) << "the first block and the last one only";
        if (!found) {
            EXPECT_EQ(tested, m.s.AttemptLimit);
        }
        EXPECT_EQ(m.s.SecondTurn, found ? 1 : 0);
    }
}

TEST(ComputerMove, DrawsCandidatesByTheRulesOfEachAttempt) {
    int firstAgain = 0;
    ComputerMatch m;
    for (int seed = 0; seed < 200; ++seed) {
        m.restart(seed * 7, 3);
        m.s.SlotSeen.fill(1);
        moveNow(m);
        const auto& c = m.d.game.computer.candidates();
        for (int i = 1; i <= 12 && c[std::size_t(i)] != 0; ++i) {
            const int candidate = c[std::size_t(i)];
            EXPECT_NE(candidate, m.s.FirstCover) << "attempt " << i;
            EXPECT_TRUE(m.d.game.view.face(candidate).visible) << "attempt " << i;
            if (i == 2) {
                EXPECT_NE(candidate, c[1]);
            }
            for (int earlier = 2; earlier < i; ++earlier)
                EXPECT_NE(candidate, c[std::size_t(earlier)])
                    << "attempts " << earlier << ", " << i;
            firstAgain += i >= 3 && candidate == c[1] ? 1 : 0;
        }
    }
    EXPECT_GT(firstAgain, 0) << "from the third attempt on, the first candidate may come again";
}

struct WaitRow {
    bool speaker;
    int wait;
    std::uint32_t jitterSeed; ///< timers late and stalled at times; 0: on time
};

class ComputerWait : public ::testing::TestWithParam<WaitRow> {};

TEST_P(ComputerWait, TurnsItsFirstBlockAfterTheWaitWithTheWindowTakingNoInput) {
    const WaitRow row = GetParam();
    ComputerMatch m;
    if (row.jitterSeed != 0)
        m.d.ports.scheduler.firePrecisely(row.jitterSeed);
    m.start(2);
    m.cues.speaker = row.speaker;
    const auto [a, b] = m.d.miss();
    m.d.turn(a);
    while (!m.s.ClickArmed) // late timers may still be uncovering it
        m.d.wait(5);
    m.d.game.reveal.onCoverClick(b);
    ASSERT_EQ(m.s.SecondTurn, 1) << "the miss passes the turn";
    const VirtualScheduler& clock = m.d.ports.scheduler;
    const std::int64_t missed = clock.now();
    const int before = m.cues.count("firstClick");
    bool checkedWindow = false;
    while (clock.now() - missed < 5000 && m.cues.count("firstClick") == before) {
        if (clock.now() - missed >= 1000 && !checkedWindow) {
            EXPECT_FALSE(m.d.game.view.form.enabled);
            checkedWindow = true;
        }
        m.d.wait(5);
    }
    // The move hands control back after its first block's three reveal pauses.
    const std::int64_t delay = clock.now() - missed - 300;
    EXPECT_GE(delay, row.wait);
    if (row.jitterSeed == 0) {
        EXPECT_LE(delay, row.wait + 200) << "at most one clock tick late";
    }
    ASSERT_TRUE(m.computerPlays());
    EXPECT_TRUE(m.d.game.view.form.enabled);
}

INSTANTIATE_TEST_SUITE_P(SpeakerOrNot, ComputerWait,
                         ::testing::Values(WaitRow{true, 1750, 0}, WaitRow{false, 2000, 0},
                                           WaitRow{true, 1750, 11}, WaitRow{false, 2000, 12},
                                           WaitRow{true, 1750, 13}, WaitRow{false, 2000, 14}));

class MakeComputerOpponent : public ::testing::Test, protected BoardParts {
protected:
    MatchState& s = state;
    void SetUp() override {
        s.PlayerName1 = "Bia";
        s.PlayerName2 = "Caio";
        s.OpponentMode = PlayMode::OneAfterOther;
        s.WinTally1 = 2;
        s.WinTally2 = 1;
    }
};

TEST_F(MakeComputerOpponent, CancelInTheNameBoxChangesNothing) {
    ports.dialogs.cancelInput();
    computer.onPlayComputer();
    EXPECT_EQ(ports.dialogs.last().type, ShownBox::Type::Input);
    EXPECT_EQ(ports.dialogs.last().caption, "Quorvanella 2.0");
    EXPECT_EQ(ports.dialogs.last().text, "Digite o nome do jogador que deseja jogar contra mim");
    EXPECT_EQ(ports.dialogs.last().defaultText, "Bia");
    EXPECT_EQ(s.OpponentMode, PlayMode::OneAfterOther);
    EXPECT_FALSE(s.RivalIsComputer);
    EXPECT_EQ(s.PlayerName1, "Bia");
    EXPECT_EQ(s.PlayerName2, "Caio");
    EXPECT_EQ(s.WinTally1, 2);
    EXPECT_EQ(s.WinTally2, 1);
    EXPECT_TRUE(levelPanel.calls.empty());
}

TEST_F(MakeComputerOpponent, KeepsTheFirstThirteenCharactersOfTheName) {
    for (const auto& [typed, kept] :
         {std::pair<std::string, std::string>{"Anastácia Beatriz Cl", "Anastácia Bea"},
          {"Rui", "Rui"}}) {
        ports.dialogs.type(typed);
        computer.onPlayComputer();
        EXPECT_EQ(s.PlayerName1, kept);
    }
    EXPECT_EQ(s.OpponentMode, PlayMode::OneBoard);
    EXPECT_TRUE(s.RivalIsComputer);
    EXPECT_EQ(s.WinTally1, 0);
    EXPECT_EQ(s.WinTally2, 0);
}

// Only the computer picture of a dialog that is up shows the levels inside it;
// the menu, or a dialog of "Jogador" closed since, opens a new dialog for them.
TEST_F(MakeComputerOpponent, ShowsTheLevelsInTheOpenDialogOrInANewOne) {
    struct Case {
        bool fromPlayerButton;
        bool dialogOpen;
        bool inTheOpenDialog;
    };
    for (const Case c : {Case{false, false, false}, Case{false, true, false},
                         Case{true, false, false}, Case{true, true, true}}) {
        levelPanel.calls.clear();
        levelPanel.open = c.dialogOpen;
        cues.played.clear();
        ports.dialogs.clear();
        s.DefinitionFromPlayerButton = c.fromPlayerButton;
        ports.dialogs.type("Bia");
        computer.onPlayComputer();
        const auto where = ::testing::Message() << "from the player button " << c.fromPlayerButton
                                                << ", dialog open " << c.dialogOpen;
        EXPECT_TRUE(s.RivalIsComputer) << where;
        if (c.inTheOpenDialog) {
            EXPECT_EQ(levelPanel.calls, std::vector<std::string>{"showLevelPanel"}) << where;
            EXPECT_EQ(cues.played, std::vector<std::string>{"optionChosen"}) << where;
            EXPECT_EQ(ports.dialogs.last().type, ShownBox::Type::Input) << where;
        } else {
            EXPECT_EQ(levelPanel.calls,
                      (std::vector<std::string>{"create(opponents)", "showLevelPanel"}))
                << where;
            EXPECT_TRUE(cues.played.empty()) << where;
            EXPECT_EQ(ports.dialogs.last().window, ModalWindow::GameDefinition) << where;
        }
    }
}

TEST_F(MakeComputerOpponent, IsRefusedWhileAMatchRuns) {
    startMatch();
    computer.onPlayComputer();
    EXPECT_EQ(ports.dialogs.last().text,
              "Partida está em andamento, para mudar o tipo de jogo, antes clique em PARAR.");
    EXPECT_EQ(s.OpponentMode, PlayMode::OneAfterOther);
    EXPECT_FALSE(s.RivalIsComputer);
    EXPECT_TRUE(levelPanel.calls.empty());
}

// A game alone lost on time leaves its round counted; making the computer the
// opponent, from the menu or from the dialog's picture, must not end the next
// match at once as a 0:0 draw.
TEST(ComputerAfterATimeOut, TheNextMatchIsPlayed) {
    for (bool fromPicture : {false, true}) {
        MatchDriver d;
        RecordingCues cues;
        d.game.setSound(cues);
        d.game.settings.onFortyFiveSeconds();
        d.start();
        d.wait(46'000);
        ASSERT_FALSE(d.game.matchInProgress()) << "the time ran out";
        GameDefinition& dialog = d.game.gameDefinition;
        d.ports.dialogs.onWindow(ModalWindow::GameDefinition, [&] {
            dialog.activate();
            if (fromPicture) {
                d.ports.dialogs.type("Ana");
                dialog.oneMinuteOrComputerClick();
            }
            dialog.levelOkClick();
        });
        if (fromPicture) {
            dialog.chooseOpponentClick();
        } else {
            d.ports.dialogs.type("Ana");
            d.game.computer.onPlayComputer();
        }
        ASSERT_TRUE(d.game.state.RivalIsComputer);
        d.start();
        d.wait(1000);
        EXPECT_TRUE(d.game.matchInProgress()) << (fromPicture ? "picture" : "menu");
        EXPECT_FALSE(d.game.view[Role::WinnerCaption].visible) << "no winner, no draw";
        EXPECT_EQ(cues.count("victory"), 0);
    }
}

} // namespace
} // namespace qv::test
