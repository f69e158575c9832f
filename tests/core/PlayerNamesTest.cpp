#include "dialogs/PlayerNamesRules.h"
#include "match/Game.h"
#include "tests/fakes/RecordingCues.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

class PlayerNames : public ::testing::Test {
protected:
    TestPorts ports;
    Game game{ports.ports()};
    RecordingCues cues;
    PlayerNamesRules rules{game};

    void SetUp() override {
        game.FormCreate();
        game.setSound(cues);
        MatchState& s = game.state;
        s.PlayerName1 = "Ana";
        s.PlayerName2 = "Bia";
        s.OpponentMode = mode::kIndividual;
        s.LevelCode = "SUP";
        s.RivalKind = "computer";
        s.WinTally1 = 3;
        s.WinTally2 = 4;
        s.ClickCount = 1;
        s.WaitTicks = 7;
        rules.FormActivate();
    }
};

TEST_F(PlayerNames, OpensWithTheKnownNamesCutToWhatTheBoxesTake) {
    game.state.PlayerName1 = "Conceição Albuquerque"; // typed in the one-player box
    game.state.PlayerName2 = "Computador Sup";        // the computer's level choice
    rules.FormActivate();
    EXPECT_EQ(rules.Edit1, "Conceição ") << "ten characters, accented ones whole";
    EXPECT_EQ(rules.Edit2, "Computador");
    EXPECT_FALSE(rules.CheckBox1);
    EXPECT_EQ(rules.focus, "Edit1");
}

TEST_F(PlayerNames, EnterMovesFromFirstNameToSecondToOk) {
    EXPECT_FALSE(rules.Edit1KeyPress('a'));
    EXPECT_EQ(rules.focus, "Edit1");
    EXPECT_TRUE(rules.Edit1KeyPress('\r'));
    EXPECT_EQ(rules.focus, "Edit2");
    EXPECT_TRUE(rules.Edit2KeyPress('\r'));
    EXPECT_EQ(rules.focus, "Button1");
    EXPECT_FALSE(rules.closed()) << "Enter alone never confirms";
    EXPECT_TRUE(ports.dialogs.shown().empty());
}

struct RefusalRow {
    const char* edit1;
    const char* edit2;
    const char* message;
    const char* focus;
};

class MissingName : public PlayerNames, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(MissingName, IsAskedForAndNothingElseChanges) {
    const RefusalRow row = GetParam();
    rules.Edit1 = row.edit1;
    rules.Edit2 = row.edit2;
    rules.CheckBox1 = true;
    rules.focus = "Button1";
    rules.Button1Click();

    ASSERT_EQ(ports.dialogs.shown().size(), 1u);
    EXPECT_EQ(ports.dialogs.last().type, ShownBox::Type::Plain);
    EXPECT_EQ(ports.dialogs.last().text, row.message);
    EXPECT_EQ(rules.focus, row.focus);
    EXPECT_FALSE(rules.closed());
    const MatchState& s = game.state;
    EXPECT_EQ(s.PlayerName1, "Ana");
    EXPECT_EQ(s.PlayerName2, "Bia");
    EXPECT_EQ(s.OpponentMode, mode::kIndividual);
    EXPECT_EQ(s.LevelCode, "SUP");
    EXPECT_EQ(s.WinTally1, 3);
    EXPECT_EQ(s.WinTally2, 4);
    EXPECT_EQ(s.RivalKind, "computer") << "a refused OK keeps the opponent";
    EXPECT_EQ(s.PlayerCount, 1);
    EXPECT_FALSE(game.view.menu.playWithFriend);
    // Pressing OK still drops a half-done try and sounds, as it does every time.
    EXPECT_EQ(s.ClickCount, 0);
    EXPECT_EQ(s.WaitTicks, 0);
    EXPECT_EQ(cues.count("soundOp"), 1);
    EXPECT_EQ(cues.played.size(), 1u);
}

const char* const kFirst = "Por favor, preencha o nome do 1º jogador!";
const char* const kSecond = "Por favor, preencha o nome do 2º jogador!";

INSTANTIATE_TEST_SUITE_P(EitherBox, MissingName,
                         ::testing::Values(RefusalRow{"", "Bia", kFirst, "Edit1"},
                                           RefusalRow{"Ana", "", kSecond, "Edit2"},
                                           RefusalRow{"", "", kFirst, "Edit1"},
                                           RefusalRow{"   ", "Bia", kFirst, "Edit1"},
                                           RefusalRow{"Ana", "  ", kSecond, "Edit2"}));

TEST_F(PlayerNames, TickedBoxPutsBothOnOneBoard) {
    rules.Edit1 = "Rui";
    rules.Edit2 = "Zé";
    rules.CheckBox1 = true;
    rules.Button1Click();

    EXPECT_TRUE(rules.closed());
    EXPECT_TRUE(ports.dialogs.shown().empty());
    const MatchState& s = game.state;
    EXPECT_EQ(s.OpponentMode, "outro");
    EXPECT_EQ(s.LevelCode, "");
    EXPECT_EQ(s.RivalKind, "");
    EXPECT_EQ(s.PlayerName1, "Rui");
    EXPECT_EQ(s.PlayerName2, "Zé");
    EXPECT_EQ(s.WinTally1, 0);
    EXPECT_EQ(s.WinTally2, 0);
    EXPECT_EQ(s.PlayerCount, 2);
    EXPECT_EQ(s.SettingsChanged, 1);
    EXPECT_EQ(s.ClickCount, 0);
    EXPECT_EQ(s.WaitTicks, 0);
    EXPECT_EQ(cues.count("soundOp"), 1);
}

TEST_F(PlayerNames, UntickedBoxPlaysOneAfterTheOther) {
    rules.Edit1 = "Rui";
    rules.Button1Click();

    EXPECT_TRUE(rules.closed());
    const MatchState& s = game.state;
    EXPECT_EQ(s.OpponentMode, "comoutro");
    EXPECT_EQ(s.PlayerName1, "Rui");
    EXPECT_EQ(s.PlayerName2, "Bia");
    EXPECT_EQ(s.LevelCode, "SUP") << "only a shared board drops the computer's level";
    EXPECT_EQ(s.RivalKind, "");
    EXPECT_EQ(s.WinTally1, 0);
    EXPECT_EQ(s.WinTally2, 0);
}

TEST_F(PlayerNames, MenuEntryRunsTheWindowAndKeepsItsChoice) {
    ports.dialogs.onWindow(ModalWindow::PlayerNames, [this] {
        PlayerNamesRules window(game);
        window.FormActivate();
        window.Edit1 = "Rui";
        window.CheckBox1 = true;
        window.Button1Click();
    });
    game.settings.onPlayWithFriend();
    EXPECT_EQ(ports.dialogs.last().window, ModalWindow::PlayerNames);
    EXPECT_EQ(game.state.OpponentMode, "outro");
    EXPECT_EQ(game.state.PlayerName1, "Rui");
    EXPECT_EQ(game.state.PlayerCount, 2);
    EXPECT_TRUE(game.view.menu.playWithFriend);
}

} // namespace
} // namespace qv::test
