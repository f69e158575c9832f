#include "match/Deal.h"

#include "match/EndDisplay.h"
#include "match/MatchClock.h"
#include "match/WindowLayout.h"

#include <cstdint>

namespace qv {

namespace {

int categoryIndex(const std::string& category) {
    if (category == category::kSimbolos)
        return 1;
    if (category == category::kNumeros)
        return 2;
    if (category == category::kFiguras2)
        return 3;
    if (category == category::kPersonaliz)
        return 4;
    return 0;
}

} // namespace

void Deal::onStart() {
    MatchState& s = m_state;
    MainView& v = m_view;
    m_sound.stopWave();
    s.ClickArmed = true;
    v[Role::CancelNotice].visible = false;
    if (m_timers.matchInProgress()) {
        m_ports.dialogs.showMessage(
            "Partida está em andamento, para reiniciar, antes clique em PARAR.");
        return;
    }
    v[Role::PlayButton].color = colors::kGray158;
    if (s.FigureCategory == category::kPersonaliz) {
        m_ports.dialogs.showMessage(
            "ATENÇÃO,\n\nVocê optou por usar figuras personalizada.\n\nO processo de mistura dos "
            "blocos pode demorar, AGUARDE até que todas os blocos recebam suas figuras e parem "
            "de Piscar.\n\nPara que esta etapa do jogo torne-se mais rápida, recomendamos o "
            "máximo de 50KB p/ cada arquivo das imagens exportadas em JPG.");
    }
    s.EndAnimInterval = 250;
    m_timers.endAnimation.stop();
    m_endDisplay.clearResult();
    // A pair still waiting to close or leave belongs to the old board: left
    // pending, it would hide two faces of the new deal.
    s.ClickCount = 0;
    s.Try = TryState::None;
    m_timers.revealPause.stop();
    s.WaitTicks = 0;
    v[Role::ClockCaption].visible = true;
    s.EndAnimFrame = 0;
    s.LetterStep = 0;
    s.LostAlone = false;
    v[Role::Clock].visible = true;
    s.RecordsSettled = 0;
    s.EndSoundState = EndSound::Due;
    v[Role::ResultText].caption.clear();
    m_clock.applySettingsStep();

    shuffleBoard();
    s.Phase = MatchPhase::Starting;
    m_view.setCoversEnabled(true);
    for (int k = 1; k <= 16; ++k) {
        v.cover(k).visible = true;
        v.face(k).visible = true;
    }
    applyBoardLayout(v, s.BlockCount, m_screen.width);
    showRowThree(v, s.BlockCount == 24);
    m_clock.prepareAndStart();
}

void Deal::onPlay() {
    onStart();
    m_view.focus = Role::FocusHolder;
    m_state.SlotSeen.fill(0);
}

void Deal::shuffleBoard() {
    MatchState& s = m_state;
    const int n = s.BlockCount;
    m_ports.random.seed(static_cast<std::uint32_t>(m_ports.clock.millisecondsSinceMidnight()));
    collapseFaces();
    fillPairDeck();
    s.BoardPoints = 0;

    // Rejection sampling of N distinct positions: draws of 0 and repeats are thrown away.
    std::array<int, 25> position{};
    std::array<bool, 25> taken{};
    for (int k = 1; k <= n; ++k) {
        int r = 0;
        do {
            r = m_ports.random.below(n + 1);
        } while (r == 0 || taken[static_cast<std::size_t>(r)]);
        taken[static_cast<std::size_t>(r)] = true;
        position[static_cast<std::size_t>(k)] = r;
    }
    for (int k = 1; k <= n; ++k) {
        s.SlotFigure[static_cast<std::size_t>(position[static_cast<std::size_t>(k)])] =
            s.PairDeck[static_cast<std::size_t>(k)];
    }
    for (int k = 1; k <= n; ++k)
        m_view.face(k).picture = s.SlotFigure[static_cast<std::size_t>(k)];
}

void Deal::fillPairDeck() {
    MatchState& s = m_state;
    chooseFigures();
    const int pairs = s.BlockCount / 2;
    for (int k = 1; k <= pairs; ++k) {
        s.PairDeck[static_cast<std::size_t>(k)] = s.CategoryImages[static_cast<std::size_t>(k)];
        // The second half of the deck runs in reverse order.
        s.PairDeck[static_cast<std::size_t>(pairs + k)] =
            s.CategoryImages[static_cast<std::size_t>(pairs + 1 - k)];
    }
}

void Deal::chooseFigures() {
    MatchState& s = m_state;
    if (s.FigureCategory == category::kPersonaliz && !loadPhotos())
        s.FigureCategory = category::kFiguras1;
    const int c = categoryIndex(s.FigureCategory);
    for (int n = 1; n <= holders::kFiguresPerCategory; ++n)
        s.CategoryImages[static_cast<std::size_t>(n)] = holders::figure(c, n);
}

std::pair<int, int> Deal::photoSize(int faceWidth) const {
    const double density = m_ports.screen.devicePixelRatio();
    return {static_cast<int>(faceWidth * density + 0.5),
            static_cast<int>(m_view.face(1).bounds.height * density + 0.5)};
}

void Deal::preloadPhotos() {
    // Between the deal and the first tick the faces are collapsed; the width they
    // get back is the one kept.
    const int shown = m_view.face(1).bounds.width;
    const auto [width, height] = photoSize(shown > 0 ? shown : m_state.FaceWidth);
    m_photos.loader.preload(m_ports.paths.photoFolder(), width, height);
}

bool Deal::loadPhotos() {
    MatchState& s = m_state;
    const std::filesystem::path folder = m_ports.paths.photoFolder();
    const auto [width, height] = photoSize(s.FaceWidth);
    // A missing folder is a missing first photo: the player is told where the
    // photos belong, and the board gets the first figures instead of blanks.
    PhotoLoad load = m_photos.loader.load(folder, width, height);
    for (std::size_t n = 0; n < load.photos.size(); ++n)
        m_photos.holders[n + 1] = std::move(load.photos[n]);
    m_photos.generation += 1;
    if (load.ok())
        return true;
    // A file that is there but cannot be shown is not called missing.
    const char* what = "Está faltando o arquivo...: ";
    const char* cause = "Caso esteja faltando 1 dos 12 arquivos de figuras ou imagens, irá "
                        "provocar este erro.";
    if (load.status == DecodeStatus::Damaged) {
        what = "Não foi possível ler o arquivo...: ";
        cause = "Caso 1 dos 12 arquivos de figuras ou imagens esteja danificado ou não seja "
                "JPEG/JPG, irá provocar este erro.";
    } else if (load.status == DecodeStatus::TooLarge) {
        what = "O arquivo é grande demais...: ";
        cause = "Caso 1 dos 12 arquivos de figuras ou imagens seja grande demais, irá "
                "provocar este erro.";
    }
    m_ports.dialogs.messageDlg(
        what + load.failedPath.string() +
            "\n\nPara usar figuras personalizadas, você tem que copiar 12 imagens ou figuras "
            "dentro da pasta " +
            folder.string() +
            " no formato JPEG/JPG, acesse o Menu Opções e clique em Personalizar figuras, lá "
            "será mais prático fazer essa tarefa.\n" +
            cause + "\n\nO jogo será redirecionado para a categoria: FIGURAS 1",
        MessageKind::Error, Buttons::Ok);
    return false;
}

void Deal::collapseFaces() {
    MatchState& s = m_state;
    s.BoardShrunk = 1;
    // Still collapsed when the clock stopped before its first tick: the width to
    // give back is the one kept then.
    if (m_view.face(1).bounds.width > 0)
        s.FaceWidth = m_view.face(1).bounds.width;
    for (int k = 1; k <= 24; ++k)
        m_view.face(k).bounds.width = 0;
}

void Deal::restoreFaces() {
    for (int k = 1; k <= 24; ++k)
        m_view.face(k).bounds.width = m_state.FaceWidth;
    keepFacesUnderCovers(m_view);
}

} // namespace qv
