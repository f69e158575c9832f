#include "dialogs/GameDefinition.h"

#include "match/Game.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace qv {

namespace {

const char* const kRefusal =
    "Partida está em andamento, para mudar o tipo de jogo, antes clique em PARAR.";

struct PicturePair {
    const char* plain;
    const char* lit;
};
constexpr std::array<PicturePair, 4> kTimePictures{{
    {"img_3min", "img_3min_2"},
    {"img_2min", "img_2min_2"},
    {"img_1min", "img_1min_2"},
    {"img_045seg", "img_045seg_2"},
}};
constexpr std::array<PicturePair, 3> kOpponentPictures{{
    {"img_colega", "img_colega2"},
    {"img_individual", "img_individual2"},
    {"img_computador", "img_computador2"},
}};
constexpr int kTimeWidth = 121;
constexpr int kTimeHeight = 25;
constexpr int kOpponentWidth = 137;
constexpr int kOpponentHeight = 29;

Control make(const char* name, ControlKind kind, Rect bounds, bool visible,
             const char* caption = "", const char* parent = "") {
    Control control;
    control.name = name;
    control.parent = parent;
    control.kind = kind;
    control.bounds = bounds;
    control.visible = visible;
    control.caption = caption;
    return control;
}

std::vector<Control> designControls() {
    std::vector<Control> c;
    c.push_back(make("Shape1", ControlKind::Shape, {0, 0, 300, 21}, true));
    c.back().color = colors::kBlack;
    c.push_back(make("Label3", ControlKind::Label, {8, 2, 200, 17}, true, "Jogar contra..."));
    c.back().color = colors::kRed;
    c.back().bold = true;
    c.back().fontPoints = 10;
    c.push_back(make("Label1", ControlKind::Label, {166, 27, 126, 15}, true, "Dica..."));
    c.back().bold = true;
    c.push_back(make("Label2", ControlKind::Label, {166, 44, 128, 96}, false,
                     "Diminuir o tempo só é bastante interessante caso você vá jogar em dupla "
                     "ou queira apenas testar suas habilidades com um tempo transcorrendo "
                     "menor."));
    c.push_back(make("Label4", ControlKind::Label, {166, 44, 128, 96}, true,
                     "Acesse ao Menu Opções, lá você poderá ajustar outros itens desse Jogo."));
    for (const char* bevel : {"Bevel1", "Bevel2", "Bevel3"})
        c.push_back(make(bevel, ControlKind::Bevel, {0, 0, kOpponentWidth + 6, 37}, false));
    for (const PicturePair& p : kOpponentPictures)
        c.push_back(
            make(p.plain, ControlKind::Picture, {0, 0, kOpponentWidth, kOpponentHeight}, false));
    const std::array<int, 4> timeTops{83, 54, 25, 111};
    for (std::size_t i = 0; i < kTimePictures.size(); ++i)
        c.push_back(make(kTimePictures[i].plain, ControlKind::Picture,
                         {16, timeTops[i], kTimeWidth, kTimeHeight}, true));
    for (const PicturePair& p : kOpponentPictures)
        c.push_back(
            make(p.lit, ControlKind::Picture, {0, 0, kOpponentWidth, kOpponentHeight}, false));
    for (const PicturePair& p : kTimePictures)
        c.push_back(make(p.lit, ControlKind::Picture, {0, 0, kTimeWidth, kTimeHeight}, false));
    c.push_back(make("Button2", ControlKind::Button, {292, 130, 1, 9}, true));
    c.push_back(make("Panel1", ControlKind::Panel, {-280, 0, 300, 145}, false));
    c.back().color = colors::kGreen;
    c.push_back(make("GroupBox1", ControlKind::Panel, {10, 8, 280, 96}, true,
                     "Jogar contra um computador?", "Panel1"));
    c.push_back(
        make("opcao1", ControlKind::CheckBox, {16, 22, 200, 20}, true, "Sabidinho", "GroupBox1"));
    c.push_back(
        make("opcao2", ControlKind::CheckBox, {16, 46, 200, 20}, true, "Inteligente", "GroupBox1"));
    c.push_back(
        make("opcao3", ControlKind::CheckBox, {16, 70, 200, 20}, true, "Superdotado", "GroupBox1"));
    c.push_back(make("Button3", ControlKind::Button, {110, 112, 80, 25}, true, "&OK", "Panel1"));
    return c;
}

} // namespace

GameDefinition::GameDefinition(Game& game) : m_game(game), m_controls(designControls()) {
}

Control& GameDefinition::operator[](std::string_view name) {
    auto found = std::find_if(m_controls.begin(), m_controls.end(),
                              [name](const Control& c) { return c.name == name; });
    if (found == m_controls.end())
        throw std::out_of_range("no control " + std::string(name));
    return *found;
}

const Control& GameDefinition::operator[](std::string_view name) const {
    return const_cast<GameDefinition&>(*this)[name];
}

std::string GameDefinition::litPicture(std::string_view plainPicture) {
    for (const PicturePair& p : kTimePictures) {
        if (plainPicture == p.plain)
            return p.lit;
    }
    for (const PicturePair& p : kOpponentPictures) {
        if (plainPicture == p.plain)
            return p.lit;
    }
    return {};
}

void GameDefinition::BitBtn1Click() {
    m_game.sound().soundOp();
    m_game.state.DefinirAsksTime = 1;
    create(true);
    m_game.ports.dialogs.showModal(ModalWindow::GameDefinition);
    close();
}

void GameDefinition::BitBtn2Click() {
    m_game.sound().soundOp();
    m_game.state.DefinirFromButton = kNao;
    m_game.state.DefinirAsksTime = 0;
    create(false);
    m_game.ports.dialogs.showModal(ModalWindow::GameDefinition);
}

