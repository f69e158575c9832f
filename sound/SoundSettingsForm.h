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
    {SoundEvent::Click, "Click nos Blocos", "CheckBox1", "ComboBox1", "BitBtn3"},
    {SoundEvent::Acertar, "Acertar", "CheckBox2", "ComboBox2", "BitBtn2"},
    {SoundEvent::Errar, "Errar", "CheckBox3", "ComboBox3", "BitBtn1"},
    {SoundEvent::Vitoria, "Vitória", "CheckBox4", "ComboBox4", "BitBtn4"},
    {SoundEvent::Derrota, "Derrota", "CheckBox5", "ComboBox5", "BitBtn5"},
    {SoundEvent::Acesso, "Acesso aos ítens", "CheckBox6", "ComboBox6", "BitBtn6"},
    {SoundEvent::Termino, "Término do tempo", "CheckBox7", "ComboBox7", "BitBtn7"},
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
    bool Placar = false;
    bool Alto = false;
    /// Set by a successful "&Gravar": the window closes.
    bool done = false;

    /// Opening: fills the lists and shows the stored choice.
    void FormCreate();
    /// "&Gravar": stores the choice, puts it into effect, confirms with a sound.
    void Button1Click();
    /// "&Desfazer": the stored choice again, from clean lists and boxes.
    void Button2Click();
    void PlacarClick();
    void AltoClick();
    /// The Play button of row 1..7: the name chosen in that row, whatever else is set.
    void playRow(int row);

private:
    void showStored();

    SoundEffects& m_effects;
    Dialogs& m_dialogs;
};

} // namespace qv
