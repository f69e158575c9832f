#include "dialogs/PlayerNamesRules.h"
#include "match/Game.h"
#include "tests/fakes/RecordingCues.h"
#include "tests/fakes/TestPorts.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv::test {
namespace {

class Definir : public ::testing::Test {
protected:
    TestPorts ports;
    Game game{ports.ports()};
    RecordingCues cues;
    MatchState& s = game.state;
    GameDefinition& dialog = game.definir;

    void SetUp() override {
        game.FormCreate();
        game.setSound(cues);
    }
    /// What the person does while the dialog is up; it is activated first.
    void whileOpen(std::function<void()> act) {
        ports.dialogs.onWindow(ModalWindow::GameDefinition, [this, act] {
            dialog.FormActivate();
            act();
        });
    }
    void startMatch() { game.Timer1.setInterval(100); }
};

TEST_F(Definir, TempoOffersTheFourTimesEachLitPictureOverItsPlainOne) {
    whileOpen([this] {
        EXPECT_EQ(dialog["Label3"].caption, "Qual o tempo...");
        EXPECT_TRUE(dialog["Label2"].visible);
        EXPECT_FALSE(dialog["Label4"].visible);
        for (const auto& [plain, lit, top] :
             {std::tuple{"img_3min", "img_3min_2", 83}, std::tuple{"img_2min", "img_2min_2", 54},
              std::tuple{"img_1min", "img_1min_2", 25},
              std::tuple{"img_045seg", "img_045seg_2", 111}}) {
            EXPECT_TRUE(dialog[plain].visible) << plain;
            EXPECT_EQ(dialog[plain].bounds.left, 16) << plain;
            EXPECT_EQ(dialog[plain].bounds.top, top) << plain;
            EXPECT_FALSE(dialog[lit].visible) << lit;
            EXPECT_EQ(dialog[lit].bounds, dialog[plain].bounds) << lit;
        }
        for (const char* hidden : {"img_colega", "img_individual", "img_computador", "Bevel1"})
            EXPECT_FALSE(dialog[hidden].visible) << hidden;
        EXPECT_EQ(dialog.focus, "Button2");
    });
    game.definir.BitBtn1Click();
    EXPECT_EQ(ports.dialogs.last().window, ModalWindow::GameDefinition);
    EXPECT_EQ(s.DefinirAsksTime, 1);
    EXPECT_EQ(cues.count("soundOp"), 1);
    EXPECT_FALSE(dialog.isOpen()) << "Tempo destroys the dialog after use";
}

TEST_F(Definir, JogadorOffersTheThreeOpponentsInTheirFrames) {
    whileOpen([this] {
        EXPECT_EQ(dialog["Label3"].caption, "Jogar contra...");
        EXPECT_FALSE(dialog["Label2"].visible);
        EXPECT_TRUE(dialog["Label4"].visible);
        for (const auto& [plain, lit, top, bevel, bevelLeft, bevelTop] :
             {std::tuple{"img_colega", "img_colega2", 32, "Bevel1", 14, 28},
              std::tuple{"img_individual", "img_individual2", 67, "Bevel2", 15, 63},
              std::tuple{"img_computador", "img_computador2", 101, "Bevel3", 15, 98}}) {
            EXPECT_TRUE(dialog[plain].visible) << plain;
            EXPECT_EQ(dialog[plain].bounds.left, 17) << plain;
            EXPECT_EQ(dialog[plain].bounds.top, top) << plain;
            EXPECT_EQ(dialog[lit].bounds, dialog[plain].bounds) << lit;
            EXPECT_TRUE(dialog[bevel].visible) << bevel;
            EXPECT_EQ(dialog[bevel].bounds.left, bevelLeft) << bevel;
            EXPECT_EQ(dialog[bevel].bounds.top, bevelTop) << bevel;
        }
        for (const char* hidden : {"img_3min", "img_2min", "img_1min", "img_045seg", "Panel1"})
            EXPECT_FALSE(dialog[hidden].visible) << hidden;
    });
    game.definir.BitBtn2Click();
    EXPECT_EQ(s.DefinirFromButton, kNao);
    EXPECT_EQ(s.DefinirAsksTime, 0);
}

// Plain functions: member pointers in tables trip the undefined-behaviour checker.
void click3min(GameDefinition& d) {
    d.img_3min_2Click();
}
void click2min(GameDefinition& d) {
    d.img_2min_2Click();
}
void click1min(GameDefinition& d) {
    d.img_1min_2Click();
}
void click045(GameDefinition& d) {
    d.img_045seg_2Click();
}

struct TimeRow {
    const char* name;
    void (*click)(GameDefinition&);
    int limit, minutes, seconds;
    bool setsClock;
    bool marksChanged;
    bool MenuMarks::*entry;
};

class TimeChoice : public Definir, public ::testing::WithParamInterface<TimeRow> {};

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
        const MenuMarks& m = game.view.menu;
        EXPECT_EQ(int(m.time3min) + m.time2min + m.time1min + m.time45s, 1);
        EXPECT_TRUE(game.view.menu.*row.entry);
        EXPECT_FALSE(dialog.isOpen());
    }
    EXPECT_EQ(cues.count("soundOp"), 2);
}

INSTANTIATE_TEST_SUITE_P(
    FourTimes, TimeChoice,
    ::testing::Values(TimeRow{"3:00", click3min, 180, 3, 0, true, false, &MenuMarks::time3min},
                      TimeRow{"2:00", click2min, 120, 2, 0, false, true, &MenuMarks::time2min},
                      TimeRow{"1:00", click1min, 60, 1, 0, true, true, &MenuMarks::time1min},
                      TimeRow{"0:45", click045, 45, 0, 45, true, true, &MenuMarks::time45s}));

