#pragma once

#include "match/LevelPanel.h"
#include "match/MainView.h"
#include "match/MatchState.h"
#include "match/MatchTimers.h"
#include "match/SoundCues.h"
#include "platform/Dialogs.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv {

class ComputerOpponent;
class SettingsMenu;

/// The rules of the "Definições do Jogo" window: it offers either the four time
/// limits ("Tempo") or the three kinds of opponent ("Jogador"), as pictures that
/// light up under the mouse, and a panel of computer levels. Every choice is
/// refused while a match runs. The window renders `controls()` and forwards
/// its events; each opening starts from `create`.
class GameDefinition final : public LevelPanel {
public:
    /// The opponent pictures hand over to `settings` and `computer`; the time
    /// pictures set the limit in `state` and tick the menu of `view`.
    GameDefinition(MatchState& state, MainView& view, MatchTimers& timers, Dialogs& dialogs,
                   SoundCues& sound, SettingsMenu& settings, ComputerOpponent& computer);

    /// The main window's "Tempo" and "Jogador".
    void chooseTimeClick();
    void chooseOpponentClick();

    /// A new dialog offering time limits or opponents; open until it closes.
    void create(bool asksTime) override;
    /// Each time the window becomes active: the level in force is selected, and
    /// the focus goes to it when the level panel is up, else to the focus sink.
    void activate();
    /// The mouse moved over the plain picture of this name: it lights up and the
    /// rest of its group goes plain again.
    void lightUp(std::string_view plainPicture);
    /// The lit pictures' clicks; each time picture shares its handler with the
    /// opponent picture at its place in the list (3:00 and two people, 2:00 and
    /// alone, 1:00 and the computer).
    void threeMinutesOrColleagueClick();
    void twoMinutesOrAloneClick();
    void oneMinuteOrComputerClick();
    void fortyFiveSecondsClick();
    /// A level's radio button became selected.
    void levelClick(int level);
    /// "&OK" of the level panel.
    void levelOkClick();
    /// The level panel at the window's top left corner, with the level in force.
    void showLevelPanel() override;
    /// The window closes: by a choice, by its close button or by Escape.
    void close() { m_open = false; }

    bool isOpen() const override { return m_open; }
    bool asksTime() const { return m_asksTime; }
    /// The selected level radio button, 1..3.
    int selectedLevel() const { return m_level; }
    std::string focus;

    const std::vector<Control>& controls() const { return m_controls; }
    /// The lit picture that goes with a plain one.
    static std::string litPicture(std::string_view plainPicture);
    /// The picture file (without ".gif") a plain or lit picture control shows.
    static std::string pictureFile(std::string_view picture);
    /// The radio button of a level, 1..3.
    static std::string levelControl(int level);

    /// The control of this name; throws std::out_of_range for an unknown name.
    Control& operator[](std::string_view name);
    const Control& operator[](std::string_view name) const;

private:
    void arrange();
    bool refuseWhileMatch();
    void setTime(int minutes, int seconds, bool clock);
    void tickTime(bool threeMinutes, bool twoMinutes, bool oneMinute, bool fortyFiveSeconds);

    MatchState& m_state;
    MainView& m_view;
    MatchTimers& m_timers;
    Dialogs& m_dialogs;
    SoundCues& m_sound;
    SettingsMenu& m_settings;
    ComputerOpponent& m_computer;
    std::vector<Control> m_controls;
    bool m_open = false;
    bool m_asksTime = false;
    int m_level = 1;
};

} // namespace qv
