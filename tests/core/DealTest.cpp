#include "figures/CategoryChoice.h"
#include "platform/JpegDecoder.h"
#include "tests/fakes/JpegSamples.h"
#include "tests/fakes/MatchDriver.h"
#include "tests/fakes/RecordingCues.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace qv::test {
namespace {

std::map<int, int> figureCounts(const Game& game) {
    std::map<int, int> counts;
    for (int k = 1; k <= game.state.BlockCount; ++k)
        counts[game.state.SlotFigure[static_cast<std::size_t>(k)].holder] += 1;
    return counts;
}

TEST(Deal, TwentyFourBlocksHoldEachOfTheTwelveFiguresTwice) {
    MatchDriver d;
    d.start();
    const auto counts = figureCounts(d.game);
    ASSERT_EQ(counts.size(), 12u);
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(counts.at(holders::figure(0, n).holder), 2) << "figure " << n;
    for (int k = 1; k <= 24; ++k) {
        EXPECT_EQ(d.game.view.face(k).picture,
                  d.game.state.SlotFigure[static_cast<std::size_t>(k)]);
        EXPECT_TRUE(d.game.view.cover(k).visible && d.game.view.cover(k).enabled);
    }
}

TEST(Deal, SixteenBlocksUseFiguresOneToEightInTwoRows) {
    MatchDriver d;
    d.game.settings.onSixteenBlocks();
    d.start();
    const auto counts = figureCounts(d.game);
    ASSERT_EQ(counts.size(), 8u);
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(counts.at(holders::figure(0, n).holder), 2) << "figure " << n;
    for (int k = 17; k <= 24; ++k)
        EXPECT_FALSE(d.game.view.cover(k).visible || d.game.view.face(k).visible ||
                     d.game.view.frame(k).visible);

    // A following 24-block match shows row three again.
    d.ports.dialogs.answer(Answer::Yes);
    d.game.clock.onStop();
    d.game.settings.onTwentyFourBlocks();
    d.start();
    EXPECT_TRUE(d.game.view.cover(24).visible && d.game.view.face(17).visible);
}

TEST(Deal, NarrowScreenSixteenBlocksShrinksTheWindowAndTwentyFourGrowsIt) {
    MatchDriver narrow({640, 480});
    narrow.game.settings.onSixteenBlocks();
    narrow.start();
    EXPECT_EQ(narrow.game.view.form.clientHeight + 45, 373);
    narrow.game.timers.matchTick.stop();
    narrow.game.settings.onTwentyFourBlocks();
    narrow.start();
    EXPECT_EQ(narrow.game.view.form.clientHeight + 45, 445);
}

TEST(Deal, TwoDealsGiveDifferentArrangements) {
    MatchDriver d;
    d.start();
    const auto first = d.game.state.SlotFigure;
    d.game.timers.matchTick.stop();
    d.wait(1234); // another time of day, another seed
    d.start();
    EXPECT_NE(first, d.game.state.SlotFigure);
}

TEST(Deal, FacesStayCollapsedUntilTheFirstTick) {
    MatchDriver d;
    d.game.deal.onPlay();
    for (int k = 1; k <= 24; ++k)
        EXPECT_EQ(d.game.view.face(k).bounds.width, 0) << "the arrangement shows during the deal";
    EXPECT_EQ(d.game.state.BoardShrunk, 1);
    d.wait(100);
    for (int k = 1; k <= 24; ++k)
        EXPECT_EQ(d.game.view.face(k).bounds.width, 66);
    EXPECT_EQ(d.game.state.BoardShrunk, 0);
}

TEST(Deal, StartDuringAMatchIsRefusedAndLeavesBoardAndClock) {
    MatchDriver d;
    d.start();
    d.wait(5000);
    const auto board = d.game.state.SlotFigure;
    const std::string clock = d.label(Role::Clock).caption;
    d.ports.dialogs.clear();
    d.game.deal.onStart();
    ASSERT_EQ(d.ports.dialogs.shown().size(), 1u);
    EXPECT_EQ(d.ports.dialogs.last().type, ShownBox::Type::Plain);
    EXPECT_EQ(d.ports.dialogs.last().text,
              "Partida está em andamento, para reiniciar, antes clique em PARAR.");
    EXPECT_EQ(d.game.state.SlotFigure, board);
    EXPECT_EQ(d.label(Role::Clock).caption, clock);
    EXPECT_EQ(d.game.state.Phase, MatchPhase::Playing);
}

TEST(Deal, JogarClearsTheComputersMemoryButIniciarDoesNot) {
    MatchDriver d;
    d.game.state.SlotSeen[5] = 1;
    d.game.deal.onStart();
    EXPECT_EQ(d.game.state.SlotSeen[5], 1);
    d.game.timers.matchTick.stop();
    d.game.deal.onPlay();
    EXPECT_EQ(d.game.state.SlotSeen[5], 0);
    EXPECT_EQ(d.game.view.focus, Role::FocusHolder);
}

// The end display plays its sound once per match: every deal makes it due again.
TEST(Deal, EveryMatchPlaysItsOwnEndSound) {
    MatchDriver d;
    RecordingCues cues;
    d.game.setSound(cues);
    for (int match = 1; match <= 3; ++match) {
        d.start();
        EXPECT_FALSE(d.game.timers.endAnimation.running()) << "match " << match;
        EXPECT_FALSE(d.label(Role::WinnerCaption).visible) << "match " << match;
        for (const auto& pair : d.pairs())
            d.findPair(pair);
        d.wait(100 + 250 * 30); // the board found cleared, then a whole loop of the display
        EXPECT_EQ(cues.count("victory"), match);
    }
}

class PhotoDeal : public ::testing::Test {
protected:
    MatchDriver d;
    void SetUp() override {
        std::filesystem::create_directories(folder());
        d.game.state.FigureCategory = "Personaliz";
    }
    std::filesystem::path folder() const { return d.ports.paths.photoFolder(); }
    void writePhoto(const std::string& name, int shade) {
        const auto level = static_cast<std::uint8_t>(shade);
        const auto jpeg = encodeJpeg(solidImage(40, 30, {level, 90, 200}));
        ASSERT_TRUE(writeBytes(folder() / name, jpeg));
    }
    void writeTwelve() {
        for (int n = 1; n <= 12; ++n)
            writePhoto("Foto" + std::to_string(n) + ".jpg", n * 20);
    }
    static const char* warning() {
        return "ATENÇÃO,\n\nVocê optou por usar figuras personalizada.\n\nO processo de mistura "
               "dos blocos pode demorar, AGUARDE até que todas os blocos recebam suas figuras "
               "e parem de Piscar.\n\nPara que esta etapa do jogo torne-se mais rápida, "
               "recomendamos o máximo de 50KB p/ cada arquivo das imagens exportadas em JPG.";
    }
};

TEST_F(PhotoDeal, TwelvePhotosAreDealtAtTheFaceSize) {
    writeTwelve();
    std::filesystem::rename(folder() / "Foto3.jpg", folder() / "foto3.Jpg");
    std::filesystem::rename(folder() / "Foto4.jpg", folder() / "FOTO4.JPG");
    d.start();
    EXPECT_EQ(d.ports.dialogs.shown().size(), 1u) << "only the photo warning";
    EXPECT_EQ(d.ports.dialogs.last().text, warning());
    EXPECT_EQ(d.game.state.FigureCategory, "Personaliz");
    const auto counts = figureCounts(d.game);
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(counts.at(holders::figure(4, n).holder), 2);
        const Image& photo = d.game.photos.holders[static_cast<std::size_t>(n)];
        EXPECT_EQ(photo.width, 66);
        EXPECT_EQ(photo.height, 66);
    }
}