TEST_F(Definir, EveryChoiceIsRefusedWhileAMatchRunsAndTheDialogCloses) {
    startMatch();
    s.TimeLimitSeconds = 180;
    s.OpponentMode = mode::kIndividual;
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
    EXPECT_EQ(s.OpponentMode, mode::kIndividual);
    EXPECT_EQ(s.RivalKind, "");
}

TEST_F(Definir, OpeningNeverRenamesTheSecondPerson) {
    s.OpponentMode = mode::kOneAfterOther;
    s.PlayerName2 = "Caio";
    whileOpen([] {});
    game.definir.BitBtn1Click();
    game.definir.BitBtn2Click();
    EXPECT_EQ(s.PlayerName2, "Caio");
    EXPECT_EQ(s.LevelCode, "");
}

TEST_F(Definir, AgainstTheComputerOpeningKeepsTheLevelInForce) {
    s.OpponentMode = mode::kOneBoard;
    s.RivalKind = "computer";
    game.computer.applyLevel(3);
    whileOpen([this] { EXPECT_EQ(dialog.selectedLevel(), 3); });
    game.definir.BitBtn1Click();
    dialog.FormActivate(); // again, as after a box shown over the dialog
    EXPECT_EQ(s.LevelCode, "SUP");
    EXPECT_EQ(s.PlayerName2, "Computador Sup");
}

TEST_F(Definir, TheComputerPictureKeepsTheDialogOpenWithItsLevelPanel) {
    whileOpen([this] {
        ports.dialogs.type("Dora");
        dialog.img_1min_2Click();
        EXPECT_TRUE(dialog.isOpen());
        EXPECT_TRUE(dialog["Panel1"].visible);
        EXPECT_EQ(dialog["Panel1"].bounds.left, 0);
        EXPECT_EQ(dialog["Panel1"].bounds.top, 0);
        EXPECT_EQ(s.PlayerName2, "Computador Sab");
        dialog.opcaoClick(2);
        dialog.Button3Click();
    });
    game.definir.BitBtn2Click();
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(s.DefinirFromButton, "");
    EXPECT_EQ(s.OpponentMode, mode::kOneBoard);
    EXPECT_EQ(s.RivalKind, "computer");
    EXPECT_EQ(s.PlayerName1, "Dora");
    EXPECT_EQ(s.LevelCode, "INT");
    EXPECT_EQ(s.PlayerName2, "Computador Int");
    EXPECT_EQ(s.LevelAttempts, (std::array<int, 3>{4, 7, 10}));
    int windows = 0;
    for (const ShownBox& box : ports.dialogs.shown())
        windows += box.type == ShownBox::Type::Window ? 1 : 0;
    EXPECT_EQ(windows, 1) << "no second dialog over the open one";
    // "Jogador", the computer picture and "&OK" each confirm once, and nothing else sounds.
    EXPECT_EQ(cues.played, (std::vector<std::string>{"soundOp", "soundOp", "soundOp"}));
}

TEST_F(Definir, ComputadorAfterJogadorClosedWithoutOkOpensTheDialog) {
    whileOpen([this] { dialog.close(); });
    game.definir.BitBtn2Click();
    ASSERT_EQ(s.DefinirFromButton, kNao);
    bool panelShown = false;
    whileOpen([&] {
        panelShown = dialog["Panel1"].visible && dialog["Panel1"].bounds.left == 0;
        dialog.Button3Click();
    });
    ports.dialogs.type("Edu");
    game.computer.onPlayComputer();
    EXPECT_EQ(ports.dialogs.last().window, ModalWindow::GameDefinition);
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(s.RivalKind, "computer");
    EXPECT_EQ(s.PlayerName2, "Computador Sab");
}

TEST_F(Definir, TwoPeopleOpensTheNamesAndAloneAsksTheName) {
    game.Timer3.setInterval(250);
    ports.dialogs.onWindow(ModalWindow::PlayerNames, [this] {
        PlayerNamesRules names(game);
        names.FormActivate();
        names.Edit1 = "Rui";
        names.Edit2 = "Zé";
        names.Button1Click();
    });
    dialog.create(false);
    dialog.img_3min_2Click();
    EXPECT_EQ(ports.dialogs.last().window, ModalWindow::PlayerNames);
    EXPECT_EQ(s.PlayerCount, 2);
    EXPECT_EQ(s.SettingsChanged, 1);
    EXPECT_TRUE(game.view.menu.playWithFriend);
    EXPECT_FALSE(dialog.isOpen());

    s.SettingsChanged = 0;
    dialog.create(false);
    ports.dialogs.type("Gil");
    dialog.img_2min_2Click();
    EXPECT_EQ(ports.dialogs.last().caption, "Definir jogador");
    EXPECT_EQ(s.PlayerName1, "Gil");
    EXPECT_EQ(s.OpponentMode, mode::kIndividual);
    EXPECT_EQ(s.PlayerCount, 1);
    EXPECT_EQ(s.SettingsChanged, 1);
    EXPECT_FALSE(game.Timer3.running());
    EXPECT_TRUE(game.view.menu.playAlone);
    EXPECT_FALSE(dialog.isOpen());
    // The names window's "&OK " and the one-player picture confirm once each.
    EXPECT_EQ(cues.played, (std::vector<std::string>{"soundOp", "soundOp"}));
}

} // namespace
} // namespace qv::test
