#include "records/Records.h"
#include "tests/fakes/FaultyFileLayer.h"
#include "tests/fakes/MatchDriver.h"
#include "tests/fakes/RecordingCues.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

class Ending : public ::testing::Test {
protected:
    MatchDriver d;
    RecordingCues cues;
    RecordingRecords records{d.game.state};
    void SetUp() override {
        d.game.setSound(cues);
        d.game.setRecords(records);
    }
    /// Clears the board with this many misses first.
    void clearBoard(int misses) {
        for (int n = 0; n < misses; ++n)
            d.missOnce();
        for (const auto& pair : d.pairs())
            d.findPair(pair);
        d.wait(100);
    }
    /// Clears the board so that it is found cleared when exactly `seconds` were used.
    void clearBoardAt(int seconds, int misses) {
        for (int n = 0; n < misses; ++n)
            d.missOnce();
        auto pairs = d.pairs();
        const auto last = pairs.back();
        pairs.pop_back();
        for (const auto& pair : pairs)
            d.findPair(pair);
        for (int tick = 0; tick < 2000 && d.game.state.ElapsedSeconds < seconds; ++tick)
            d.wait(100);
        d.turn(last.first);
        d.turn(last.second);
        d.wait(100);
        ASSERT_FALSE(d.game.matchInProgress());
    }
    std::string letters() {
        std::string word;
        for (int n = 1; n <= 10; ++n)
            word += d.game.view.winnerLetter(n).caption;
        return word;
    }
};

TEST_F(Ending, SinglePlayerWithoutANameWinsAsConsegui) {
    d.start();
    clearBoard(0);
    EXPECT_EQ(letters(), "Consegui");
    EXPECT_TRUE(d.game.timers.endAnimation.running());
    ASSERT_EQ(records.offers.size(), 1u);
    EXPECT_EQ(records.offers[0].score, 1800);
    EXPECT_EQ(records.offers[0].name, "INDIVIDUAL");
    EXPECT_EQ(d.label(Role::Player1Time).caption, records.offers[0].time);
    EXPECT_EQ(d.label(Role::PlayButton).color, colors::kBlue);
    EXPECT_FALSE(d.label(Role::Clock).visible);
}

TEST_F(Ending, ClearedBoardWithNoPositivePointsLoses) {
    d.start();
    clearBoard(72); // 12 pairs make 1800, 72 misses cost as much
    EXPECT_EQ(d.ports.dialogs.last().text, "perdeu por não ter feito nenhum ponto positivo!");
    EXPECT_TRUE(d.game.state.LostAlone);
    ASSERT_EQ(records.offers.size(), 1u);
    EXPECT_EQ(records.offers[0].score, 0);
    d.wait(250 * 5);
    EXPECT_TRUE(d.game.view.loserLetter(1).visible) << "PERDI travels";
    EXPECT_EQ(cues.count("defeat"), 1);
}

