#include "match/SettingsMenu.h"
#include "game/Game.h"
#include "match/WindowLayout.h"
#include "tests/fakes/MatchParts.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv::test {
namespace {

class Settings : public ::testing::Test, protected MatchParts {
protected:
    EndDisplay endDisplay{state, view, timers, cues, ports.screen.value};
    SettingsMenu settings{state, view, timers, ports.dialogs, endDisplay};
    void SetUp() override { setUpMainWindow(state, view, ports.screen.value); }
    void startMatchClock() { timers.matchTick.setInterval(100); }
};

struct TimeEntryRow {
    const char* entry;
    void (SettingsMenu::*handler)();
    int limit, minutes, seconds;
};

class TimeLimit : public Settings, public ::testing::WithParamInterface<TimeEntryRow> {};

TEST_P(TimeLimit, SetsTheLimitTicksItsEntryAndMarksSettingsChanged) {
    const TimeEntryRow row = GetParam();
    state.ElapsedSeconds = 17;
    (settings.*row.handler)();
    const MatchState& s = state;
    EXPECT_EQ(s.TimeLimitSeconds, row.limit);
    EXPECT_EQ(s.TimeLimitMinutes, row.minutes);
    EXPECT_EQ(s.TimeLimitSecondsPart, row.seconds);
    EXPECT_EQ(s.ClockMinutes, row.minutes);
    EXPECT_EQ(s.ClockSeconds, row.seconds);
    EXPECT_EQ(s.ElapsedSeconds, 0);
    EXPECT_EQ(s.SettingsChanged, 1);
    const MenuMarks& m = view.menu;
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
    (settings.*row.handler)();
    ASSERT_EQ(ports.dialogs.shown().size(), 1u) << row.handlerName;
    const ShownBox& box = ports.dialogs.last();
    EXPECT_EQ(box.type, row.type);
    EXPECT_EQ(box.caption, row.caption);
    EXPECT_EQ(box.icon, row.icon);
    EXPECT_EQ(box.buttons, Buttons::Ok);
    EXPECT_EQ(box.text, row.text);
    const MatchState& s = state;
    EXPECT_EQ(s.TimeLimitSeconds, 0);
    EXPECT_EQ(s.BlockCount, 24);
    EXPECT_EQ(s.PlayerCount, 1);
    EXPECT_EQ(s.SettingsChanged, 0);
    EXPECT_TRUE(view.menu.time3min && view.menu.blocks24 && view.menu.playAlone);
    EXPECT_FALSE(view.menu.time45s || view.menu.blocks16 || view.menu.playWithFriend);
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
    settings.onSixteenBlocks();
    EXPECT_EQ(state.BlockCount, 16);
    EXPECT_EQ(state.MaxBoardPoints, 1200);
    EXPECT_TRUE(view.menu.blocks16);
    EXPECT_FALSE(view.menu.blocks24);
    EXPECT_EQ(state.SettingsChanged, 0) << "a board size alone does not zero the scores";
    const ShownBox& box = ports.dialogs.last();
    EXPECT_EQ(box.type, ShownBox::Type::Plain);
    EXPECT_EQ(box.caption, "Quorva Nella 2.0");
    EXPECT_EQ(box.text, "A próxima partida iniciará apenas com 16 blocos... Boa sorte\n\n"
                        "OBS.:Jogar com 16 blocos, não vale para disputar RECORDS!");

    settings.onTwentyFourBlocks();
    EXPECT_EQ(state.BlockCount, 24);
    EXPECT_EQ(state.MaxBoardPoints, 1800);
    EXPECT_TRUE(view.menu.blocks24);
    EXPECT_FALSE(view.menu.blocks16);
    EXPECT_EQ(ports.dialogs.last().text, "A próxima partida iniciará com 24 blocos... Boa sorte");
    EXPECT_EQ(state.SettingsChanged, 0);
}

TEST_F(Settings, IndividualAsksTheNameAndSwitchesToSinglePlayer) {
    state.PlayerName1 = "Ana";
    state.OpponentMode = PlayMode::OneAfterOther;
    state.PlayerCount = 2;
    state.RivalIsComputer = true;
    state.ClickCount = 1;
    state.LostAlone = true;
    view.menu.playAlone = false;
    view.menu.playWithFriend = true;
    view[Role::ClockCaption].visible = false;
    view[Role::WinnerCaption].visible = true;
    view.winnerLetter(3).visible = true;
    timers.endAnimation.setInterval(250);
    ports.dialogs.type("Beatriz");

    settings.onPlayAlone();

    const ShownBox& box = ports.dialogs.last();
    EXPECT_EQ(box.type, ShownBox::Type::Input);
    EXPECT_EQ(box.caption, "Definir jogador");
    EXPECT_EQ(box.text, "Digite seu nome");
    EXPECT_EQ(box.defaultText, "Ana");
    const MatchState& s = state;
    EXPECT_EQ(s.PlayerName1, "Beatriz");
    EXPECT_EQ(s.OpponentMode, PlayMode::Alone);
    EXPECT_EQ(s.PlayerCount, 1);
    EXPECT_FALSE(s.RivalIsComputer);
    EXPECT_EQ(s.ClickCount, 0);
    EXPECT_FALSE(s.LostAlone);
    EXPECT_EQ(s.SettingsChanged, 1);
    EXPECT_TRUE(view.menu.playAlone);
    EXPECT_FALSE(view.menu.playWithFriend);
    EXPECT_TRUE(view[Role::ClockCaption].visible);
    EXPECT_FALSE(timers.endAnimation.running()) << "the end animation stops";
    EXPECT_FALSE(view[Role::WinnerCaption].visible);
    EXPECT_FALSE(view.winnerLetter(3).visible);
}

TEST_F(Settings, CancellingTheNameKeepsItAndStillSwitches) {
    state.PlayerName1 = "Ana";
    state.OpponentMode = PlayMode::OneBoard;
    ports.dialogs.cancelInput();
    settings.onPlayAlone();
    EXPECT_EQ(state.PlayerName1, "Ana");
    EXPECT_EQ(state.OpponentMode, PlayMode::Alone);
}

// The names window is reached from the menu and from the game definition's picture.
class SettingsOnGame : public ::testing::Test {
protected:
    TestPorts ports;
    Game game{ports.ports()};
    void SetUp() override { game.setUp(); }
};

TEST_F(SettingsOnGame, TheNamesWindowClosedWithoutOkLeavesTheOpponentFromEitherEntry) {
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
