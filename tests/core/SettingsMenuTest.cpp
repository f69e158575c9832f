#include "game/Game.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv::test {
namespace {

class Settings : public ::testing::Test {
protected:
    TestPorts ports;
    Game game{ports.ports()};
    void SetUp() override { game.setUp(); }
    void startMatchClock() { game.timers.matchTick.setInterval(100); }
};

struct TimeEntryRow {
    const char* entry;
    void (SettingsMenu::*handler)();
    int limit, minutes, seconds;
};

class TimeLimit : public Settings, public ::testing::WithParamInterface<TimeEntryRow> {};

TEST_P(TimeLimit, SetsTheLimitTicksItsEntryAndMarksSettingsChanged) {
    const TimeEntryRow row = GetParam();
    game.state.ElapsedSeconds = 17;
    (game.settings.*row.handler)();
    const MatchState& s = game.state;
    EXPECT_EQ(s.TimeLimitSeconds, row.limit);
    EXPECT_EQ(s.TimeLimitMinutes, row.minutes);
    EXPECT_EQ(s.TimeLimitSecondsPart, row.seconds);
    EXPECT_EQ(s.ClockMinutes, row.minutes);
    EXPECT_EQ(s.ClockSeconds, row.seconds);
    EXPECT_EQ(s.ElapsedSeconds, 0);
    EXPECT_EQ(s.SettingsChanged, 1);
    const MenuMarks& m = game.view.menu;
    const std::string entry = row.entry;
    EXPECT_EQ(m.time3min, entry == "time3min");
    EXPECT_EQ(m.time2min, entry == "time2min");
    EXPECT_EQ(m.time1min, entry == "time1min");
    EXPECT_EQ(m.time45s, entry == "time45s");
    EXPECT_TRUE(ports.dialogs.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    FourLimits, TimeLimit,
    ::testing::Values(TimeEntryRow{"time3min", &SettingsMenu::onThreeMinutes, 180, 3, 0},
                      TimeEntryRow{"time2min", &SettingsMenu::onTwoMinutes, 120, 2, 0},
                      TimeEntryRow{"time1min", &SettingsMenu::onOneMinute, 60, 1, 0},
                      TimeEntryRow{"time45s", &SettingsMenu::onFortyFiveSeconds, 45, 0, 45}));

struct RefusalRow {
    const char* handlerName;
    void (SettingsMenu::*handler)();
    ShownBox::Type type;
    const char* caption;
    MessageIcon icon;
    const char* text;
};

class RefusalDuringMatch : public Settings, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(RefusalDuringMatch, ShowsItsOwnBoxAndChangesNothing) {
    const RefusalRow row = GetParam();
    startMatchClock();
    (game.settings.*row.handler)();
    ASSERT_EQ(ports.dialogs.shown().size(), 1u) << row.handlerName;
    const ShownBox& box = ports.dialogs.last();
    EXPECT_EQ(box.type, row.type);
    EXPECT_EQ(box.caption, row.caption);
    EXPECT_EQ(box.icon, row.icon);
    EXPECT_EQ(box.buttons, Buttons::Ok);
    EXPECT_EQ(box.text, row.text);
    const MatchState& s = game.state;
    EXPECT_EQ(s.TimeLimitSeconds, 0);
    EXPECT_EQ(s.BlockCount, 24);
    EXPECT_EQ(s.PlayerCount, 1);
    EXPECT_EQ(s.SettingsChanged, 0);
    EXPECT_TRUE(game.view.menu.time3min && game.view.menu.blocks24 && game.view.menu.playAlone);
    EXPECT_FALSE(game.view.menu.time45s || game.view.menu.blocks16 ||
                 game.view.menu.playWithFriend);
}

const char* const kTime = "Partida está em andamento, para mudar o tempo, antes clique em PARAR.";
const char* const kBlocks =
    "Partida está em andamento, para mudar o Nº de Blocos, antes clique em PARAR.";
const char* const kPlayer =
    "Partida está em andamento, para mudar o tipo de jogo, antes clique em PARAR.";
using T = ShownBox::Type;
using I = MessageIcon;

INSTANTIATE_TEST_SUITE_P(
    EveryHandler, RefusalDuringMatch,
    ::testing::Values(
        RefusalRow{"time3min", &SettingsMenu::onThreeMinutes, T::OwnCaption, "Quorvanella 2.0",
                   I::None, kTime},
        RefusalRow{"time2min", &SettingsMenu::onTwoMinutes, T::Typed, "Warning", I::Warning, kTime},
        RefusalRow{"time1min", &SettingsMenu::onOneMinute, T::Typed, "Warning", I::Warning, kTime},
        RefusalRow{"time45s", &SettingsMenu::onFortyFiveSeconds, T::Typed, "Warning", I::Warning,
                   kTime},
        RefusalRow{"blocks24", &SettingsMenu::onTwentyFourBlocks, T::Typed, "Warning", I::Warning,
                   kBlocks},
        RefusalRow{"blocks16", &SettingsMenu::onSixteenBlocks, T::Typed, "Warning", I::Warning,
                   kBlocks},
        RefusalRow{"playAlone", &SettingsMenu::onPlayAlone, T::Typed, "Information", I::Information,
                   kPlayer},
        RefusalRow{"playWithFriend", &SettingsMenu::onTwoPlayers, T::Typed, "Warning", I::Warning,
                   kPlayer}));

TEST_F(Settings, SixteenBlocksSetsTheBoardAndWarnsAboutRecords) {
    game.settings.onSixteenBlocks();
    EXPECT_EQ(game.state.BlockCount, 16);
    EXPECT_EQ(game.state.MaxBoardPoints, 1200);
    EXPECT_TRUE(game.view.menu.blocks16);
    EXPECT_FALSE(game.view.menu.blocks24);
    EXPECT_EQ(game.state.SettingsChanged, 0) << "a board size alone does not zero the scores";
    const ShownBox& box = ports.dialogs.last();
    EXPECT_EQ(box.type, ShownBox::Type::Plain);
    EXPECT_EQ(box.caption, "Quorva Nella 2.0");
    EXPECT_EQ(box.text, "A próxima partida iniciará apenas com 16 blocos... Boa sorte\n\n"
                        "OBS.:Jogar com 16 blocos, não vale para disputar RECORDS!");

    game.settings.onTwentyFourBlocks();
    EXPECT_EQ(game.state.BlockCount, 24);
    EXPECT_EQ(game.state.MaxBoardPoints, 1800);
    EXPECT_TRUE(game.view.menu.blocks24);
    EXPECT_FALSE(game.view.menu.blocks16);
    EXPECT_EQ(ports.dialogs.last().text, "A próxima partida iniciará com 24 blocos... Boa sorte");
    EXPECT_EQ(game.state.SettingsChanged, 0);
}

TEST_F(Settings, IndividualAsksTheNameAndSwitchesToSinglePlayer) {
    game.state.PlayerName1 = "Ana";
    game.state.OpponentMode = PlayMode::OneAfterOther;
    game.state.PlayerCount = 2;
    game.state.RivalIsComputer = true;
    game.state.ClickCount = 1;
    game.state.LostAlone = true;
    game.view.menu.playAlone = false;
    game.view.menu.playWithFriend = true;
    game.view[Role::ClockCaption].visible = false;
    game.view[Role::WinnerCaption].visible = true;
    game.view.winnerLetter(3).visible = true;
    game.timers.endAnimation.setInterval(250);
    ports.dialogs.type("Beatriz");

    game.settings.onPlayAlone();

    const ShownBox& box = ports.dialogs.last();
    EXPECT_EQ(box.type, ShownBox::Type::Input);
    EXPECT_EQ(box.caption, "Definir jogador");
    EXPECT_EQ(box.text, "Digite seu nome");
    EXPECT_EQ(box.defaultText, "Ana");
    const MatchState& s = game.state;
    EXPECT_EQ(s.PlayerName1, "Beatriz");
    EXPECT_EQ(s.OpponentMode, PlayMode::Alone);
    EXPECT_EQ(s.PlayerCount, 1);
    EXPECT_FALSE(s.RivalIsComputer);
    EXPECT_EQ(s.ClickCount, 0);
    EXPECT_FALSE(s.LostAlone);
    EXPECT_EQ(s.SettingsChanged, 1);
    EXPECT_TRUE(game.view.menu.playAlone);
    EXPECT_FALSE(game.view.menu.playWithFriend);
    EXPECT_TRUE(game.view[Role::ClockCaption].visible);
    EXPECT_FALSE(game.timers.endAnimation.running()) << "the end animation stops";
    EXPECT_FALSE(game.view[Role::WinnerCaption].visible);
    EXPECT_FALSE(game.view.winnerLetter(3).visible);
}

TEST_F(Settings, CancellingTheNameKeepsItAndStillSwitches) {
    game.state.PlayerName1 = "Ana";
    game.state.OpponentMode = PlayMode::OneBoard;
    ports.dialogs.cancelInput();
    game.settings.onPlayAlone();
    EXPECT_EQ(game.state.PlayerName1, "Ana");
    EXPECT_EQ(game.state.OpponentMode, PlayMode::Alone);
}

TEST_F(Settings, TheNamesWindowClosedWithoutOkLeavesTheOpponentFromEitherEntry) {
    MatchState& s = game.state;
    for (bool fromPicture : {false, true}) {
        s.OpponentMode = PlayMode::OneBoard;
        s.RivalIsComputer = true;
        s.PlayerName2 = "Computador Sab";
        s.PlayerCount = 1;
        s.SettingsChanged = 0;
        game.view[Role::WinnerCaption].visible = true;
        if (fromPicture) {
            game.gameDefinition.create(false);
            game.gameDefinition
                .threeMinutesOrColleagueClick(); // "Jogador", then the two-player picture
        } else {
            game.settings.onTwoPlayers();
        }
        EXPECT_EQ(ports.dialogs.last().window, ModalWindow::PlayerNames);
        EXPECT_FALSE(game.view[Role::WinnerCaption].visible) << "the end display is cleared";
        EXPECT_EQ(s.OpponentMode, PlayMode::OneBoard);
        EXPECT_TRUE(s.RivalIsComputer) << "the computer goes on playing its turns";
        EXPECT_EQ(s.PlayerName2, "Computador Sab");
        EXPECT_EQ(s.PlayerCount, 1);
        EXPECT_EQ(s.SettingsChanged, 0);
        EXPECT_TRUE(game.view.menu.playAlone);
        EXPECT_FALSE(game.view.menu.playWithFriend);
    }
}

} // namespace
} // namespace qv::test
