#include "tests/core/RecordsFixture.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

TEST_F(RecordsGame, FirstLoadCreatesBothFilesWithTheDefaultsAndShowsThem) {
    EXPECT_EQ(records.view["bestScorePlace1Name"], "Jogador 1")
        << "the design's caption until a load";
    const int before = records.view.generation();
    loadBoth();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(scores(), records::defaultRecordsFile());
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
    EXPECT_EQ(folder(), (Names{"qvane.dat", "qvane2.dat"}));
    EXPECT_EQ(records.view.generation(), before + 2);

    struct Expected {
        RecordTable table;
        const char* name;
        const char* third;
    };
    for (const Expected& e : {Expected{RecordTable::BestScore, "Sem Record", "00:00"},
                              Expected{RecordTable::BestTime, "Sem Recordet", "00:00"},
                              Expected{RecordTable::VersusGifted, "Sem Record", "0000"},
                              Expected{RecordTable::VersusIntelligent, "Sem Record", "0000"}}) {
        for (int place = 1; place <= 5; ++place) {
            const RecordRowLabels row = RecordsView::row(e.table, place);
            EXPECT_EQ(records.view[row.name], e.name) << row.name;
            EXPECT_EQ(records.view[row.points], "0000") << row.points;
            EXPECT_EQ(records.view[row.third], e.third) << row.third;
            EXPECT_EQ(records.view[row.category], "--") << row.category;
        }
    }
}

TEST_F(RecordsMatch, SixteenBlockMatchesChangeNothingAndShowNothing) {
    loadBoth();
    d.game.settings.onSixteenBlocks();
    dialogs.clear();
    s.PlayerName1 = "Ana";
    d.start();
    for (const auto& pair : d.pairs())
        d.findPair(pair);
    d.wait(100);
    ASSERT_FALSE(d.game.matchInProgress());
    offerWin(&Records::offerWinVersusGifted, "Ana", 1200, "0");
    offerWin(&Records::offerWinVersusIntelligent, "Ana", 1200, "0");
    EXPECT_EQ(texts(), Names{});
    EXPECT_EQ(scores(), records::defaultRecordsFile());
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
}

TEST_F(RecordsGame, TheMatchClockStopsEvenWhenTheMatchDoesNotCount) {
    loadBoth();
    s.RecordsSettled = 1;
    parts.timers.matchTick.setInterval(100);
    records.offerRecord();
    EXPECT_FALSE(parts.timers.matchTick.running());
}

TEST_F(RecordsMatch, ZeroPointsOnAFreshFileEnterOnlyTheBestTimes) {
    loadBoth();
    d.start();
    for (int n = 0; n < 72; ++n) // 72 misses cost the 1800 points of the board
        d.missOnce();
    for (const auto& pair : d.pairs())
        d.findPair(pair);
    d.wait(100);
    ASSERT_LT(s.ElapsedSeconds, 180);
    EXPECT_EQ(texts(), (Names{"perdeu por não ter feito nenhum ponto positivo!", kAlsoBestTime}))
        << "the placeholder name counts as a name here";
    const std::string bytes = scores();
    EXPECT_EQ(bytes.substr(0, 325), records::defaultRecordsFile().substr(0, 325));
    const RecordEntry first = scoreAt(5);
    EXPECT_EQ(first.name, "INDIVIDUAL");
    EXPECT_EQ(first.points, "0");
    EXPECT_EQ(first.seconds, std::to_string(s.ElapsedSeconds));
    EXPECT_EQ(first.time, d.label(Role::Player1Time).caption);
    EXPECT_EQ(first.category, "Figuras1");
    for (std::size_t k = 6; k < 10; ++k)
        EXPECT_EQ(scoreAt(k), kNoTime);
    EXPECT_EQ(records.view["bestTimePlace1Name"], "INDIVIDUAL");
    EXPECT_EQ(s.RecordsSettled, 1);
}

