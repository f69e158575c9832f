#pragma once

#include "platform/Dialogs.h"
#include "sound/SoundEffects.h"

#include <array>
#include <string>
#include <vector>

namespace qv {

/// One row of the sound settings dialog: its event and its controls' names.
struct SoundRow {
    SoundEvent event;
    const char* caption;
    const char* checkBox;
    const char* comboBox;
    const char* playButton;
};

inline constexpr std::array<SoundRow, kSoundEventCount> kSoundRows{{
    {SoundEvent::Click, "Click nos Blocos", "clickOn", "clickSound", "clickPlay"},
    {SoundEvent::PairFound, "Acertar", "pairFoundOn", "pairFoundSound", "pairFoundPlay"},
    {SoundEvent::Miss, "Errar", "missOn", "missSound", "missPlay"},
    {SoundEvent::Victory, "Vitória", "victoryOn", "victorySound", "victoryPlay"},
    {SoundEvent::Defeat, "Derrota", "defeatOn", "defeatSound", "defeatPlay"},
    {SoundEvent::OptionChosen, "Acesso aos ítens", "optionChosenOn", "optionChosenSound",
     "optionChosenPlay"},
    {SoundEvent::TimeUp, "Término do tempo", "timeUpOn", "timeUpSound", "timeUpPlay"},
}};

/// The rules of the sound settings dialog without the window: what each row
/// shows, the device choice, and storing the choice.
class SoundSettingsForm {
public:
    SoundSettingsForm(SoundEffects& effects, Dialogs& dialogs);

    struct RowState {
        bool checked = false;
        bool enabled = true;
        std::vector<std::string> names;
        int selected = -1;
    };
    std::array<RowState, kSoundEventCount> rows{};
    /// "Placa de som" or "Alto-falante do micro".
    bool soundCard = false;
    bool pcSpeaker = false;
    /// Set by a successful "&Gravar": the window closes.
    bool done = false;

    /// Opening: fills the lists and shows the stored choice.
    void open();
    /// "&Gravar": stores the choice, puts it into effect, confirms with a sound.
    void saveClick();
    /// "&Desfazer": the stored choice again, from clean lists and boxes.
    void undoClick();
    void soundCardClick();
    void pcSpeakerClick();
    /// The Play button of row 1..7: the name chosen in that row, whatever else is set.
    void playRow(int row);

private:
    void showStored();

    SoundEffects& m_effects;
    Dialogs& m_dialogs;
};

} // namespace qv
