#include "dialogs/PlayerNamesRules.h"
#include "tests/fakes/DefinitionParts.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv::test {
namespace {

class GameDefinitionRules : public ::testing::Test, protected DefinitionParts {
protected:
    MatchState& s = state;
    GameDefinition& dialog = definition;

    /// What the person does while the dialog is up; it is activated first.
    void whileOpen(std::function<void()> act) {
        ports.dialogs.onWindow(ModalWindow::GameDefinition, [this, act] {
            dialog.activate();
            act();
        });
    }
};

TEST_F(GameDefinitionRules, TempoOffersTheFourTimesEachLitPictureOverItsPlainOne) {
    whileOpen([this] {
        EXPECT_EQ(dialog["title"].caption, "Qual o tempo...");
        EXPECT_TRUE(dialog["timeHint"].visible);
        EXPECT_FALSE(dialog["opponentHint"].visible);
        for (const auto& [plain, lit, top] :
             {std::tuple{"threeMinutes", "threeMinutesLit", 83},
              std::tuple{"twoMinutes", "twoMinutesLit", 54},
              std::tuple{"oneMinute", "oneMinuteLit", 25},
              std::tuple{"fortyFiveSeconds", "fortyFiveSecondsLit", 111}}) {
            EXPECT_TRUE(dialog[plain].visible) << plain;
            EXPECT_EQ(dialog[plain].bounds.left, 16) << plain;
            EXPECT_EQ(dialog[plain].bounds.top, top) << plain;
            EXPECT_FALSE(dialog[lit].visible) << lit;
            EXPECT_EQ(dialog[lit].bounds, dialog[plain].bounds) << lit;
        }
        for (const char* hidden : {"colleague", "alone", "computer", "colleagueFrame"})
            EXPECT_FALSE(dialog[hidden].visible) << hidden;
        EXPECT_EQ(dialog.focus, "focusSink");
    });
    dialog.chooseTimeClick();
    EXPECT_EQ(ports.dialogs.last().window, ModalWindow::GameDefinition);
    EXPECT_EQ(s.DefinitionAsksTime, 1);
    EXPECT_EQ(cues.count("optionChosen"), 1);
    EXPECT_FALSE(dialog.isOpen()) << "Tempo destroys the dialog after use";
}

TEST_F(GameDefinitionRules, JogadorOffersTheThreeOpponentsInTheirFrames) {
    whileOpen([this] {
        EXPECT_EQ(dialog["title"].caption, "Jogar contra...");
        EXPECT_FALSE(dialog["timeHint"].visible);
        EXPECT_TRUE(dialog["opponentHint"].visible);
        for (const auto& [plain, lit, top, bevel, bevelLeft, bevelTop] :
             {std::tuple{"colleague", "colleagueLit", 32, "colleagueFrame", 14, 28},
              std::tuple{"alone", "aloneLit", 67, "aloneFrame", 15, 63},
              std::tuple{"computer", "computerLit", 101, "computerFrame", 15, 98}}) {
            EXPECT_TRUE(dialog[plain].visible) << plain;
            EXPECT_EQ(dialog[plain].bounds.left, 17) << plain;
            EXPECT_EQ(dialog[plain].bounds.top, top) << plain;
            EXPECT_EQ(dialog[lit].bounds, dialog[plain].bounds) << lit;
            EXPECT_TRUE(dialog[bevel].visible) << bevel;
            EXPECT_EQ(dialog[bevel].bounds.left, bevelLeft) << bevel;
            EXPECT_EQ(dialog[bevel].bounds.top, bevelTop) << bevel;
        }
        for (const char* hidden :
             {"threeMinutes", "twoMinutes", "oneMinute", "fortyFiveSeconds", "levelPanel"})
            EXPECT_FALSE(dialog[hidden].visible) << hidden;
    });
    dialog.chooseOpponentClick();
    EXPECT_TRUE(s.DefinitionFromPlayerButton);
    EXPECT_EQ(s.DefinitionAsksTime, 0);
}

// Plain functions: member pointers in tables trip the undefined-behaviour checker.
void click3min(GameDefinition& d) {
    d.threeMinutesOrColleagueClick();
}
void click2min(GameDefinition& d) {
    d.twoMinutesOrAloneClick();
}
void click1min(GameDefinition& d) {
    d.oneMinuteOrComputerClick();
}
void click045(GameDefinition& d) {
    d.fortyFiveSecondsClick();
}

struct TimeRow {
    const char* name;
    void (*click)(GameDefinition&);
    int limit, minutes, seconds;
    bool setsClock;
    bool marksChanged;
    bool MenuMarks::*entry;
};

class TimeChoice : public GameDefinitionRules, public ::testing::WithParamInterface<TimeRow> {};

TEST_P(TimeChoice, SetsTheLimitTicksTheMenuAndCloses) {
    const TimeRow row = GetParam();
    s.ClockMinutes = 9;
    s.ClockSeconds = 9;
    for (int changedBefore : {0, 1}) {
        s.SettingsChanged = changedBefore;
        dialog.create(true);
        row.click(dialog);
        EXPECT_EQ(s.TimeLimitSeconds, row.limit);
        EXPECT_EQ(s.TimeLimitMinutes, row.minutes);
        EXPECT_EQ(s.TimeLimitSecondsPart, row.seconds);
        EXPECT_EQ(s.ClockMinutes, row.setsClock ? row.minutes : 9);
        EXPECT_EQ(s.ClockSeconds, row.setsClock ? row.seconds : 9);
        EXPECT_EQ(s.SettingsChanged, row.marksChanged ? 1 : changedBefore);
        const MenuMarks& m = view.menu;
        EXPECT_EQ(int(m.time3min) + m.time2min + m.time1min + m.time45s, 1);
        EXPECT_TRUE(view.menu.*row.entry);
        EXPECT_FALSE(dialog.isOpen());
    }
    EXPECT_EQ(cues.count("optionChosen"), 2);
}

INSTANTIATE_TEST_SUITE_P(
    FourTimes, TimeChoice,
    ::testing::Values(TimeRow{"3:00", click3min, 180, 3, 0, true, false, &MenuMarks::time3min},
                      TimeRow{"2:00", click2min, 120, 2, 0, false, true, &MenuMarks::time2min},
                      TimeRow{"1:00", click1min, 60, 1, 0, true, true, &MenuMarks::time1min},
                      TimeRow{"0:45", click045, 45, 0, 45, true, true, &MenuMarks::time45s}));

TEST_F(GameDefinitionRules, EveryChoiceIsRefusedWhileAMatchRunsAndTheDialogCloses) {
    timers.matchTick.setInterval(100); // a match runs
    s.TimeLimitSeconds = 180;
    s.OpponentMode = PlayMode::Alone;
    for (bool asksTime : {true, false}) {
        for (auto click : {click3min, click2min, click1min, click045}) {
            ports.dialogs.clear();
            dialog.create(asksTime);
            click(dialog);
            ASSERT_EQ(ports.dialogs.shown().size(), 1u);
            EXPECT_EQ(ports.dialogs.last().type, ShownBox::Type::Typed);
            EXPECT_EQ(ports.dialogs.last().text, "Partida está em andamento, para mudar o tipo de "
                                                 "jogo, antes clique em PARAR.");
            EXPECT_FALSE(dialog.isOpen());
        }
    }
    EXPECT_EQ(s.TimeLimitSeconds, 180);
    EXPECT_EQ(s.OpponentMode, PlayMode::Alone);
    EXPECT_FALSE(s.RivalIsComputer);
}

TEST_F(GameDefinitionRules, OpeningNeverRenamesTheSecondPerson) {
    s.OpponentMode = PlayMode::OneAfterOther;
    s.PlayerName2 = "Caio";
    whileOpen([] {});
    dialog.chooseTimeClick();
    dialog.chooseOpponentClick();
    EXPECT_EQ(s.PlayerName2, "Caio");
    EXPECT_EQ(s.LevelCode, "");
}

TEST_F(GameDefinitionRules, AgainstTheComputerOpeningKeepsTheLevelInForce) {
    s.OpponentMode = PlayMode::OneBoard;
    s.RivalIsComputer = true;
    computer.applyLevel(3);
    whileOpen([this] { EXPECT_EQ(dialog.selectedLevel(), 3); });
    dialog.chooseTimeClick();
    dialog.activate(); // again, as after a box shown over the dialog
    EXPECT_EQ(s.LevelCode, "SUP");
    EXPECT_EQ(s.PlayerName2, "Computador Sup");
}

TEST_F(GameDefinitionRules, TheComputerPictureKeepsTheDialogOpenWithItsLevelPanel) {
    whileOpen([this] {
        ports.dialogs.type("Dora");
        dialog.oneMinuteOrComputerClick();
        EXPECT_TRUE(dialog.isOpen());
        EXPECT_TRUE(dialog["levelPanel"].visible);
        EXPECT_EQ(dialog["levelPanel"].bounds.left, 0);
        EXPECT_EQ(dialog["levelPanel"].bounds.top, 0);
        EXPECT_EQ(s.PlayerName2, "Computador Sab");
        dialog.levelClick(2);
        dialog.levelOkClick();
    });
    dialog.chooseOpponentClick();
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_FALSE(s.DefinitionFromPlayerButton);
    EXPECT_EQ(s.OpponentMode, PlayMode::OneBoard);
    EXPECT_TRUE(s.RivalIsComputer);
    EXPECT_EQ(s.PlayerName1, "Dora");
    EXPECT_EQ(s.LevelCode, "INT");
    EXPECT_EQ(s.PlayerName2, "Computador Int");
    EXPECT_EQ(s.LevelAttempts, (std::array<int, 3>{4, 7, 10}));
    int windows = 0;
    for (const ShownBox& box : ports.dialogs.shown())
        windows += box.type == ShownBox::Type::Window ? 1 : 0;
    EXPECT_EQ(windows, 1) << "no second dialog over the open one";
    // "Jogador", the computer picture and "&OK" each confirm once, and nothing else sounds.
    EXPECT_EQ(cues.played,
              (std::vector<std::string>{"optionChosen", "optionChosen", "optionChosen"}));
}

TEST_F(GameDefinitionRules, ComputadorAfterJogadorClosedWithoutOkOpensTheDialog) {
    whileOpen([this] { dialog.close(); });
    dialog.chooseOpponentClick();
    ASSERT_TRUE(s.DefinitionFromPlayerButton);
    bool panelShown = false;
    whileOpen([&] {
        panelShown = dialog["levelPanel"].visible && dialog["levelPanel"].bounds.left == 0;
        dialog.levelOkClick();
    });
    ports.dialogs.type("Edu");
    computer.onPlayComputer();
    EXPECT_EQ(ports.dialogs.last().window, ModalWindow::GameDefinition);
    EXPECT_TRUE(panelShown);
    EXPECT_TRUE(s.RivalIsComputer);
    EXPECT_EQ(s.PlayerName2, "Computador Sab");
}

TEST_F(GameDefinitionRules, TwoPeopleOpensTheNamesAndAloneAsksTheName) {
    timers.endAnimation.setInterval(250);
    ports.dialogs.onWindow(ModalWindow::PlayerNames, [this] {
        PlayerNamesRules names(state, view, cues, ports.dialogs);
        names.activate();
        names.firstName = "Rui";
        names.secondName = "Zé";
        names.acceptClick();
    });
    dialog.create(false);
    dialog.threeMinutesOrColleagueClick();
    EXPECT_EQ(ports.dialogs.last().window, ModalWindow::PlayerNames);
    EXPECT_EQ(s.PlayerCount, 2);
    EXPECT_EQ(s.SettingsChanged, 1);
    EXPECT_TRUE(view.menu.playWithFriend);
    EXPECT_FALSE(dialog.isOpen());

    s.SettingsChanged = 0;
    dialog.create(false);
    ports.dialogs.type("Gil");
    dialog.twoMinutesOrAloneClick();
    EXPECT_EQ(ports.dialogs.last().caption, "Definir jogador");
    EXPECT_EQ(s.PlayerName1, "Gil");
    EXPECT_EQ(s.OpponentMode, PlayMode::Alone);
    EXPECT_EQ(s.PlayerCount, 1);
    EXPECT_EQ(s.SettingsChanged, 1);
    EXPECT_FALSE(timers.endAnimation.running());
    EXPECT_TRUE(view.menu.playAlone);
    EXPECT_FALSE(dialog.isOpen());
    // The names window's "&OK " and the one-player picture confirm once each.
    EXPECT_EQ(cues.played, (std::vector<std::string>{"optionChosen", "optionChosen"}));
}

} // namespace
} // namespace qv::test