void GameDefinition::create(bool asksTime) {
    m_controls = designControls();
    m_asksTime = asksTime;
    m_open = true;
    m_level = 1;
    focus.clear();
    FormCreate();
}

void GameDefinition::FormCreate() {
    Control& title = (*this)["Label3"];
    title.caption = m_asksTime ? "Qual o tempo..." : "Jogar contra...";
    (*this)["Label2"].visible = m_asksTime;
    (*this)["Label4"].visible = !m_asksTime;
    if (m_asksTime) {
        for (const PicturePair& p : kTimePictures)
            (*this)[p.lit].bounds = (*this)[p.plain].bounds;
        return;
    }
    for (const PicturePair& p : kTimePictures)
        (*this)[p.plain].visible = false;
    const std::array<int, 3> tops{32, 67, 101};
    const std::array<int, 3> bevelLefts{14, 15, 15};
    const std::array<int, 3> bevelTops{28, 63, 98};
    const std::array<const char*, 3> bevels{"Bevel1", "Bevel2", "Bevel3"};
    for (std::size_t i = 0; i < kOpponentPictures.size(); ++i) {
        Control& plain = (*this)[kOpponentPictures[i].plain];
        plain.bounds.left = 17;
        plain.bounds.top = tops[i];
        plain.visible = true;
        (*this)[kOpponentPictures[i].lit].bounds = plain.bounds;
        Control& bevel = (*this)[bevels[i]];
        bevel.bounds.left = bevelLefts[i];
        bevel.bounds.top = bevelTops[i];
        bevel.visible = true;
    }
}

void GameDefinition::FormActivate() {
    const MatchState& s = m_game.state;
    // The level in force stays selected, so a box shown over the dialog, or the
    // dialog itself, never changes the level or a name behind the person's back.
    opcaoClick(s.RivalKind == "computer" ? levelOfCode(s.LevelCode) : 1);
    // With the level panel up, the keyboard starts on the selected level.
    focus = (*this)["Panel1"].visible ? "opcao" + std::to_string(m_level) : "Button2";
}

void GameDefinition::lightUp(std::string_view plainPicture) {
    auto light = [&](const auto& group) {
        bool inGroup = false;
        for (const PicturePair& p : group)
            inGroup = inGroup || plainPicture == p.plain;
        if (!inGroup)
            return;
        for (const PicturePair& p : group) {
            const bool lit = plainPicture == p.plain;
            (*this)[p.plain].visible = !lit;
            (*this)[p.lit].visible = lit;
        }
    };
    light(kTimePictures);
    light(kOpponentPictures);
}

bool GameDefinition::refuseWhileMatch() {
    if (!m_game.matchInProgress())
        return false;
    m_game.ports.dialogs.messageDlg(kRefusal, MessageKind::Warning, Buttons::Ok);
    close();
    return true;
}

void GameDefinition::tickTime(bool n300, bool n200, bool n100, bool n45) {
    MenuMarks& menu = m_game.view.menu;
    menu.time3min = n300;
    menu.time2min = n200;
    menu.time1min = n100;
    menu.time45s = n45;
}

void GameDefinition::setTime(int minutes, int seconds, bool clock) {
    MatchState& s = m_game.state;
    s.TimeLimitSeconds = minutes * 60 + seconds;
    s.TimeLimitMinutes = minutes;
    s.TimeLimitSecondsPart = seconds;
    if (clock) {
        s.ClockMinutes = minutes;
        s.ClockSeconds = seconds;
    }
    m_game.sound().soundOp();
}

void GameDefinition::img_3min_2Click() {
    if (refuseWhileMatch())
        return;
    if (m_asksTime) {
        setTime(3, 0, true);
        tickTime(true, false, false, false);
    } else {
        m_game.settings.onPlayWithFriend();
    }
    close();
}

void GameDefinition::img_2min_2Click() {
    if (refuseWhileMatch())
        return;
    if (m_asksTime) {
        setTime(2, 0, false);
        m_game.state.SettingsChanged = 1;
        tickTime(false, true, false, false);
    } else {
        m_game.Timer3.stop();
        m_game.settings.onPlayAlone();
        m_game.sound().soundOp();
    }
    close();
}

void GameDefinition::img_1min_2Click() {
    if (refuseWhileMatch())
        return;
    if (m_asksTime) {
        setTime(1, 0, true);
        m_game.state.SettingsChanged = 1;
        tickTime(false, false, true, false);
        close();
        return;
    }
    Control& panel = (*this)["Panel1"];
    panel.bounds.left = 0;
    panel.bounds.top = 0;
    // The dialog stays open for the level choice.
    m_game.computer.onPlayComputer();
}

void GameDefinition::img_045seg_2Click() {
    if (refuseWhileMatch())
        return;
    setTime(0, 45, true);
    m_game.state.SettingsChanged = 1;
    tickTime(false, false, false, true);
    close();
}

void GameDefinition::opcaoClick(int level) {
    m_level = level;
    // Only with the computer as the opponent do its name and strength apply.
    if (m_game.state.RivalKind == "computer")
        m_game.computer.applyLevel(level);
}

void GameDefinition::showLevelPanel() {
    Control& panel = (*this)["Panel1"];
    panel.bounds.left = 0;
    panel.bounds.top = 0;
    panel.visible = true;
    opcaoClick(levelOfCode(m_game.state.LevelCode));
    focus = "opcao" + std::to_string(m_level);
}

void GameDefinition::Button3Click() {
    m_game.sound().soundOp();
    close();
    m_game.state.DefinirFromButton.clear();
    opcaoClick(m_level);
}

} // namespace qv