TEST_F(Ending, TimeOutWithPointsOffersThemWithTheWholeLimitAndLoses) {
    d.start();
    for (const auto& pair : {d.pairs()[0], d.pairs()[1]})
        d.findPair(pair);
    d.wait(200'000);
    EXPECT_FALSE(d.game.matchInProgress());
    ASSERT_EQ(records.offers.size(), 1u);
    EXPECT_EQ(records.offers[0].score, 300);
    EXPECT_EQ(records.offers[0].seconds, 180);
    EXPECT_EQ(records.offers[0].time, "3:00");
    EXPECT_TRUE(d.game.state.LostAlone);
    EXPECT_EQ(cues.count("timeUp"), 2) << "once for the time, once for the loss";
    EXPECT_FALSE(d.game.view.cover(1).enabled);
    EXPECT_EQ(cues.count("defeat"), 1);
    d.wait(60'000);
    EXPECT_EQ(cues.count("defeat"), 1) << "the loss sounds once although it loops";
}

TEST_F(Ending, TimeOutWithNoPointsOffersNothing) {
    d.start();
    d.wait(200'000);
    EXPECT_TRUE(records.offers.empty());
}

class Relay : public Ending {
protected:
    void SetUp() override {
        Ending::SetUp();
        MatchState& s = d.game.state;
        s.OpponentMode = PlayMode::OneAfterOther;
        s.PlayerCount = 2;
        s.PlayerName1 = "Ana";
        s.PlayerName2 = "Bia";
        s.SettingsChanged = 1;
    }
};

TEST_F(Relay, SlowerPlayerPaysTwentyPointsASecondAndLoses) {
    d.start();
    clearBoardAt(90, 6);
    EXPECT_EQ(d.label(Role::Player1Points).caption, "1650");
    EXPECT_EQ(d.ports.dialogs.last().text, "É a vez de Bia");
    d.start();
    EXPECT_EQ(d.label(Role::Player1Points).caption, "1650")
        << "player 1's points stay for the decision";
    clearBoardAt(120, 0);
    EXPECT_EQ(d.game.state.GameTime1, 90);
    EXPECT_EQ(d.game.state.GameTime2, 120);
    EXPECT_EQ(d.game.state.PenaltyPoints, 600);
    EXPECT_EQ(d.label(Role::Player2Points).caption, "1200") << "the notice counted the penalty off";
    EXPECT_EQ(letters(), "Ana");
    EXPECT_EQ(d.game.state.WinTally1, 1);
    EXPECT_EQ(d.label(Role::TallyWins1).caption, "1");
    EXPECT_EQ(d.game.state.SettingsChanged, 1);
    ASSERT_EQ(records.offers.size(), 2u);
    EXPECT_EQ(records.offers[1].name, "Bia");
    EXPECT_EQ(records.offers[1].score, 1800);
    EXPECT_EQ(records.offers[1].time, "2:00");
}

TEST_F(Relay, EqualTimesAndPointsAreADraw) {
    d.start();
    clearBoardAt(60, 0);
    d.start();
    clearBoardAt(60, 0);
    EXPECT_EQ(d.ports.dialogs.last().text, "Partida Geral Encerrada");
    EXPECT_EQ(letters(), "Empatou...");
}

TEST_F(Relay, EqualPointsAfterThePenaltyGoToTheSlowerPlayer) {
    d.start();
    clearBoardAt(60, 4); // 1700
    d.start();
    clearBoardAt(65, 0); // 1800, less 5 s x 20
    EXPECT_EQ(d.label(Role::Player2Points).caption, "1700");
    EXPECT_EQ(letters(), "Bia");
}

class OneBoard : public Ending {
protected:
    void SetUp() override {
        Ending::SetUp();
        MatchState& s = d.game.state;
        s.OpponentMode = PlayMode::OneBoard;
        s.PlayerCount = 2;
        s.PlayerName1 = "Ana";
        s.PlayerName2 = "Bia";
    }
};

TEST_F(OneBoard, MissPassesTheTurnPairKeepsItAndTheClockIsFree) {
    d.start();
    EXPECT_EQ(d.label(Role::Clock).caption, "Livre");
    d.missOnce();
    EXPECT_EQ(d.label(Role::Player1Points).caption, "-25");
    EXPECT_EQ(d.game.state.SecondTurn, 1);
    d.findPair(d.pairs()[0]);
    EXPECT_EQ(d.label(Role::Player2Points).caption, "150");
    EXPECT_EQ(d.game.state.SecondTurn, 1);
    d.wait(600'000);
    EXPECT_TRUE(d.game.matchInProgress()) << "no clock runs out on one board";
    EXPECT_EQ(d.label(Role::Clock).caption, "Livre");
}

TEST_F(OneBoard, NameOfTheContenderToPlayBlinks) {
    d.start();
    std::vector<bool> shown;
    for (int n = 0; n < 4; ++n) {
        d.wait(100);
        shown.push_back(d.label(Role::Player1Name).visible);
    }
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(d.label(Role::Player2Name).visible);
}

TEST_F(OneBoard, MorePointsWinAndCountInTheTally) {
    d.start();
    d.missOnce(); // Ana -25, Bia's turn
    clearBoard(0);
    EXPECT_EQ(letters(), "Bia");
    EXPECT_EQ(d.game.state.WinTally2, 1);
    EXPECT_EQ(d.label(Role::TallyWins2).caption, "1");
    EXPECT_TRUE(records.offers.empty()) << "no computer level, no record";
    EXPECT_EQ(d.game.state.Score1, 0);
    EXPECT_EQ(d.game.state.SharedScore2, 0);
}

// The computer's side is played here by hand, with the names and level its level
// choice sets: only the level decides which table a win is offered to.
struct LevelRow {
    const char* level;
    int winner; ///< 0 for a draw
    const char* routine;
};

void PrintTo(const LevelRow& row, std::ostream* os) {
    *os << row.level << " winner " << row.winner;
}

class AgainstALevel : public OneBoard, public ::testing::WithParamInterface<LevelRow> {
protected:
    void SetUp() override {
        OneBoard::SetUp();
        MatchState& s = d.game.state;
        s.LevelCode = GetParam().level;
        s.PlayerName2 = std::string("Computador ") + (s.LevelCode == "SUP"   ? "Sup"
                                                      : s.LevelCode == "INT" ? "Int"
                                                                             : "Sab");
    }
    /// Found pairs keep the turn, a miss passes it.
    void find(int pairs) {
        for (int n = 0; n < pairs; ++n)
            d.findPair(d.pairs().front());
    }
};

TEST_P(AgainstALevel, OnlyAWinOverTheTwoStrongerLevelsIsOffered) {
    const LevelRow row = GetParam();
    d.start();
    if (row.winner == 1) {
        d.missOnce(); // Ana -25, the computer's turn
        d.missOnce(); // the computer -25, Ana's turn
        find(12);     // Ana 1775
    } else if (row.winner == 2) {
        d.missOnce();
        find(12); // the computer 1800
    } else {
        d.missOnce(); // Ana -25, the computer's turn
        find(6);      // the computer 900
        d.missOnce(); // the computer 875, Ana's turn
        find(6);      // Ana 875
    }
    d.wait(100);
    ASSERT_FALSE(d.game.matchInProgress());

    if (row.routine) {
        ASSERT_EQ(records.offers.size(), 1u);
        EXPECT_EQ(records.offers[0].routine, row.routine);
        EXPECT_EQ(records.offers[0].score, 1775);
        EXPECT_EQ(records.offers[0].name, "Ana");
        EXPECT_EQ(d.label(Role::Player2Points).caption, "-25")
            << "the computer's points go with it";
    } else {
        EXPECT_TRUE(records.offers.empty());
    }
    const char* const shown[] = {"Empatou...", "Ana", d.game.state.PlayerName2.c_str()};
    EXPECT_EQ(letters(), std::string(shown[row.winner]).substr(0, 10));
    EXPECT_EQ(d.game.state.WinTally1, row.winner == 1 ? 1 : 0);
    EXPECT_EQ(d.game.state.WinTally2, row.winner == 2 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Levels, AgainstALevel,
                         ::testing::Values(LevelRow{"SUP", 1, "offerWinVersusGifted"},
                                           LevelRow{"INT", 1, "offerWinVersusIntelligent"},
                                           LevelRow{"SAB", 1, nullptr}, LevelRow{"SUP", 2, nullptr},
                                           LevelRow{"INT", 2, nullptr},
                                           LevelRow{"SUP", 0, nullptr}));

// Each match of a run is judged on its own: the second one enters the tables too.
TEST(MatchesInARow, EveryOneCanEnterTheRecords) {
    MatchDriver d;
    MemoryFileLayer files;
    Records records(d.game.state, d.game.view, d.game.timers, d.game.ports.dialogs,
                    d.game.ports.paths, files);
    d.game.setRecords(records);
    d.game.state.PlayerName1 = "Ana";
    records.loadRecords();
    for (const int misses : {4, 0}) { // 1700, then 1800
        d.start();
        for (int n = 0; n < misses; ++n)
            d.missOnce();
        for (const auto& pair : d.pairs())
            d.findPair(pair);
        d.wait(100);
        ASSERT_FALSE(d.game.matchInProgress());
    }
    const auto best = [&](int place) {
        const RecordRowLabels row = RecordsView::row(RecordTable::BestScore, place);
        return records.view[row.name] + " " + records.view[row.points];
    };
    EXPECT_EQ(best(1), "Ana 1800");
    EXPECT_EQ(best(2), "Ana 1700");
}

} // namespace
} // namespace qv::test
