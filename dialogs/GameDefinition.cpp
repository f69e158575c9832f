#include "dialogs/GameDefinition.h"

#include "match/ComputerOpponent.h"
#include "match/SettingsMenu.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace qv {

namespace {

const char* const kRefusal =
    "Partida está em andamento, para mudar o tipo de jogo, antes clique em PARAR.";

/// A choice's plain and lit controls, and the picture files they show.
struct PicturePair {
    const char* plain;
    const char* lit;
    const char* plainFile;
    const char* litFile;
};
constexpr std::array<PicturePair, 4> kTimePictures{{
    {"threeMinutes", "threeMinutesLit", "img_3min", "img_3min_2"},
    {"twoMinutes", "twoMinutesLit", "img_2min", "img_2min_2"},
    {"oneMinute", "oneMinuteLit", "img_1min", "img_1min_2"},
    {"fortyFiveSeconds", "fortyFiveSecondsLit", "img_045seg", "img_045seg_2"},
}};
constexpr std::array<PicturePair, 3> kOpponentPictures{{
    {"colleague", "colleagueLit", "img_colega", "img_colega2"},
    {"alone", "aloneLit", "img_individual", "img_individual2"},
    {"computer", "computerLit", "img_computador", "img_computador2"},
}};
/// The level radio buttons, by level 1..3.
constexpr std::array<const char*, kLevelCount> kLevelControls{"smartyLevel", "intelligentLevel",
                                                              "giftedLevel"};
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
    c.push_back(make("titleBar", ControlKind::Shape, {0, 0, 300, 21}, true));
    c.back().color = colors::kBlack;
    c.push_back(make("title", ControlKind::Label, {8, 2, 200, 17}, true, "Jogar contra..."));
    c.back().color = colors::kRed;
    c.back().bold = true;
    c.back().fontPoints = 10;
    c.push_back(make("hintTitle", ControlKind::Label, {166, 27, 126, 15}, true, "Dica..."));
    c.back().bold = true;
    c.push_back(make("timeHint", ControlKind::Label, {166, 44, 128, 96}, false,
                     "Diminuir o tempo só é bastante interessante caso você vá jogar em dupla "
                     "ou queira apenas testar suas habilidades com um tempo transcorrendo "
                     "menor."));
    c.push_back(make("opponentHint", ControlKind::Label, {166, 44, 128, 96}, true,
                     "Acesse ao Menu Opções, lá você poderá ajustar outros itens desse Jogo."));
    for (const char* bevel : {"colleagueFrame", "aloneFrame", "computerFrame"})
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
    c.push_back(make("focusSink", ControlKind::Button, {292, 130, 1, 9}, true));
    c.push_back(make("levelPanel", ControlKind::Panel, {-280, 0, 300, 145}, false));
    c.back().color = colors::kGreen;
    c.push_back(make("levelGroup", ControlKind::Panel, {10, 8, 280, 96}, true,
                     "Jogar contra um computador?", "levelPanel"));
    c.push_back(make(kLevelControls[0], ControlKind::CheckBox, {16, 22, 200, 20}, true, "Sabidinho",
                     "levelGroup"));
    c.push_back(make(kLevelControls[1], ControlKind::CheckBox, {16, 46, 200, 20}, true,
                     "Inteligente", "levelGroup"));
    c.push_back(make(kLevelControls[2], ControlKind::CheckBox, {16, 70, 200, 20}, true,
                     "Superdotado", "levelGroup"));
    c.push_back(
        make("levelOk", ControlKind::Button, {110, 112, 80, 25}, true, "&OK", "levelPanel"));
    return c;
}

} // namespace