TEST_F(PhotoDeal, MissingPhotoNamesItsPathAndFallsBackToFiguras1ForGood) {
    writeTwelve();
    std::filesystem::remove(folder() / "Foto7.jpg");
    d.start();
    const ShownBox& box = d.ports.dialogs.last();
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text,
              "Está faltando o arquivo...: " + (folder() / "Foto7.jpg").string() +
                  "\n\nPara usar figuras personalizadas, você tem que copiar 12 imagens ou "
                  "figuras dentro da pasta " +
                  folder().string() +
                  " no formato JPEG/JPG, acesse o Menu Opções e clique em Personalizar "
                  "figuras, lá será mais prático fazer essa tarefa.\nCaso esteja faltando 1 "
                  "dos 12 arquivos de figuras ou imagens, irá provocar este erro.\n\nO jogo "
                  "será redirecionado para a categoria: FIGURAS 1");
    EXPECT_EQ(d.game.state.FigureCategory, "Figuras1");
    EXPECT_EQ(figureCounts(d.game).at(holders::figure(0, 7).holder), 2);
    EXPECT_FALSE(d.game.photos.holders[6].empty()) << "photos before the missing one stay loaded";

    d.game.timers.matchTick.stop();
    d.ports.dialogs.clear();
    d.start();
    EXPECT_TRUE(d.ports.dialogs.shown().empty()) << "no photo warning after the fall-back";
}

