#include "match/PenaltyNotice.h"
#include "tests/fakes/MatchParts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::test {
namespace {

struct Step {
    std::int64_t at;
    std::string label;
};

class Penalty : public ::testing::Test, protected MatchParts {
protected:
    PenaltyNotice notice{state, view, ports.scheduler};

    std::vector<Step> steps;
    bool hiddenAfterOk = false;

    void SetUp() override {
        state.PlayerName1 = "Ana";
        state.PlayerName2 = "Bia";
        // The notice as the person sees it: press OK, then let the steps run.
        ports.dialogs.onWindow(ModalWindow::PenaltyNotice, [this] {
            notice.open();
            notice.okClick();
            hiddenAfterOk = !notice.visible();
            const Role slowLabel =
                state.GameTime2 > state.GameTime1 ? Role::Player2Points : Role::Player1Points;
            for (int guard = 0; !notice.closed() && guard < 1000; ++guard) {
                ports.scheduler.advance(PenaltyNotice::kStepMilliseconds);
                steps.push_back({ports.scheduler.now(), view[slowLabel].caption});
            }
        });
    }

    /// What the match code does once both players have played.
    void chargePenalty(int time1, int time2, int points) {
        state.GameTime1 = time1;
        state.GameTime2 = time2;
        state.PenaltyPoints = points;
        notice.fill();
        ports.dialogs.showModal(ModalWindow::PenaltyNotice);
    }
};

struct FillRow {
    int time1, time2;
    const char* caption;
    const char* line1;
    const char* line3;
};

class NoticeText : public Penalty, public ::testing::WithParamInterface<FillRow> {};

TEST_P(NoticeText, NamesTheSlowerPlayerAndTheOther) {
    const FillRow row = GetParam();
    state.GameTime1 = row.time1;
    state.GameTime2 = row.time2;
    state.PenaltyPoints = 140;
    notice.fill();
    EXPECT_EQ(notice.Caption, row.caption);
    EXPECT_EQ(notice.lossLead, "Ele vai perder");
    EXPECT_EQ(notice.penaltyPoints, "140");
    EXPECT_EQ(notice.pointsUnit, "pontos");
    const std::array<std::string, 5> memo{"Regra: ", row.line1,
                                          "20 pontos por cada segundo que ele", row.line3, " "};
    EXPECT_EQ(notice.ruleLines, memo);
}

INSTANTIATE_TEST_SUITE_P(
    EitherPlayer, NoticeText,
    ::testing::Values(FillRow{50, 57, " Penalidade para Bia", "O jogador: Bia vai perder",
                              "ficou acima do tempo de:Ana"},
                      FillRow{57, 50, " Penalidade para Ana", "O jogador: Ana vai perder",
                              "ficou acima do tempo de:Bia"}));

TEST_F(Penalty, ThirtySecondsRunTheSecondScoreDownBy600) {
    view[Role::Player2Points].caption = "1500";
    view[Role::Player1Points].caption = "1200";
    state.Score1 = 1200;
    state.Score2 = 1500;
    const std::int64_t start = ports.scheduler.now();
    chargePenalty(100, 130, 600);

    EXPECT_TRUE(hiddenAfterOk);
    ASSERT_EQ(steps.size(), 30u);
    for (std::size_t k = 0; k < steps.size(); ++k) {
        EXPECT_EQ(steps[k].at, start + 75 * static_cast<std::int64_t>(k + 1)) << "step " << k;
        EXPECT_EQ(steps[k].label, std::to_string(1500 - 20 * static_cast<int>(k + 1)));
    }
    EXPECT_TRUE(notice.closed());
    EXPECT_FALSE(notice.countdownTimer.running());
    EXPECT_EQ(notice.PenaltyStepsLeft, 0);
    EXPECT_EQ(state.Score2, 900);
    EXPECT_EQ(state.Score1, 1200);
    EXPECT_EQ(view[Role::Player1Points].caption, "1200");
}

TEST_F(Penalty, OneSecondCostsTheFirstPlayerTwentyInOneStep) {
    view[Role::Player1Points].caption = "300";
    state.Score1 = 300;
    chargePenalty(61, 60, 20);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].label, "280");
    EXPECT_EQ(state.Score1, 280);
    EXPECT_TRUE(notice.closed());
}

TEST_F(Penalty, EqualTimesCloseAtOnceAndCostNothing) {
    view[Role::Player1Points].caption = "300";
    state.Score1 = 300;
    chargePenalty(60, 60, 0);
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(notice.closed());
    EXPECT_FALSE(notice.countdownTimer.running());
    EXPECT_EQ(view[Role::Player1Points].caption, "300");
    EXPECT_EQ(state.Score1, 300);
}

TEST_F(Penalty, LabelWithoutANumberCountsFromZero) {
    view[Role::Player2Points].caption = "pontos"; // a caption without a number
    chargePenalty(10, 12, 40);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].label, "-20");
    EXPECT_EQ(steps[1].label, "-40");
}

TEST_F(Penalty, SecondOkDuringTheCountDownChangesNothing) {
    ports.dialogs.onWindow(ModalWindow::PenaltyNotice, [this] {
        notice.open();
        notice.okClick();
        ports.scheduler.advance(3 * 75);
        notice.okClick();
        ports.scheduler.advance(10 * 75);
    });
    view[Role::Player2Points].caption = "500";
    state.Score2 = 500;
    chargePenalty(0, 5, 100);
    EXPECT_EQ(view[Role::Player2Points].caption, "400");
    EXPECT_EQ(state.Score2, 400);
    EXPECT_TRUE(notice.closed());
}

TEST_F(Penalty, ServesTheNextMatchToo) {
    view[Role::Player2Points].caption = "500";
    chargePenalty(0, 2, 40);
    steps.clear();
    view[Role::Player1Points].caption = "700";
    chargePenalty(3, 0, 60);
    EXPECT_EQ(notice.Caption, " Penalidade para Ana");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps.back().label, "640");
    EXPECT_EQ(view[Role::Player2Points].caption, "460");
}

} // namespace
} // namespace qv::test