TEST_F(RecordsGame, EqualPointsAndSecondsLeaveTheOlderEntryFirst) {
    install(scoresFile({scoreEntry("Ana", 1500, 60), scoreEntry("Bia", 1000, 50)},
                       {scoreEntry("Ana", 1500, 60)}),
            versusFile({}, {}));
    s.OpponentMode = PlayMode::OneAfterOther;
    offer("Caio", 1500, 60);
    EXPECT_EQ(texts(), (Names{kHigherScore, kAlsoBestTime}));
    EXPECT_EQ(scoreAt(0).name, "Ana");
    EXPECT_EQ(scoreAt(1).name, "Caio");
    EXPECT_EQ(scoreAt(2).name, "Bia");
    EXPECT_EQ(scoreAt(5).name, "Ana");
    EXPECT_EQ(scoreAt(6).name, "Caio");
    EXPECT_EQ(records.view["bestScorePlace2Name"], "Caio");
    EXPECT_EQ(records.view["bestTimePlace2Name"], "Caio");
}

TEST_F(RecordsGame, EqualPointsInLessTimeGoFirst) {
    install(scoresFile({scoreEntry("Ana", 1500, 60)}, {scoreEntry("Ana", 1500, 60)}),
            versusFile({}, {}));
    s.OpponentMode = PlayMode::OneAfterOther;
    offer("Caio", 1500, 59);
    EXPECT_EQ(texts(), (Names{kTieFaster, kAlsoBestTime}));
    EXPECT_EQ(scoreAt(0).name, "Caio");
    EXPECT_EQ(scoreAt(1).name, "Ana");
    EXPECT_EQ(scoreAt(5).name, "Caio");
    EXPECT_EQ(records.view["bestScorePlace1Name"], "Caio");
}

TEST_F(RecordsGame, EqualSecondsWithMorePointsGoFirstAmongTheBestTimes) {
    install(
        scoresFile({scoreEntry("X", 1800, 1), scoreEntry("X", 1800, 1), scoreEntry("X", 1800, 1),
                    scoreEntry("X", 1800, 1), scoreEntry("X", 1800, 1)},
                   {scoreEntry("Ana", 1500, 60)}),
        versusFile({}, {}));
    offer("Caio", 1550, 60);
    EXPECT_EQ(texts(), Names{kAlsoBestTime});
    EXPECT_EQ(scoreAt(5).name, "Caio");
    EXPECT_EQ(scoreAt(6).name, "Ana");
}

TEST_F(RecordsGame, EntriesBelowANewRecordMoveDownAsTheyAreAndTheLastOneDrops) {
    // Bytes behind each text's length are left as other programs wrote them.
    std::vector<std::string> old;
    for (int k = 0; k < 10; ++k) {
        std::string entry =
            records::encodeEntry(k < 5 ? scoreEntry("P" + std::to_string(k), 1500 - 100 * k, 100)
                                       : scoreEntry("T" + std::to_string(k), 1, 20 + 10 * k));
        entry[64] = static_cast<char>('a' + k);
        old.push_back(entry);
    }
    const auto join = [](const std::vector<std::string>& entries) {
        std::string all;
        for (const auto& p : entries)
            all += p;
        return all;
    };
    struct Case {
        const char* what;
        int points;
        int seconds;
        std::size_t scorePlace; ///< 5: none
        std::size_t timePlace;  ///< 10: none
    };
    for (const Case& c :
         {Case{"fifth place only", 1150, 179, 4, 10}, Case{"first place only", 1600, 179, 0, 10},
          Case{"fastest only", 100, 10, 5, 5}, Case{"fifth fastest", 100, 105, 5, 9}}) {
        SCOPED_TRACE(c.what);
        install(join(old), versusFile({}, {}));
        s.OpponentMode = PlayMode::OneAfterOther;
        offer("Novo", c.points, c.seconds);
        std::vector<std::string> expected = old;
        const std::string fresh = records::encodeEntry(
            RecordEntry{"Novo", std::to_string(c.points), scoreEntry("", c.points, c.seconds).time,
                        "Figuras1", std::to_string(c.seconds)});
        if (c.scorePlace < 5) {
            expected.erase(expected.begin() + 4);
            expected.insert(expected.begin() + static_cast<long>(c.scorePlace), fresh);
        }
        if (c.timePlace < 10) {
            expected.erase(expected.begin() + 9);
            expected.insert(expected.begin() + static_cast<long>(c.timePlace), fresh);
        }
        EXPECT_EQ(scores(), join(expected));
    }
}

