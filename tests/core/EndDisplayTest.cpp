#include "match/EndDisplay.h"
#include "match/WindowLayout.h"
#include "tests/fakes/MatchParts.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace qv::test {
namespace {

constexpr int kFrameMs = 250;

class EndPanel : public ::testing::Test, protected MatchParts {
protected:
    EndDisplay endDisplay{state, view, timers, cues, ports.screen.value};

    void open(int screenWidth = 1024) {
        ports.screen.value = {screenWidth, screenWidth == 800 ? 600 : 768};
        setUpMainWindow(state, view, ports.screen.value);
    }
    void SetUp() override { open(); }

    /// A match starts, readying the end panel as every deal does, and is over
    /// before its end is shown.
    void newMatch() {
        state.EndAnimInterval = 250;
        state.EndSoundState = EndSound::Due;
        endDisplay.clearResult();
    }
    void winnerShown(const std::string& name, PlayMode opponentMode = PlayMode::OneBoard) {
        newMatch();
        state.OpponentMode = opponentMode;
        endDisplay.showWinner(name);
    }
    /// A single player's loss, as the match code starts it.
    void loserShown() {
        newMatch();
        state.OpponentMode = PlayMode::Alone;
        state.LostAlone = true;
        timers.endAnimation.setInterval(250);
    }
    void frames(int count) { ports.scheduler.advance(std::int64_t{kFrameMs} * count); }

