#include "match/MainView.h"

#include <stdexcept>
#include <utility>

namespace qv {

namespace {

struct BoardPlace {
    Rect cover;
    Rect face;
    Rect frame;
};

// Design places of the 24 blocks, position 1 first.
constexpr std::array<BoardPlace, 24> kBoard{{
    {{9, 8, 67, 67}, {10, 9, 66, 66}, {7, 6, 71, 71}},
    {{83, 8, 67, 67}, {84, 9, 66, 66}, {81, 6, 71, 71}},
    {{158, 8, 67, 67}, {159, 9, 66, 66}, {156, 6, 71, 71}},
    {{233, 8, 67, 67}, {234, 9, 66, 66}, {231, 6, 71, 71}},
    {{307, 8, 67, 67}, {308, 9, 66, 66}, {305, 6, 71, 71}},
    {{382, 8, 67, 67}, {383, 9, 66, 66}, {380, 6, 71, 71}},
    {{457, 8, 67, 67}, {458, 9, 66, 66}, {455, 6, 71, 71}},
    {{532, 8, 67, 67}, {533, 9, 66, 66}, {530, 6, 71, 71}},
    {{9, 89, 67, 67}, {10, 90, 66, 66}, {7, 87, 71, 71}},
    {{84, 89, 67, 67}, {85, 90, 66, 66}, {82, 87, 71, 71}},
    {{159, 89, 67, 68}, {160, 90, 66, 66}, {157, 87, 71, 71}},
    {{234, 89, 67, 67}, {235, 90, 66, 66}, {232, 87, 71, 71}},
    {{309, 89, 67, 67}, {310, 90, 66, 66}, {307, 87, 71, 71}},
    {{384, 89, 67, 67}, {385, 90, 66, 66}, {382, 87, 71, 71}},
    {{458, 89, 67, 67}, {460, 90, 66, 66}, {456, 87, 71, 71}},
    {{533, 89, 67, 67}, {534, 90, 66, 66}, {531, 87, 71, 71}},
    {{9, 169, 67, 67}, {10, 170, 66, 66}, {7, 167, 71, 71}},
    {{84, 169, 67, 67}, {84, 169, 66, 66}, {82, 167, 71, 71}},
    {{159, 169, 67, 67}, {160, 170, 66, 66}, {157, 167, 71, 71}},
    {{234, 169, 67, 67}, {235, 170, 66, 66}, {232, 167, 71, 71}},
    {{309, 169, 67, 67}, {310, 169, 66, 66}, {307, 167, 71, 71}},
    {{384, 169, 67, 67}, {385, 170, 66, 66}, {382, 167, 71, 71}},
    {{459, 169, 67, 67}, {459, 169, 66, 66}, {457, 167, 71, 71}},
    {{534, 169, 67, 67}, {535, 170, 66, 66}, {532, 167, 71, 71}},
}};

constexpr std::array<const char*, 25> kCoverNames{
    "",        "Image9",  "Image10", "Image11", "Image12", "Image13", "Image14",
    "Image15", "Image16", "Image44", "Image45", "Image46", "Image47", "Image48",
    "Image49", "Image50", "Image51", "Image53", "Image54", "Image55", "Image56",
    "Image57", "Image58", "Image59", "Image60"};
constexpr std::array<const char*, 25> kFaceNames{
    "",        "Image1",  "Image2",  "Image3",  "Image4",  "Image5",  "Image6",
    "Image7",  "Image8",  "Image28", "Image29", "Image30", "Image31", "Image32",
    "Image33", "Image34", "Image35", "Image36", "Image37", "Image38", "Image39",
    "Image40", "Image41", "Image42", "Image43"};
constexpr std::array<const char*, 25> kFrameNames{
    "",        "Bevel1",  "Bevel2",  "Bevel3",  "Bevel4",  "Bevel5",  "Bevel6",
    "Bevel7",  "Bevel8",  "Bevel10", "Bevel11", "Bevel12", "Bevel13", "Bevel14",
    "Bevel15", "Bevel16", "Bevel17", "Bevel18", "Bevel19", "Bevel20", "Bevel21",
    "Bevel22", "Bevel23", "Bevel24", "Bevel25"};

Control make(std::string name, std::string parent, ControlKind kind, Rect bounds,
             std::string caption = {}) {
    Control c;
    c.name = std::move(name);
    c.parent = std::move(parent);
    c.kind = kind;
    c.bounds = bounds;
    c.caption = std::move(caption);
    return c;
}

Control label(std::string name, std::string parent, Rect bounds, std::string caption, Rgb color,
              bool bold = false, int points = 8) {
    Control c =
        make(std::move(name), std::move(parent), ControlKind::Label, bounds, std::move(caption));
    c.color = color;
    c.bold = bold;
    c.fontPoints = points;
    return c;
}

Control hidden(Control c) {
    c.visible = false;
    return c;
}

Control aligned(Control c, Align align) {
    c.align = align;
    return c;
}

Control button(std::string name, Rect bounds, std::string caption, Rgb color, std::string hint) {
    Control c = make(std::move(name), {}, ControlKind::Button, bounds, std::move(caption));
    c.color = color;
    c.bold = true;
    c.hint = std::move(hint);
    return c;
}

Control panel(std::string name, std::string parent, Rect bounds, std::string caption, Rgb fill,
              bool bold = false) {
    Control c =
        make(std::move(name), std::move(parent), ControlKind::Panel, bounds, std::move(caption));
    c.color = fill;
    c.bold = bold;
    return c;
}

} // namespace

const std::array<const char*, 25>& coverNames() {
    return kCoverNames;
}
const std::array<const char*, 25>& faceNames() {
    return kFaceNames;
}
const std::array<const char*, 25>& frameNames() {
    return kFrameNames;
}

std::string letterName(int n) {
    std::string name = "L";
    name += std::to_string(n);
    return name;
}

std::string loserLetterName(int n) {
    std::string name = "LB";
    name += std::to_string(n);
    return name;
}

const std::vector<std::string>& designPlaceholders() {
    static const std::vector<std::string> kPlaceholders = [] {
        std::vector<std::string> names{"Label1", "Label3", "Label4",  "Label5", "Label6",
                                       "Label7", "Label9", "Label14", "Label16"};
        for (int n = 1; n <= 10; ++n)
            names.push_back(letterName(n));
        return names;
    }();
    return kPlaceholders;
}

MainView::MainView() {
    auto& v = m_controls;
    v.reserve(140);

    // The board, bottom to top at each position: frame, face, cover.
    for (std::size_t k = 1; k <= 24; ++k) {
        const BoardPlace& place = kBoard[k - 1];
        v.push_back(make(kFrameNames[k], {}, ControlKind::Bevel, place.frame));
        v.push_back(make(kFaceNames[k], {}, ControlKind::Picture, place.face));
        v.push_back(make(kCoverNames[k], {}, ControlKind::Picture, place.cover));
    }

    Control panel7 = panel("Panel7", {}, {8, 246, 596, 19}, {}, colors::kMenu);
    v.push_back(panel7);
    Control checksom = make("checksom", "Panel7", ControlKind::CheckBox, {10, 3, 13, 13});
    checksom.checked = true;
    checksom.hint = "Ativa/Desativa som";
    v.push_back(checksom);
    v.push_back(label("sound", "Panel7", {26, 2, 30, 15}, "Som", colors::kRed));
    Control advertising = panel("Panel6", "Panel7", {70, 2, 230, 15},
                                "Quorvanella 2.0 \u00b7 jogo da mem\u00f3ria", colors::kMenu);
    advertising.fontPoints = 7;
    advertising.visible = false;
    v.push_back(advertising);
    v.push_back(hidden(label("Placar", "Panel7", {306, 2, 44, 15}, "Placar:", colors::kRed, true)));
    v.push_back(hidden(
        aligned(label("Label14", "Panel7", {352, 2, 96, 15}, "Label14", colors::kBlack, true),
                Align::Right)));
    v.push_back(hidden(aligned(
        label("PT_JG1", "Panel7", {450, 2, 24, 15}, "0", colors::kBlack, true), Align::Right)));
    v.push_back(hidden(label("X", "Panel7", {479, 2, 10, 15}, "X", colors::kRed, true)));
    v.push_back(hidden(label("PT_JG2", "Panel7", {492, 2, 24, 15}, "0", colors::kBlack, true)));
    v.push_back(
        hidden(label("Label16", "Panel7", {520, 2, 72, 15}, "Label16", colors::kBlack, true)));

    Control decoration = make("Image61", {}, ControlKind::Picture, {56, 272, 159, 25});
    v.push_back(decoration);
    v.push_back(panel("Panel2", {}, {57, 272, 159, 25}, "PARTICIPANTE(S)", colors::kMenu, true));
    v.push_back(panel("Panel3", {}, {216, 272, 65, 25}, "PONTOS", colors::kMenu));
    v.push_back(panel("Panel5", {}, {281, 272, 63, 25}, "TEMPO", colors::kMenu));
    v.push_back(panel("Panel4", {}, {344, 272, 208, 25}, "RESULTADO", colors::kMenu));

    v.push_back(panel("PANEL1", {}, {55, 296, 290, 105}, {}, colors::kBlack));
    v.push_back(label("Label3", "PANEL1", {8, 8, 150, 20}, "Label3", colors::kAqua, false, 12));
    v.push_back(label("Label4", "PANEL1", {166, 8, 70, 16}, "Label4", colors::kAqua, true));
    v.push_back(label("Label1", "PANEL1", {241, 8, 44, 16}, "Label1", colors::kWhite, true));
    v.push_back(label("Label5", "PANEL1", {8, 32, 150, 20}, "Label5", colors::kLime, false, 12));
    v.push_back(label("Label6", "PANEL1", {165, 32, 70, 16}, "Label6", colors::kLime, true));
    v.push_back(label("Label7", "PANEL1", {240, 32, 44, 16}, "Label7", colors::kLime, true));
    Control divider = make("Shape1", "PANEL1", ControlKind::Shape, {6, 52, 279, 4});
    divider.color = colors::kSilver;
    v.push_back(divider);
    v.push_back(hidden(label("Label15", "PANEL1", {8, 66, 132, 16},
                             "Tempo restante........:", colors::kSilver, true)));
    v.push_back(label("Label9", "PANEL1", {143, 64, 60, 18}, "Label9", colors::kYellow, true, 10));

    v.push_back(panel("PAINEL2", {}, {344, 296, 209, 105}, {}, colors::kBlack));
    v.push_back(label("Label2", "PAINEL2", {8, 6, 193, 20}, {}, colors::kLime, true, 10));
    // The caption "Vencedor" stands in front of the trophy, so it stays readable.
    v.push_back(make("TROFEU", "PAINEL2", ControlKind::Picture, {79, 34, 65, 65}));
    v.push_back(hidden(make("Bevel9", "PAINEL2", ControlKind::Bevel, {56, 78, 89, 18})));
    v.push_back(
        hidden(label("lab_venc", "PAINEL2", {72, 80, 60, 14}, "Vencedor", colors::kOlive, true)));
    for (int n = 1; n <= 10; ++n) {
        const std::string name = letterName(n);
        v.push_back(
            hidden(label(name, "PAINEL2", {0, 0, 12, 16}, name, colors::kYellow, true, 10)));
    }
    const char* loserLetters[] = {"0", "P", "E", "R", "D", "I"};
    for (int n = 0; n <= 5; ++n) {
        v.push_back(hidden(label(loserLetterName(n), "PAINEL2", {0, 0, 12, 16}, loserLetters[n],
                                 colors::kYellow, true, 10)));
    }
    v.push_back(hidden(label("aviso_cancelar", "PAINEL2", {44, 44, 124, 16}, "Partida cancelada!",
                             colors::kRed, true)));

    Control bar = make("Shape2", {}, ControlKind::Shape, {55, 296, 5, 108});
    bar.color = colors::kGray128;
    v.push_back(bar);

    v.push_back(button("BitBtn4", {0, 272, 57, 79}, "JOGAR", colors::kBlue, "Iniciar Jogo"));
    v.push_back(button("BitBtn3", {552, 272, 57, 79}, "PARAR", colors::kMaroon,
                       "Cancela a partida atual..."));
    v.push_back(button("BitBtn1", {0, 351, 57, 25}, "Tempo", colors::kRed, "Defina o Tempo!"));
    v.push_back(
        button("BitBtn2", {0, 376, 57, 25}, "Jogador", colors::kNavy, "Escolha com quem Jogar!"));
    v.push_back(
        button("BitBtn5", {552, 351, 57, 25}, "Figuras", colors::kRed, "Escolher de figuras!"));
    v.push_back(button("BitBtn6", {552, 376, 57, 25}, "Records", colors::kNavy,
                       "Veja os melhores Records!"));
    v.push_back(button("BotaoQueRecebeFocus", {338, 348, 1, 1}, {}, colors::kBlack, {}));

    for (const std::string& name : designPlaceholders())
        (*this)[name].caption.clear();

    for (Control& c : m_controls) {
        for (std::size_t k = 1; k <= 24; ++k) {
            if (c.name == kCoverNames[k])
                m_cover[k] = &c;
            else if (c.name == kFaceNames[k])
                m_face[k] = &c;
            else if (c.name == kFrameNames[k])
                m_frame[k] = &c;
        }
    }
}

Control& MainView::operator[](std::string_view name) {
    return const_cast<Control&>(std::as_const(*this)[name]);
}

const Control& MainView::operator[](std::string_view name) const {
    for (const Control& c : m_controls) {
        if (c.name == name)
            return c;
    }
    throw std::out_of_range("no control named " + std::string(name));
}

} // namespace qv