struct Announcement {
    const char* what;
    PlayMode mode;
    std::string name;
    std::vector<std::optional<std::string>> typed;
    std::vector<RecordEntry> best; ///< the best-score table before
    int points;
    Names boxes;
    std::string scoreHolder; ///< the name at the first best-score place afterwards
    std::string timeHolder;
};

TEST_F(RecordsGame, NamesAreAnnouncedOrAskedOnce) {
    const std::vector<RecordEntry> unbeatable(5, scoreEntry("X", 1800, 1));
    const std::vector<RecordEntry> tie = {scoreEntry("X", 1500, 100)};
    const Announcement cases[] = {
        {"named player, only a best time",
         PlayMode::Alone,
         "Ana",
         {},
         unbeatable,
         1500,
         Names{kAlsoBestTime},
         "X",
         "Ana"},
        {"unnamed player, best score",
         PlayMode::Alone,
         "INDIVIDUAL",
         {"Zé"},
         {},
         1500,
         Names{"input: Parabéns! Record de Melhor Ponto!", kAlsoBestTime},
         "Zé",
         "Zé"},
        {"unnamed player, tie in less time",
         PlayMode::Alone,
         "INDIVIDUAL",
         {"Zé"},
         tie,
         1500,
         Names{"input: Parabéns! Record de Maior Ponto!", kAlsoBestTime},
         "Zé",
         "Zé"},
        {"unnamed player cancels, is asked again",
         PlayMode::Alone,
         "INDIVIDUAL",
         {std::nullopt, "Lu"},
         {},
         1500,
         Names{"input: Parabéns! Record de Melhor Ponto!",
               "input: PARABÉNS!Record de MELHOR TEMPO!"},
         "",
         "Lu"},
        {"a player of a series without a name",
         PlayMode::OneAfterOther,
         "",
         {},
         unbeatable,
         1500,
         Names{kBestTime},
         "X",
         ""},
        {"a player of a series",
         PlayMode::OneAfterOther,
         "Bia",
         {},
         {},
         1500,
         Names{kHigherScore, kAlsoBestTime},
         "Bia",
         "Bia"},
    };
    for (const Announcement& c : cases) {
        SCOPED_TRACE(c.what);
        install(scoresFile(c.best, {}), versusFile({}, {}));
        s.OpponentMode = c.mode;
        for (const auto& answer : c.typed) {
            if (answer)
                dialogs.type(*answer);
            else
                dialogs.cancelInput();
        }
        offer(c.name, c.points, 90);
        EXPECT_EQ(texts(), c.boxes);
        for (const auto& box : dialogs.shown()) {
            if (box.type == ShownBox::Type::Input) {
                EXPECT_EQ(box.text, kPrompt);
                EXPECT_EQ(box.defaultText, "");
            }
        }
        EXPECT_EQ(scoreAt(0).name, c.scoreHolder);
        EXPECT_EQ(scoreAt(5).name, c.timeHolder);
        EXPECT_EQ(s.RecordCandidateName, "") << "cleared after the best times";
        EXPECT_EQ(s.RecordsSettled, 1);
    }
}

TEST_F(RecordsGame, LongNamesAreCutToTwelveCharactersAndPortugueseLettersSurvive) {
    loadBoth();
    s.OpponentMode = PlayMode::OneAfterOther;
    s.FigureCategory = "Números";
    offer("João Conceição", 1500, 90);
    const std::string bytes = scores();
    EXPECT_EQ(bytes.substr(0, 13), std::string("\x0CJo\xE3o Concei\xE7"));
    EXPECT_EQ(bytes.substr(39, 8), std::string("\x07N\xFAmeros"));
    EXPECT_EQ(records.view["bestScorePlace1Name"], "João Conceiç");
    EXPECT_EQ(records.view["bestTimePlace1Name"], "João Conceiç");
    EXPECT_EQ(records.view["bestScorePlace1Category"], "Números");
    loadBoth();
    EXPECT_EQ(records.view["bestScorePlace1Name"], "João Conceiç");
}

