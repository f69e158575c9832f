#include "match/FigureNames.h"
#include "match/MatchNarrator.h"
#include "match/SpokenText.h"
#include "tests/fakes/BoardParts.h"
#include "tests/fakes/MatchDriver.h"

#include <gtest/gtest.h>

#include <set>

namespace qv::test {
namespace {

TEST(FigureNames, EveryBuiltInFigureHasItsOwnNameAndPhotosTheirNumber) {
    for (int category = 0; category < holders::kCategoryCount; ++category) {
        std::set<std::string> names;
        for (int n = 1; n <= holders::kFiguresPerCategory; ++n) {
            const std::string name = figureName(holders::figure(category, n));
            EXPECT_FALSE(name.empty()) << category << "/" << n;
            names.insert(name);
        }
        EXPECT_EQ(names.size(), 12u) << "two figures of category " << category << " share a name";
    }
    EXPECT_EQ(figureName(holders::figure(0, 2)), "cachorro");
    EXPECT_EQ(figureName(holders::figure(1, 1)), "coração");
    EXPECT_EQ(figureName(holders::figure(2, 7)), "número 7");
    EXPECT_EQ(figureName(holders::figure(3, 2)), "moinho de vento");
    EXPECT_EQ(figureName(holders::figure(4, 12)), "foto 12");
    EXPECT_EQ(figureName(holders::winFrame(1)), "");
    EXPECT_EQ(figureName(Picture{}), "");
}

TEST(SpokenText, ScoreBoardLabelsInWords) {
    struct Case {
        std::vector<std::pair<Role, const char*>> captions;
        Role label;
        const char* spoken;
    };
    const Case cases[] = {
        {{{Role::Player1Points, "300"}}, Role::Player1Points, "Pontos: 300"},
        {{}, Role::Player1Points, "Pontos"}, // an empty label says nothing yet
        {{{Role::Player1Name, "Ana"}, {Role::Player2Name, "Bia"}, {Role::Player1Points, "300"}},
         Role::Player1Points,
         "Pontos de Ana: 300"},
        {{{Role::Player1Name, "Ana"}, {Role::Player2Name, "Bia"}, {Role::Player2Points, "-25"}},
         Role::Player2Points,
         "Pontos de Bia: -25"},
        {{{Role::Clock, "2:59"}}, Role::Clock, "Tempo restante: 2:59"},
        {{{Role::Clock, "Livre"}}, Role::Clock, "Tempo: Livre"},
        {{{Role::Player1Name, "Ana"}}, Role::Player1Name, "1º jogador: Ana"},
        {{{Role::Player2Time, "1:05"}}, Role::Player2Time, "Tempo usado: 1:05"},
        {{{Role::TallyName1, "Ana"}, {Role::TallyWins1, "2"}},
         Role::TallyWins1,
         "Vitórias de Ana: 2"},
        {{}, Role::PointsHeading, ""},
    };
    for (const Case& c : cases) {
        MainView view;
        for (const auto& [role, caption] : c.captions)
            view[role].caption = caption;
        EXPECT_EQ(spoken::scoreLabel(view, c.label), c.spoken) << roleName(c.label);
    }
    EXPECT_EQ(spoken::closedBlock(5), "Bloco 5, fechado");
    EXPECT_EQ(spoken::openBlock(5, holders::figure(0, 2)), "Bloco 5, aberto: cachorro");
}

/// The narrator as the window makes it, on the match a test plays.
MatchNarrator narratorOf(const MatchDriver& d) {
    return {d.game.state, d.game.view, d.game.timers};
}

std::string figureAt(const MatchDriver& d, int k) {
    return figureName(d.game.state.SlotFigure[static_cast<std::size_t>(k)]);
}

/// The narrator over turning blocks and the scoring alone, a match running and
/// its start already told.
class NarratedBoard : public ::testing::Test, protected BoardParts {
protected:
    MatchNarrator narrator{state, view, timers};
    void SetUp() override {
        startMatch();
        narrator.news();
    }
    /// Clicks a block and waits until its uncovering is over.
    void turn(int position) {
        reveal.onCoverClick(position);
        ports.scheduler.advance(60);
    }
};

TEST(MatchNarrator, TellsEachTurnedBlockThePairsTheMissesAndTheEnd) {
    MatchDriver d;
    MatchNarrator narrator = narratorOf(d);
    d.start();
    EXPECT_EQ(narrator.news(), "Partida iniciada. Tempo restante: 3:00.");
    EXPECT_EQ(narrator.news(), "") << "nothing new, nothing said";

    const auto [a, b] = d.pairs().at(0);
    d.turn(a);
    EXPECT_EQ(narrator.news(), "Bloco " + std::to_string(a) + ": " + figureAt(d, a) + ".");
    d.turn(b);
    EXPECT_EQ(narrator.news(), "Bloco " + std::to_string(b) + ": " + figureAt(d, b) +
                                   ". Par encontrado! Pontos: 150.");
    d.wait(30 * 13);
    EXPECT_EQ(narrator.news(), "") << "the pair leaving the board is no news";

    const auto [x, y] = d.miss();
    d.turn(x);
    d.turn(y);
    EXPECT_EQ(narrator.news(), "Bloco " + std::to_string(x) + ": " + figureAt(d, x) + ". Bloco " +
                                   std::to_string(y) + ": " + figureAt(d, y) +
                                   ". Não é par. Pontos: 125.");
    // The same two blocks missed again are told again.
    d.wait(30 * 20);
    narrator.news();
    d.turn(x);
    d.turn(y);
    EXPECT_NE(narrator.news().find("Não é par. Pontos: 100."), std::string::npos);

    d.ports.dialogs.answer(Answer::Yes);
    d.game.clock.onStop();
    EXPECT_EQ(narrator.news(), "Partida cancelada!");
}

TEST_F(NarratedBoard, TellsWhoseTurnItIsOnASharedBoard) {
    state.OpponentMode = PlayMode::OneBoard;
    state.PlayerCount = 2;
    state.PlayerName1 = view[Role::Player1Name].caption = "Ana";
    state.PlayerName2 = view[Role::Player2Name].caption = "Bia";
    // The window asks after every event; so does this test.
    turn(1);
    narrator.news();
    turn(3);
    const std::string news = narrator.news();
    EXPECT_NE(news.find("Não é par. Pontos de Ana: -25. Vez de Bia."), std::string::npos) << news;
    ports.scheduler.advance(30 * 20);
    turn(1);
    narrator.news();
    turn(3);
    EXPECT_NE(narrator.news().find("Pontos de Bia: -25. Vez de Ana."), std::string::npos);
}

// How the match ended, as the end display leaves the window: a notice of its
// own, the loss of a game alone, or the winner's letters holding a name or a word.
TEST(MatchNarrator, TellsHowTheMatchEnded) {
    struct Case {
        const char* cancelNotice; ///< nullptr: the match was not cancelled
        bool lostAlone;
        const char* winnerLetters; ///< nullptr: no winner shown
        bool twoPlayers;
        const char* said;
    };
    const Case cases[] = {
        {"Partida cancelada!", false, nullptr, false, "Partida cancelada!"},
        {nullptr, true, nullptr, false, "Fim da partida. Você perdeu. Pontos: 300."},
        {nullptr, false, "Consegui", false, "Fim da partida. Consegui. Pontos: 300."},
        // Ten letters hold the first ten characters of a name, spaces after it.
        {nullptr, false, "Ana Clara", true,
         "Fim da partida. Vencedor: Ana Clara. Pontos de Ana Clara Souza: 300. Pontos de Bia: "
         "150."},
        {nullptr, false, "Bia", true,
         "Fim da partida. Vencedor: Bia. Pontos de Ana Clara Souza: 300. Pontos de Bia: 150."},
        {nullptr, false, "Empate", true,
         "Fim da partida. Empate. Pontos de Ana Clara Souza: 300. Pontos de Bia: 150."},
    };
    for (const Case& c : cases) {
        MatchParts p;
        MatchNarrator narrator{p.state, p.view, p.timers};
        p.timers.matchTick.setInterval(100);
        narrator.news();
        if (c.twoPlayers) {
            p.state.PlayerCount = 2;
            p.view[Role::Player1Name].caption = "Ana Clara Souza";
            p.view[Role::Player2Name].caption = "Bia";
            p.view[Role::Player2Points].caption = "150";
        }
        p.view[Role::Player1Points].caption = "300";
        p.view[Role::CancelNotice].visible = c.cancelNotice != nullptr;
        if (c.cancelNotice)
            p.view[Role::CancelNotice].caption = c.cancelNotice;
        p.state.LostAlone = c.lostAlone;
        p.view[Role::WinnerCaption].visible = c.winnerLetters != nullptr;
        const std::string word = c.winnerLetters ? c.winnerLetters : "";
        for (int n = 1; n <= 10; ++n) {
            const auto at = static_cast<std::size_t>(n - 1);
            p.view.winnerLetter(n).caption = at < word.size() ? word.substr(at, 1) : " ";
        }
        p.timers.matchTick.stop();
        EXPECT_EQ(narrator.news(), c.said);
    }
}

TEST(MatchNarrator, TellsTheEndOfAWonMatch) {
    MatchDriver d(ScreenSize{1024, 768});
    d.game.settings.onSixteenBlocks();
    MatchNarrator narrator = narratorOf(d);
    d.start();
    std::string news;
    for (const auto& pair : d.pairs()) {
        d.findPair(pair);
        news = narrator.news();
    }
    EXPECT_NE(news.find("Fim da partida. Consegui. Pontos: 1200."), std::string::npos) << news;
}

TEST(MatchNarrator, WarnsAtOneMinuteThirtyAndTenSecondsLeftWhileTheClockRunsDown) {
    struct Case {
        void (SettingsMenu::*limit)();
        bool sharedBoard;
        std::vector<int> warnings; ///< seconds left when warned
    };
    const Case cases[] = {
        {&SettingsMenu::onThreeMinutes, false, {60, 30, 10}},
        // A match of one minute starts at 1:00: the start already said so.
        {&SettingsMenu::onOneMinute, false, {30, 10}},
        {&SettingsMenu::onFortyFiveSeconds, false, {30, 10}},
        // On a shared board the clock reads "Livre" and never runs down.
        {&SettingsMenu::onThreeMinutes, true, {}},
    };
    for (const Case& c : cases) {
        for (const bool jittery : {false, true}) {
            MatchDriver d;
            (d.game.settings.*c.limit)();
            if (c.sharedBoard) {
                d.game.state.OpponentMode = PlayMode::OneBoard;
                d.game.state.PlayerCount = 2;
            }
            if (jittery)
                d.ports.scheduler.firePrecisely(11);
            MatchNarrator narrator = narratorOf(d);
            std::vector<int> warned;
            // Asked after every tick, as the window does.
            d.ports.scheduler.setAfterEvent([&] {
                const std::string news = narrator.news();
                const std::string prefix = "Atenção! Tempo restante: 0:";
                if (news.rfind("Atenção! Tempo restante: 1:00.", 0) == 0)
                    warned.push_back(60);
                else if (news.rfind(prefix, 0) == 0)
                    warned.push_back(std::stoi(news.substr(prefix.size(), 2)));
                else
                    EXPECT_EQ(news.find("Atenção"), std::string::npos) << news;
            });
            d.start();
            d.wait(181 * 1000);
            EXPECT_EQ(d.game.matchInProgress(), c.sharedBoard) << "only a running clock ends it";
            ASSERT_EQ(warned.size(), c.warnings.size()) << jittery;
            for (std::size_t i = 0; i < warned.size(); ++i) {
                // A stalled loop may show the second after; never one before.
                EXPECT_LE(warned[i], c.warnings[i]) << jittery;
                EXPECT_GE(warned[i], jittery ? c.warnings[i] - 1 : c.warnings[i]);
            }
        }
    }
}

TEST_F(NarratedBoard, KeepsTheComputersHiddenTestsToItself) {
    state.ComputerMoving = 1;
    state.ComputerAttempt = 1;
    state.AttemptLimit = 3;
    turn(1);
    turn(3);
    EXPECT_EQ(narrator.news(), "");
}

} // namespace
} // namespace qv::test