    Control& at(Role role) { return view[role]; }
    /// A letter of the end display by its object name.
    Control& at(const std::string& name) {
        for (Control& control : view.controls()) {
            if (control.name == name)
                return control;
        }
        throw std::out_of_range("no control named " + name);
    }
    std::string label(int n) { return winnerLetterName(n); }
    std::string loserLabel(int n) { return loserLetterName(n); }
};

// ---- The winner's name on the letters -------------------------------------------------

struct CaptionRow {
    const char* text;
    std::array<const char*, 10> letters;
};

class NameLetters : public EndPanel, public ::testing::WithParamInterface<CaptionRow> {};

TEST_P(NameLetters, TakeTheFirstTenCharactersAndNothingOfAnEarlierName) {
    const CaptionRow row = GetParam();
    winnerShown("Empatou...");
    winnerShown(row.text);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(at(label(n)).caption, row.letters[static_cast<std::size_t>(n - 1)])
            << label(n) << " for \"" << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameLetters,
    ::testing::Values(
        CaptionRow{"Ana", {"A", "n", "a", "", "", "", "", "", "", ""}},
        CaptionRow{"Consegui", {"C", "o", "n", "s", "e", "g", "u", "i", "", ""}},
        CaptionRow{"Empatou...", {"E", "m", "p", "a", "t", "o", "u", ".", ".", "."}},
        CaptionRow{"Maria Clara!", {"M", "a", "r", "i", "a", " ", "C", "l", "a", "r"}},
        // Accented letters are one character each, however many bytes they take.
        CaptionRow{"João Conceição", {"J", "o", "ã", "o", " ", "C", "o", "n", "c", "e"}},
        CaptionRow{"ÇÃ€🎉zé", {"Ç", "Ã", "€", "🎉", "z", "é", "", "", "", ""}},
        CaptionRow{"", {"", "", "", "", "", "", "", "", "", ""}}));

constexpr Role kShownWithTheWinner[] = {Role::Player1Name, Role::Player2Name, Role::WinnerCaption,
                                        Role::WinnerFrame, Role::Trophy};

TEST_F(EndPanel, ShowingTheWinnerRevealsThePanelAndStartsFromTheFirstFrame) {
    for (Role role : kShownWithTheWinner)
        at(role).visible = false;
    winnerShown("Ana");
    frames(12);
    ASSERT_NE(state.EndAnimFrame, 0);

    endDisplay.showWinner("Bia");

    for (Role role : kShownWithTheWinner)
        EXPECT_TRUE(at(role).visible) << roleName(role);
    EXPECT_EQ(at(Role::WinnerCaption).caption, "Vencedor");
    EXPECT_EQ(timers.endAnimation.interval(), 250);
    EXPECT_EQ(state.EndAnimFrame, 0);
    EXPECT_EQ(state.LetterStep, 0);
    frames(1);
    EXPECT_EQ(at(Role::Trophy).picture, state.WinFrames[1]);
}

// ---- Letter paths -----------------------------------------------------------------------

struct Placed {
    int n; ///< L(n) or LB(n)
    int left;
    int top;
};

struct PathRow {
    int step;
    std::vector<Placed> shown; ///< every other letter is hidden
};

void PrintTo(const PathRow& row, std::ostream* os) {
    *os << "step " << row.step;
}

class WinnerPath : public EndPanel,
                   public ::testing::WithParamInterface<std::tuple<int, PathRow>> {};

// "Ana" leaves seven letters with empty captions: they travel all the same, so the
// word keeps its length on the path.
TEST_P(WinnerPath, LettersStandWhereTheStepPutsThem) {
    const auto [screenWidth, row] = GetParam();
    const int shift = screenWidth == 800 ? 15 : 0;
    open(screenWidth);
    const Rect sizeBefore = view.winnerLetter(1).bounds;
    winnerShown("Ana");
    frames(6 + row.step); // letters start moving on the trophy's last frame

    ASSERT_EQ(state.LetterStep, row.step);
    std::array<const Placed*, 11> expected{};
    for (const Placed& p : row.shown)
        expected[static_cast<std::size_t>(p.n)] = &p;
    for (int n = 1; n <= 10; ++n) {
        const Control& letter = at(label(n));
        const Placed* p = expected[static_cast<std::size_t>(n)];
        EXPECT_EQ(letter.visible, p != nullptr) << letter.name;
        if (p) {
            EXPECT_EQ(letter.bounds.left, p->left + shift) << letter.name;
            EXPECT_EQ(letter.bounds.top, p->top) << letter.name;
        }
        EXPECT_EQ(letter.bounds.width, sizeBefore.width) << letter.name;
        EXPECT_EQ(letter.bounds.height, sizeBefore.height) << letter.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WinnerPath,
    ::testing::Combine(
        ::testing::Values(1024, 800),
        ::testing::Values(
            PathRow{1, {{10, 96, 28}}},
            PathRow{5, {{10, 149, 22}, {9, 140, 12}, {8, 125, 8}, {7, 107, 14}, {6, 96, 28}}},
            PathRow{10,
                    {{1, 96, 28},
                     {2, 107, 14},
                     {3, 125, 8},
                     {4, 140, 12},
                     {5, 149, 22},
                     {6, 155, 42},
                     {7, 157, 60},
                     {8, 167, 74},
                     {9, 181, 82},
                     {10, 192, 86}}},
            PathRow{11,
                    {{1, 107, 14},
                     {2, 125, 8},
                     {3, 140, 12},
                     {4, 149, 22},
                     {5, 155, 42},
                     {6, 157, 60},
                     {7, 167, 74},
                     {8, 181, 82},
                     {9, 192, 86}}},
            PathRow{19, {{1, 192, 86}}}, PathRow{20, {}})));

class LoserPath : public EndPanel,
                  public ::testing::WithParamInterface<std::tuple<int, PathRow>> {};

TEST_P(LoserPath, PerdiStandsWhereTheStepPutsItWithoutAnyScreenShift) {
    const auto [screenWidth, row] = GetParam();
    open(screenWidth);
    loserShown();
    frames(2 + row.step); // letters start moving on the trophy's last frame

    ASSERT_EQ(state.LetterStep, row.step);
    std::array<const Placed*, 6> expected{};
    for (const Placed& p : row.shown)
        expected[static_cast<std::size_t>(p.n)] = &p;
    for (int n = 1; n <= 5; ++n) {
        const Control& letter = at(loserLabel(n));
        const Placed* p = expected[static_cast<std::size_t>(n)];
        EXPECT_EQ(letter.visible, p != nullptr) << letter.name;
        if (p) {
            EXPECT_EQ(letter.bounds.left, p->left) << letter.name;
            EXPECT_EQ(letter.bounds.top, p->top) << letter.name;
        }
    }
    EXPECT_FALSE(view.loserLetter(0).visible);
    EXPECT_EQ(view.loserLetter(1).caption + view.loserLetter(2).caption +
                  view.loserLetter(3).caption + view.loserLetter(4).caption +
                  view.loserLetter(5).caption,
              "PERDI");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, LoserPath,
    ::testing::Combine(
        ::testing::Values(1024, 800),
        ::testing::Values(
            PathRow{1, {{1, 79, 58}}},
            PathRow{5, {{1, 26, 30}, {2, 37, 41}, {3, 50, 52}, {4, 66, 57}, {5, 79, 58}}},
            PathRow{6, {{1, 15, 19}, {2, 26, 30}, {3, 37, 41}, {4, 50, 52}, {5, 66, 57}}},
            PathRow{8, {{3, 15, 19}, {4, 26, 30}, {5, 37, 41}}}, PathRow{11, {}},
            PathRow{12, {}})));

// ---- Trophy frames, the loop and the sound, for every kind of ending -------------------

struct EndingRow {
    const char* ending;
    bool lost;
    PlayMode opponentMode;
    const char* text;
    int trophyFrames;
    int cycleFrames;
    const char* firstLetter; ///< the one that enters on the trophy's last frame
    Placed firstPlace;
};

void PrintTo(const EndingRow& row, std::ostream* os) {
    *os << row.ending;
}

class Ending : public EndPanel, public ::testing::WithParamInterface<EndingRow> {
protected:
    void show() {
        const EndingRow& row = GetParam();
        if (row.lost) {
            loserShown();
        } else {
            winnerShown(row.text, row.opponentMode);
        }
    }
    Picture trophyFrame(int n) {
        const auto k = static_cast<std::size_t>(n);
        return GetParam().lost ? state.LoseFrames[k] : state.WinFrames[k];
    }
    int endSounds() const { return cues.count(GetParam().lost ? "defeat" : "victory"); }
    /// Sounds other than the end's.
    int wrongSounds() const { return static_cast<int>(cues.played.size()) - endSounds(); }
};

TEST_P(Ending, TrophyRunsThroughItsFramesOncePerCycle) {
    const EndingRow row = GetParam();
    show();
    for (int cycle = 1; cycle <= 2; ++cycle) {
        for (int n = 1; n <= row.trophyFrames; ++n) {
            frames(1);
            EXPECT_EQ(at(Role::Trophy).picture, trophyFrame(n))
                << "cycle " << cycle << " frame " << n;
        }
        frames(row.cycleFrames - row.trophyFrames);
        EXPECT_EQ(at(Role::Trophy).picture, trophyFrame(row.trophyFrames))
            << "the last frame stays while the letters travel";
    }
}

TEST_P(Ending, LoopStartsAgainAfterItsLastFrame) {
    const EndingRow row = GetParam();
    show();
    frames(row.cycleFrames - 1);
    EXPECT_EQ(state.EndAnimFrame, row.cycleFrames - 1);
    frames(1);
    EXPECT_EQ(state.EndAnimFrame, 0);
    EXPECT_EQ(state.LetterStep, 0);
    EXPECT_TRUE(timers.endAnimation.running());

    for (int cycle = 2; cycle <= 4; ++cycle) {
        frames(row.trophyFrames);
        const Control& first = at(row.firstLetter);
        EXPECT_TRUE(first.visible) << "cycle " << cycle;
        EXPECT_EQ(first.bounds.left, row.firstPlace.left) << "cycle " << cycle;
        EXPECT_EQ(first.bounds.top, row.firstPlace.top) << "cycle " << cycle;
        EXPECT_EQ(state.LetterStep, 1) << "cycle " << cycle;
        frames(row.cycleFrames - row.trophyFrames);
    }
}

TEST_P(Ending, SoundPlaysOncePerMatchHoweverLongTheLoopRuns) {
    const EndingRow row = GetParam();
    show();
    EXPECT_EQ(endSounds(), 0) << "nothing before the first frame";
    frames(1);
    EXPECT_EQ(endSounds(), 1);
    EXPECT_EQ(state.EndSoundState, EndSound::Played);
    frames(5 * row.cycleFrames);
    EXPECT_EQ(endSounds(), 1) << "the loop does not repeat it";

    show(); // the next match ends the same way
    frames(3 * row.cycleFrames);
    EXPECT_EQ(endSounds(), 2);
    EXPECT_EQ(wrongSounds(), 0);
}

TEST_P(Ending, ClearingStopsTheLoopAndEmptiesThePanel) {
    const EndingRow row = GetParam();
    show();
    frames(row.trophyFrames + 4); // mid-word
    view.loserLetter(0).visible = true;

    endDisplay.clearResult();

    EXPECT_FALSE(timers.endAnimation.running());
    EXPECT_TRUE(at(Role::Trophy).picture.empty());
    for (Role role : {Role::WinnerCaption, Role::WinnerFrame})
        EXPECT_FALSE(at(role).visible) << roleName(role);
    for (int n = 1; n <= 10; ++n)
        EXPECT_FALSE(at(label(n)).visible) << label(n);
    for (int n = 0; n <= 5; ++n)
        EXPECT_FALSE(at(loserLabel(n)).visible) << loserLabel(n);

    const int frame = state.EndAnimFrame;
    const int sounds = endSounds();
    frames(3 * row.cycleFrames);
    EXPECT_EQ(state.EndAnimFrame, frame) << "nothing moves any more";
    EXPECT_TRUE(at(Role::Trophy).picture.empty());
    EXPECT_EQ(endSounds(), sounds);
}

INSTANTIATE_TEST_SUITE_P(
    EveryEnding, Ending,
    ::testing::Values(
        EndingRow{"two players, one wins",
                  false,
                  PlayMode::OneBoard,
                  "Beatriz",
                  7,
                  27,
                  "winnerLetter10",
                  {10, 96, 28}},
        EndingRow{"draw",
                  false,
                  PlayMode::OneAfterOther,
                  "Empatou...",
                  7,
                  27,
                  "winnerLetter10",
                  {10, 96, 28}},
        EndingRow{"single player wins",
                  false,
                  PlayMode::Alone,
                  "Consegui",
                  7,
                  27,
                  "winnerLetter10",
                  {10, 96, 28}},
        EndingRow{
            "single player loses", true, PlayMode::Alone, "", 3, 15, "loserLetter1", {1, 79, 58}}),
    [](const ::testing::TestParamInfo<EndingRow>& row) {
        std::string name = row.param.ending;
        for (char& c : name) {
            if (c == ' ' || c == ',')
                c = '_';
        }
        return name;
    });

TEST_F(EndPanel, FrameCountLeftOverFromTheOtherDisplayStillEndsTheLoop) {
    winnerShown("Consegui", PlayMode::Alone);
    frames(20);
    ASSERT_EQ(state.EndAnimFrame, 20);
    // The single player's result turns into a loss while the loop runs: the count is
    // already past the shorter loop's end, which must not leave it running forever.
    state.LostAlone = true;
    frames(1);
    EXPECT_EQ(state.EndAnimFrame, 0);
    EXPECT_EQ(state.LetterStep, 0);
    frames(1);
    EXPECT_EQ(at(Role::Trophy).picture, state.LoseFrames[1]);
}

} // namespace
} // namespace qv::test