TEST_F(RecordsGame, ATimeOutCanEnterTheBestScoresButNeverTheBestTimes) {
    loadBoth();
    s.OpponentMode = PlayMode::OneAfterOther;
    s.TimeLimitSeconds = 120;
    offer("Ana", 300, 120);
    EXPECT_EQ(texts(), Names{kHigherScore});
    EXPECT_EQ(scoreAt(0).name, "Ana");
    EXPECT_EQ(scores().substr(325), records::defaultRecordsFile().substr(325));
    EXPECT_EQ(s.RecordsSettled, 0);
    EXPECT_EQ(s.RecordCandidateName, "Ana");

    dialogs.clear();
    offer("Bia", 1800, 120); // cleared in the last second: not a time-out
    EXPECT_EQ(texts(), (Names{kHigherScore, kAlsoBestTime}));
    EXPECT_EQ(scoreAt(5).name, "Bia");
}

struct VersusCase {
    const char* what;
    const char* computer;
    std::size_t place;
};

TEST_F(RecordsGame, AgainstTheComputerTheLowerComputerScoreRanksHigher) {
    const ComputerRecordEntry ana{"Ana", "1200", "600", "Figuras1"};
    const ComputerRecordEntry bia{"Bia", "900", "100", "Figuras1"};
    for (const VersusCase& c : {VersusCase{"fewer computer points", "500", 0},
                                VersusCase{"equal computer points", "600", 1},
                                VersusCase{"more computer points", "700", 1}}) {
        for (bool gifted : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (gifted ? " SUP" : " INT"));
            const std::size_t first = gifted ? 0 : 5;
            install(scoresFile({}, {}),
                    gifted ? versusFile({ana, bia}, {}) : versusFile({}, {ana, bia}));
            const std::string before = versus();
            s.FigureCategory = "Símbolos";
            offerWin(gifted ? &Records::offerWinVersusGifted : &Records::offerWinVersusIntelligent,
                     "Caio", 1200, c.computer);
            EXPECT_EQ(texts(), Names{gifted ? kBeatSup : kBeatInt});
            const ComputerRecordEntry caio{"Caio", "1200", c.computer, "Símbolos"};
            std::vector<ComputerRecordEntry> table{ana, bia, kNoWin, kNoWin};
            table.insert(table.begin() + static_cast<long>(c.place), caio);
            for (std::size_t k = 0; k < 5; ++k)
                EXPECT_EQ(versusAt(first + k), table[k]) << k;
            const std::size_t other = gifted ? 5 : 0;
            EXPECT_EQ(versus().substr(52 * other, 260), before.substr(52 * other, 260));
            EXPECT_EQ(s.RecordsSettled, 1);
            const RecordRowLabels row = RecordsView::row(gifted ? RecordTable::VersusGifted
                                                                : RecordTable::VersusIntelligent,
                                                         static_cast<int>(c.place) + 1);
            EXPECT_EQ(records.view[row.name], "Caio");
            EXPECT_EQ(records.view[row.third], c.computer);
        }
    }
}

TEST_F(RecordsGame, AWinThatEntersNoTableStillSettlesTheMatch) {
    const std::vector<ComputerRecordEntry> full(5, ComputerRecordEntry{"X", "1500", "0", "--"});
    install(scoresFile({}, {}), versusFile(full, full));
    const std::string before = versus();
    offerWin(&Records::offerWinVersusGifted, "Caio", 1200, "0");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(versus(), before);
    EXPECT_EQ(s.RecordsSettled, 1);
    EXPECT_EQ(s.RecordCandidateName, "Caio");
    offerWin(&Records::offerWinVersusIntelligent, "Caio", 1800, "0");
    EXPECT_EQ(texts(), Names{kBeatInt});
}

