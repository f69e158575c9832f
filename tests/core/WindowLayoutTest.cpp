#include "match/WindowLayout.h"
#include "tests/fakes/MatchDriver.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qv::test {
namespace {

// Tests and the widgets find controls by object name: each role must reach the
// control named after it, and no two controls may share a name.
TEST(MainViewRoles, EveryRoleReachesTheControlOfItsNameAndNamesAreUnique) {
    MainView view;
    for (std::size_t r = 0; r < kRoleCount; ++r) {
        const Role role = static_cast<Role>(r);
        EXPECT_EQ(view[role].name, roleName(role));
    }
    std::set<std::string> names;
    for (const Control& control : view.controls())
        EXPECT_TRUE(names.insert(control.name).second) << control.name << " twice";
    EXPECT_EQ(view.winnerLetter(10).name, winnerLetterName(10));
    EXPECT_EQ(view.loserLetter(0).name, loserLetterName(0));
    EXPECT_EQ(view.cover(24).name, coverNames()[24]);
}

TEST(ScreenAdaptation, WideScreenKeepsDesignPlaceAndSize) {
    MainView view;
    adaptToScreen(view, {1024, 768});
    const FormState& form = view.form;
    EXPECT_EQ(form.left, 79);
    EXPECT_EQ(form.top, 23);
    EXPECT_EQ(form.clientWidth, 609);
    EXPECT_EQ(form.clientHeight, 400);
    EXPECT_EQ(form.scale, 1.0);
    EXPECT_EQ(view[Role::Trophy].bounds, (Rect{79, 34, 65, 65}));
    EXPECT_EQ(view.cover(1).bounds, (Rect{9, 8, 67, 67}));
}

TEST(ScreenAdaptation, ScreenExactly800WideGrowsByOnePointTwoAndCentres) {
    MainView view;
    adaptToScreen(view, {800, 600});
    const FormState& form = view.form;
    EXPECT_DOUBLE_EQ(form.scale, 1.2);
    EXPECT_EQ(form.clientWidth, 731);
    EXPECT_EQ(form.clientHeight, 480);
    // Whole window 737 x 525 with its borders, title bar and menu.
    EXPECT_EQ(form.left, (800 - 737) / 2);
    EXPECT_EQ(form.top, (600 - 525) / 2 - 12);
    EXPECT_EQ(view.cover(2).bounds, (Rect{100, 10, 80, 80}));
    EXPECT_EQ(view[Role::ScoreBoard].bounds, (Rect{66, 355, 348, 126}));
    // The trophy is scaled, then moved 5 pixels down.
    EXPECT_EQ(view[Role::Trophy].bounds, (Rect{95, 41 + 5, 78, 78}));
}

TEST(ScreenAdaptation, NarrowerScreenKeepsDesign) {
    MainView view;
    adaptToScreen(view, {640, 480});
    EXPECT_EQ(view.form.left, 79);
    EXPECT_EQ(view.form.clientWidth, 609);
    EXPECT_EQ(view[Role::PlayButton].bounds.top, 272);
}

struct LayoutRow {
    int screenWidth;
    int blocks;
    int playStop, timeFigures, playerRecords, soundBar, headings, scoreboard, windowHeight;
};

class BoardLayout : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(BoardLayout, MovesLowerControlsAndSetsWindowHeight) {
    const LayoutRow row = GetParam();
    MainView v;
    adaptToScreen(v, {row.screenWidth, 600});
    applyBoardLayout(v, row.blocks, row.screenWidth);
    EXPECT_EQ(v[Role::PlayButton].bounds.top, row.playStop);
    EXPECT_EQ(v[Role::StopButton].bounds.top, row.playStop);
    EXPECT_EQ(v[Role::TimeButton].bounds.top, row.timeFigures);
    EXPECT_EQ(v[Role::FiguresButton].bounds.top, row.timeFigures);
    EXPECT_EQ(v[Role::OpponentButton].bounds.top, row.playerRecords);
    EXPECT_EQ(v[Role::RecordsButton].bounds.top, row.playerRecords);
    EXPECT_EQ(v[Role::SoundBar].bounds.top, row.soundBar);
    for (Role heading :
         {Role::PlayersHeading, Role::PointsHeading, Role::ResultHeading, Role::TimeHeading})
        EXPECT_EQ(v[heading].bounds.top, row.headings) << roleName(heading);
    EXPECT_EQ(v[Role::ScoreBoard].bounds.top, row.scoreboard);
    EXPECT_EQ(v[Role::ResultBoard].bounds.top, row.scoreboard);
    EXPECT_EQ(v.form.clientHeight + kNonClientHeight, row.windowHeight);
}

INSTANTIATE_TEST_SUITE_P(ScreensAndBoards, BoardLayout,
                         ::testing::Values(LayoutRow{800, 24, 327, 422, 452, 296, 327, 356, 526},
                                           LayoutRow{640, 24, 272, 351, 376, 247, 272, 296, 445},
                                           LayoutRow{800, 16, 235, 330, 360, 202, 235, 264, 434},
                                           LayoutRow{640, 16, 200, 279, 304, 175, 200, 224, 373},
                                           // Wider than 800: nothing moves, the design stays.
                                           LayoutRow{1024, 16, 272, 351, 376, 246, 272, 296, 445},
                                           LayoutRow{1024, 24, 272, 351, 376, 246, 272, 296, 445}));

TEST(BoardLayout, ClosedBlockShowsNoPixelOfItsFaceOnAnyScreenOrBoard) {
    for (const ScreenSize screen : {ScreenSize{1024, 768}, {800, 600}, {640, 480}}) {
        for (const int blocks : {16, 24}) {
            SCOPED_TRACE(std::to_string(screen.width) + " wide, " + std::to_string(blocks));
            MatchDriver d(screen);
            if (blocks == 16)
                d.game.settings.onSixteenBlocks();
            d.start(); // the faces have their width back, every cover closed
            ASSERT_GT(d.game.view.face(1).bounds.width, 0);
            for (int k = 1; k <= blocks; ++k) {
                const Rect face = d.game.view.face(k).bounds;
                const Rect cover = d.game.view.cover(k).bounds;
                ASSERT_TRUE(d.game.view.cover(k).visible);
                EXPECT_TRUE(face.left >= cover.left && face.top >= cover.top &&
                            face.left + face.width <= cover.left + cover.width &&
                            face.top + face.height <= cover.top + cover.height)
                    << "block " << k;
                EXPECT_GE(face.width, cover.width - 2) << "block " << k << " keeps its size";
            }
        }
    }
}

TEST(BoardLayout, RowThreeHidesAndShowsAllItsControls) {
    MainView view;
    showRowThree(view, false);
    for (int k = 17; k <= 24; ++k) {
        EXPECT_FALSE(view.cover(k).visible);
        EXPECT_FALSE(view.face(k).visible);
        EXPECT_FALSE(view.frame(k).visible);
    }
    EXPECT_TRUE(view.cover(16).visible);
    showRowThree(view, true);
    EXPECT_TRUE(view.cover(24).visible && view.face(17).visible && view.frame(20).visible);
}

} // namespace
} // namespace qv::test
