#include "dialogs/PlayerNamesRules.h"
#include "match/EndDisplay.h"
#include "match/SettingsMenu.h"
#include "tests/fakes/MatchParts.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

class PlayerNames : public ::testing::Test, protected MatchParts {
protected:
    PlayerNamesRules rules{state, view, cues, ports.dialogs};

    void SetUp() override {
        MatchState& s = state;
        s.PlayerName1 = "Ana";
        s.PlayerName2 = "Bia";
        s.OpponentMode = PlayMode::Alone;
        s.LevelCode = "SUP";
        s.RivalIsComputer = true;
        s.WinTally1 = 3;
        s.WinTally2 = 4;
        s.ClickCount = 1;
        s.WaitTicks = 7;
        rules.activate();
    }
};

TEST_F(PlayerNames, OpensWithTheKnownNamesCutToWhatTheBoxesTake) {
    state.PlayerName1 = "Conceição Albuquerque"; // typed in the one-player box
    state.PlayerName2 = "Computador Sup";        // the computer's level choice
    rules.activate();
    EXPECT_EQ(rules.firstName, "Conceição ") << "ten characters, accented ones whole";
    EXPECT_EQ(rules.secondName, "Computador");
    EXPECT_FALSE(rules.sameBoard);
    EXPECT_EQ(rules.focus, "firstPlayerName");
}

TEST_F(PlayerNames, EnterMovesFromFirstNameToSecondToOk) {
    EXPECT_FALSE(rules.firstNameKeyPress('a'));
    EXPECT_EQ(rules.focus, "firstPlayerName");
    EXPECT_TRUE(rules.firstNameKeyPress('\r'));
    EXPECT_EQ(rules.focus, "secondPlayerName");
    EXPECT_TRUE(rules.secondNameKeyPress('\r'));
    EXPECT_EQ(rules.focus, "ok");
    EXPECT_FALSE(rules.closed()) << "Enter alone never confirms";
    EXPECT_TRUE(ports.dialogs.shown().empty());
}

struct RefusalRow {
    const char* first;
    const char* second;
    const char* message;
    const char* focus;
};

class MissingName : public PlayerNames, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(MissingName, IsAskedForAndNothingElseChanges) {
    const RefusalRow row = GetParam();
    rules.firstName = row.first;
    rules.secondName = row.second;
    rules.sameBoard = true;
    rules.focus = "ok";
    rules.acceptClick();

    ASSERT_EQ(ports.dialogs.shown().size(), 1u);
    EXPECT_EQ(ports.dialogs.last().type, ShownBox::Type::Plain);
    EXPECT_EQ(ports.dialogs.last().text, row.message);
    EXPECT_EQ(rules.focus, row.focus);
    EXPECT_FALSE(rules.closed());
    const MatchState& s = state;
    EXPECT_EQ(s.PlayerName1, "Ana");
    EXPECT_EQ(s.PlayerName2, "Bia");
    EXPECT_EQ(s.OpponentMode, PlayMode::Alone);
    EXPECT_EQ(s.LevelCode, "SUP");
    EXPECT_EQ(s.WinTally1, 3);
    EXPECT_EQ(s.WinTally2, 4);
    EXPECT_TRUE(s.RivalIsComputer) << "a refused OK keeps the opponent";
    EXPECT_EQ(s.PlayerCount, 1);
    EXPECT_FALSE(view.menu.playWithFriend);
    // Pressing OK still drops a half-done try and sounds, as it does every time.
    EXPECT_EQ(s.ClickCount, 0);
    EXPECT_EQ(s.WaitTicks, 0);
    EXPECT_EQ(cues.count("optionChosen"), 1);
    EXPECT_EQ(cues.played.size(), 1u);
}

const char* const kFirst = "Por favor, preencha o nome do 1º jogador!";
const char* const kSecond = "Por favor, preencha o nome do 2º jogador!";

INSTANTIATE_TEST_SUITE_P(EitherBox, MissingName,
                         ::testing::Values(RefusalRow{"", "Bia", kFirst, "firstPlayerName"},
                                           RefusalRow{"Ana", "", kSecond, "secondPlayerName"},
                                           RefusalRow{"", "", kFirst, "firstPlayerName"},
                                           RefusalRow{"   ", "Bia", kFirst, "firstPlayerName"},
                                           RefusalRow{"Ana", "  ", kSecond, "secondPlayerName"}));

TEST_F(PlayerNames, TickedBoxPutsBothOnOneBoard) {
    rules.firstName = "Rui";
    rules.secondName = "Zé";
    rules.sameBoard = true;
    rules.acceptClick();

    EXPECT_TRUE(rules.closed());
    EXPECT_TRUE(ports.dialogs.shown().empty());
    const MatchState& s = state;
    EXPECT_EQ(s.OpponentMode, PlayMode::OneBoard);
    EXPECT_EQ(s.LevelCode, "");
    EXPECT_FALSE(s.RivalIsComputer);
    EXPECT_EQ(s.PlayerName1, "Rui");
    EXPECT_EQ(s.PlayerName2, "Zé");
    EXPECT_EQ(s.WinTally1, 0);
    EXPECT_EQ(s.WinTally2, 0);
    EXPECT_EQ(s.PlayerCount, 2);
    EXPECT_EQ(s.SettingsChanged, 1);
    EXPECT_EQ(s.ClickCount, 0);
    EXPECT_EQ(s.WaitTicks, 0);
    EXPECT_EQ(cues.count("optionChosen"), 1);
}

TEST_F(PlayerNames, UntickedBoxPlaysOneAfterTheOther) {
    rules.firstName = "Rui";
    rules.acceptClick();

    EXPECT_TRUE(rules.closed());
    const MatchState& s = state;
    EXPECT_EQ(s.OpponentMode, PlayMode::OneAfterOther);
    EXPECT_EQ(s.PlayerName1, "Rui");
    EXPECT_EQ(s.PlayerName2, "Bia");
    EXPECT_EQ(s.LevelCode, "SUP") << "only a shared board drops the computer's level";
    EXPECT_FALSE(s.RivalIsComputer);
    EXPECT_EQ(s.WinTally1, 0);
    EXPECT_EQ(s.WinTally2, 0);
}

TEST(PlayerNamesFromTheMenu, RunsTheWindowAndKeepsItsChoice) {
    MatchParts p;
    EndDisplay endDisplay{p.state, p.view, p.timers, p.cues, p.ports.screen.value};
    SettingsMenu settings{p.state, p.view, p.timers, p.ports.dialogs, endDisplay};
    p.state.PlayerName2 = "Bia";
    p.ports.dialogs.onWindow(ModalWindow::PlayerNames, [&] {
        PlayerNamesRules window(p.state, p.view, p.cues, p.ports.dialogs);
        window.activate();
        window.firstName = "Rui";
        window.sameBoard = true;
        window.acceptClick();
    });
    settings.onTwoPlayers();
    EXPECT_EQ(p.ports.dialogs.last().window, ModalWindow::PlayerNames);
    EXPECT_EQ(p.state.OpponentMode, PlayMode::OneBoard);
    EXPECT_EQ(p.state.PlayerName1, "Rui");
    EXPECT_EQ(p.state.PlayerCount, 2);
    EXPECT_TRUE(p.view.menu.playWithFriend);
}

} // namespace
} // namespace qv::test