TEST_F(RecordsGame, ASettledMatchIsNotOfferedAgain) {
    loadBoth();
    s.OpponentMode = PlayMode::OneAfterOther;
    offer("Ana", 1500, 90);
    dialogs.clear();
    const std::string before = scores();
    s.RecordCandidateName = "Ana";
    records.offerRecord();
    records.offerWinVersusGifted();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(scores(), before);
}

class Reset : public RecordsGame {
protected:
    void SetUp() override {
        RecordsGame::SetUp();
        install(scoresFile({scoreEntry("Ana", 1500, 60)}, {}),
                versusFile({{"Bia", "1200", "300", "--"}}, {}));
    }
    void zerar(Answer answer) {
        dialogs.answer(answer);
        records.resetClick();
    }
};

TEST_F(Reset, AskingFirstAndNoChangesNothing) {
    const std::string scoreBefore = scores();
    const std::string versusBefore = versus();
    zerar(Answer::No);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const ShownBox& question = dialogs.shown()[0];
    EXPECT_EQ(question.type, ShownBox::Type::OwnCaption);
    EXPECT_EQ(question.text, "Deseja Zerar esses Records?");
    EXPECT_EQ(question.caption, "Exclusão de Records");
    EXPECT_EQ(question.icon, MessageIcon::Stop);
    EXPECT_EQ(question.buttons, Buttons::YesNoDefaultNo) << "Enter must not wipe the records";
    EXPECT_EQ(scores(), scoreBefore);
    EXPECT_EQ(versus(), versusBefore);
    EXPECT_EQ(records.view["bestScorePlace1Name"], "Ana");
}

TEST_F(Reset, YesBringsBackTheDefaults) {
    zerar(Answer::Yes);
    EXPECT_EQ(texts(), (Names{"Deseja Zerar esses Records?", "Records zerados com sucesso"}));
    EXPECT_EQ(scores(), records::defaultRecordsFile());
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
    EXPECT_EQ(records.view["bestScorePlace1Name"], "Sem Record");
    EXPECT_EQ(records.view["versusGiftedPlace1Name"], "Sem Record");
}

TEST_F(Reset, WithoutTheRecordsFileNothingElseIsTouched) {
    std::filesystem::remove(scoresPath());
    const std::string versusBefore = versus();
    zerar(Answer::Yes);
    EXPECT_EQ(texts(), (Names{"Deseja Zerar esses Records?",
                              "Para zerar você tem que abrir o jogo e vir exclusivamente para "
                              "aqui e excluir, antes de começar a jogar"}));
    EXPECT_EQ(versus(), versusBefore);
    EXPECT_FALSE(std::filesystem::exists(scoresPath()));
}

TEST_F(Reset, AMissingComputerFileMakesNoDifference) {
    std::filesystem::remove(versusPath());
    zerar(Answer::Yes);
    EXPECT_EQ(texts().back(), "Records zerados com sucesso");
    EXPECT_EQ(versus(), records::defaultComputerRecordsFile());
}

TEST_F(Reset, ADeletionThatRaisesAnErrorOrLeavesTheComputerFileIsReported) {
    const std::string scoresBefore = scores();
    const std::string versusBefore = versus();
    struct Case {
        const char* what;
        int step; // 0 removes the records file, 1 the computer file
        FaultyFileLayer::Fault fault;
    };
    for (const Case& c : {Case{"records file raises", 0, FaultyFileLayer::Fault::Throw},
                          Case{"computer file raises", 1, FaultyFileLayer::Fault::Throw},
                          Case{"computer file stays", 1, FaultyFileLayer::Fault::Fail}}) {
        SCOPED_TRACE(c.what);
        install(scoresBefore, versusBefore);
        dialogs.answer(Answer::Yes);
        files.faultAt(c.step, c.fault);
        records.resetClick();
        EXPECT_EQ(texts().back(),
                  "Houve erro ao tentar zerar o record, se persistir, contate o suporte.");
        EXPECT_EQ(versus(), versusBefore);
        EXPECT_EQ(std::filesystem::exists(scoresPath()), c.step == 0);
    }
}

} // namespace
} // namespace qv::test