TEST_F(PhotoDeal, PhotoThatIsThereButCannotBeShownIsNotCalledMissing) {
    const auto jpeg = encodeJpeg(solidImage(40, 30, {10, 20, 30}));
    const struct {
        const char* what;
        std::function<void(const std::filesystem::path&)> spoil;
        const char* first;
        const char* cause;
    } cases[] = {
        {"cut in half",
         [&](const std::filesystem::path& file) {
             writeBytes(file, std::span<const std::uint8_t>(jpeg.data(), jpeg.size() / 2));
         },
         "Não foi possível ler o arquivo...: ",
         "Caso 1 dos 12 arquivos de figuras ou imagens esteja danificado ou não seja JPEG/JPG, "
         "irá provocar este erro."},
        {"beyond the file budget",
         [](const std::filesystem::path& file) {
             std::filesystem::resize_file(file, kMaxJpegFileBytes + 1);
         },
         "O arquivo é grande demais...: ",
         "Caso 1 dos 12 arquivos de figuras ou imagens seja grande demais, irá provocar este "
         "erro."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        d.game.timers.matchTick.stop();
        d.game.state.FigureCategory = "Personaliz";
        writeTwelve();
        c.spoil(folder() / "Foto2.jpg");
        d.start();
        const std::string& text = d.ports.dialogs.last().text;
        EXPECT_EQ(text.rfind(c.first + (folder() / "Foto2.jpg").string() + "\n\n", 0), 0u) << text;
        EXPECT_NE(text.find(c.cause), std::string::npos) << text;
        EXPECT_EQ(d.game.state.FigureCategory, "Figuras1");
    }
}

TEST_F(PhotoDeal, MissingFolderFallsBackLikeAMissingFirstPhoto) {
    std::filesystem::remove_all(folder());
    d.start();
    EXPECT_EQ(d.ports.dialogs.last().caption, "Error");
    EXPECT_EQ(d.game.state.FigureCategory, "Figuras1");
}

TEST_F(PhotoDeal, MatchStoppedBeforeItsFirstTickKeepsTheFaceWidth) {
    writeTwelve();
    d.game.deal.onPlay();
    const int width = d.game.state.FaceWidth;
    ASSERT_GT(width, 0);
    d.game.timers.matchTick.stop(); // before the first tick gave the faces back their width
    d.game.deal.onPlay();
    EXPECT_EQ(d.game.state.FaceWidth, width);
    EXPECT_EQ(d.game.photos.holders[1].width, 66) << "photos at the face size, not the full size";
    d.wait(100);
    EXPECT_EQ(d.game.view.face(1).bounds.width, width);
}

TEST_F(PhotoDeal, ChoosingOwnPhotosDecodesThemBeforeTheDeal) {
    writeTwelve();
    d.game.state.FigureCategory = "Figuras1";
    chooseCategory(d.game.state, d.game.sound(), d.game.deal, "Personaliz");
    EXPECT_EQ(d.game.state.FigureCategory, "Personaliz");
    d.game.photos.loader.waitForPreload();
    EXPECT_EQ(d.game.photos.loader.stats().decodes, 12u);
    d.start();
    EXPECT_EQ(d.game.photos.loader.stats().decodes, 12u) << "the deal found them ready";
    EXPECT_EQ(d.game.photos.loader.stats().hits, 12u);
    EXPECT_EQ(d.game.photos.holders[12].width, 66);
}

TEST_F(PhotoDeal, DealWhilePhotosAreLoadingDecodesNoneTwice) {
    writeTwelve();
    for (int round = 1; round <= 5; ++round) {
        d.game.timers.matchTick.stop();
        d.game.photos.loader.clearCache();
        const auto before = d.game.photos.loader.stats().decodes;
        chooseCategory(d.game.state, d.game.sound(), d.game.deal, "Personaliz");
        d.start(); // at once, while the background load runs
        d.game.photos.loader.waitForPreload();
        EXPECT_EQ(d.game.photos.loader.stats().decodes - before, 12u) << "round " << round;
        EXPECT_EQ(d.game.state.FigureCategory, "Personaliz");
    }
}

} // namespace
} // namespace qv::test