GameDefinition::GameDefinition(MatchState& state, MainView& view, MatchTimers& timers,
                               Dialogs& dialogs, SoundCues& sound, SettingsMenu& settings,
                               ComputerOpponent& computer)
    : m_state(state), m_view(view), m_timers(timers), m_dialogs(dialogs), m_sound(sound),
      m_settings(settings), m_computer(computer), m_controls(designControls()) {
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

std::string GameDefinition::pictureFile(std::string_view picture) {
    auto find = [picture](const auto& group) -> const char* {
        for (const PicturePair& p : group) {
            if (picture == p.plain)
                return p.plainFile;
            if (picture == p.lit)
                return p.litFile;
        }
        return nullptr;
    };
    const char* file = find(kTimePictures);
    if (!file)
        file = find(kOpponentPictures);
    return file ? file : "";
}

std::string GameDefinition::levelControl(int level) {
    return kLevelControls.at(static_cast<std::size_t>(level - 1));
}

void GameDefinition::chooseTimeClick() {
    m_sound.optionChosen();
    m_state.DefinitionAsksTime = 1;
    create(true);
    m_dialogs.showModal(ModalWindow::GameDefinition);
    close();
}

void GameDefinition::chooseOpponentClick() {
    m_sound.optionChosen();
    m_state.DefinitionFromPlayerButton = true;
    m_state.DefinitionAsksTime = 0;
    create(false);
    m_dialogs.showModal(ModalWindow::GameDefinition);
}

void GameDefinition::create(bool asksTime) {
    m_controls = designControls();
    m_asksTime = asksTime;
    m_open = true;
    m_level = 1;
    focus.clear();
    arrange();
}

void GameDefinition::arrange() {
    Control& title = (*this)["title"];
    title.caption = m_asksTime ? "Qual o tempo..." : "Jogar contra...";
    (*this)["timeHint"].visible = m_asksTime;
    (*this)["opponentHint"].visible = !m_asksTime;
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
    const std::array<const char*, 3> bevels{"colleagueFrame", "aloneFrame", "computerFrame"};
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

void GameDefinition::activate() {
    const MatchState& s = m_state;
    // The level in force stays selected, so a box shown over the dialog, or the
    // dialog itself, never changes the level or a name behind the person's back.
    levelClick(s.RivalIsComputer ? levelOfCode(s.LevelCode) : 1);
    // With the level panel up, the keyboard starts on the selected level.
    focus = (*this)["levelPanel"].visible ? levelControl(m_level) : "focusSink";
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
    if (!m_timers.matchInProgress())
        return false;
    m_dialogs.messageDlg(kRefusal, MessageKind::Warning, Buttons::Ok);
    close();
    return true;
}

void GameDefinition::tickTime(bool threeMinutes, bool twoMinutes, bool oneMinute,
                              bool fortyFiveSeconds) {
    MenuMarks& menu = m_view.menu;
    menu.time3min = threeMinutes;
    menu.time2min = twoMinutes;
    menu.time1min = oneMinute;
    menu.time45s = fortyFiveSeconds;
}

void GameDefinition::setTime(int minutes, int seconds, bool clock) {
    MatchState& s = m_state;
    s.TimeLimitSeconds = minutes * 60 + seconds;
    s.TimeLimitMinutes = minutes;
    s.TimeLimitSecondsPart = seconds;
    if (clock) {
        s.ClockMinutes = minutes;
        s.ClockSeconds = seconds;
    }
    m_sound.optionChosen();
}

void GameDefinition::threeMinutesOrColleagueClick() {
    if (refuseWhileMatch())
        return;
    if (m_asksTime) {
        setTime(3, 0, true);
        tickTime(true, false, false, false);
    } else {
        m_settings.onTwoPlayers();
    }
    close();
}

void GameDefinition::twoMinutesOrAloneClick() {
    if (refuseWhileMatch())
        return;
    if (m_asksTime) {
        setTime(2, 0, false);
        m_state.SettingsChanged = 1;
        tickTime(false, true, false, false);
    } else {
        m_timers.endAnimation.stop();
        m_settings.onPlayAlone();
        m_sound.optionChosen();
    }
    close();
}

void GameDefinition::oneMinuteOrComputerClick() {
    if (refuseWhileMatch())
        return;
    if (m_asksTime) {
        setTime(1, 0, true);
        m_state.SettingsChanged = 1;
        tickTime(false, false, true, false);
        close();
        return;
    }
    Control& panel = (*this)["levelPanel"];
    panel.bounds.left = 0;
    panel.bounds.top = 0;
    // The dialog stays open for the level choice.
    m_computer.onPlayComputer();
}

void GameDefinition::fortyFiveSecondsClick() {
    if (refuseWhileMatch())
        return;
    setTime(0, 45, true);
    m_state.SettingsChanged = 1;
    tickTime(false, false, false, true);
    close();
}

void GameDefinition::levelClick(int level) {
    m_level = level;
    // Only with the computer as the opponent do its name and strength apply.
    if (m_state.RivalIsComputer)
        m_computer.applyLevel(level);
}

void GameDefinition::showLevelPanel() {
    Control& panel = (*this)["levelPanel"];
    panel.bounds.left = 0;
    panel.bounds.top = 0;
    panel.visible = true;
    levelClick(levelOfCode(m_state.LevelCode));
    focus = levelControl(m_level);
}

void GameDefinition::levelOkClick() {
    m_sound.optionChosen();
    close();
    m_state.DefinitionFromPlayerButton = false;
    levelClick(m_level);
}

} // namespace qv
