#include "sound/SoundSettingsForm.h"

#include "sound/SoundConfigFile.h"

#include <algorithm>

namespace qv {

namespace {

std::size_t slot(SoundEvent event) {
    return static_cast<std::size_t>(event);
}

/// A row whose field holds one index digit offers only the names it can store.
std::size_t namesOffered(SoundEvent event) {
    return soundfile::kFieldRoom[slot(event)] == 2 ? 10 : soundfile::kNameCount;
}

} // namespace

SoundSettingsForm::SoundSettingsForm(SoundEffects& effects, Dialogs& dialogs)
    : m_effects(effects), m_dialogs(dialogs) {
}

void SoundSettingsForm::open() {
    showStored();
}

void SoundSettingsForm::undoClick() {
    for (RowState& row : rows)
        row = RowState{};
    showStored();
}

void SoundSettingsForm::showStored() {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        RowState& row = rows[r];
        row.names.assign(soundfile::kSoundNames.begin(),
                         soundfile::kSoundNames.begin() +
                             static_cast<std::ptrdiff_t>(namesOffered(kSoundRows[r].event)));
        row.selected = 0;
    }
    const std::optional<soundfile::SoundConfigRecord> record = m_effects.config.read();
    if (!record) {
        m_dialogs.showError("Não foi possível ler o arquivo de configuração de sons:\n" +
                            m_effects.config.file().string());
        return;
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t e = slot(kSoundRows[r].event);
        const std::optional<int> index =
            soundfile::nameIndex(record->fields[e], soundfile::kFieldRoom[e]);
        if (!index || static_cast<std::size_t>(*index) >= rows[r].names.size()) {
            m_dialogs.showError("O arquivo de configuração de sons está danificado:\n" +
                                m_effects.config.file().string());
            return;
        }
        rows[r].selected = *index;
    }
    m_effects.settings.SoundDevice = record->device;
    for (std::size_t r = 0; r < rows.size(); ++r)
        rows[r].checked = soundfile::switchDigit(record->fields[slot(kSoundRows[r].event)]) == 1;
    soundCard = record->device == "P";
    pcSpeaker = !soundCard;
    if (soundCard)
        soundCardClick();
    else
        pcSpeakerClick();
}

void SoundSettingsForm::soundCardClick() {
    for (RowState& row : rows)
        row.enabled = true;
}

void SoundSettingsForm::pcSpeakerClick() {
    for (RowState& row : rows)
        row.enabled = false;
}

void SoundSettingsForm::playRow(int row) {
    const RowState& state = rows.at(static_cast<std::size_t>(row - 1));
    if (state.selected >= 0 && static_cast<std::size_t>(state.selected) < state.names.size())
        m_effects.playWave(state.names[static_cast<std::size_t>(state.selected)]);
}

void SoundSettingsForm::saveClick() {
    // A list always shows a name; should one ever have none, its first name counts.
    std::array<int, kSoundEventCount> chosen{};
    for (std::size_t r = 0; r < rows.size(); ++r)
        chosen[r] = std::max(rows[r].selected, 0);
    soundfile::SoundConfigRecord record;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t e = slot(kSoundRows[r].event);
        record.fields[e] =
            soundfile::fieldText(rows[r].checked, chosen[r], soundfile::kFieldRoom[e]);
    }
    record.device = soundCard ? "P" : "A";
    if (!m_effects.config.save(record)) {
        m_dialogs.showError("Não foi possível gravar o arquivo de configuração de sons:\n" +
                            m_effects.config.file().string());
        return;
    }
    SoundSettings& settings = m_effects.settings;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t e = slot(kSoundRows[r].event);
        settings.SoundName[e] =
            m_effects.config.SoundNameTable[static_cast<std::size_t>(chosen[r])];
        settings.SoundOn[e] = rows[r].checked ? 1 : 0;
    }
    settings.SoundDevice = record.device;
    m_effects.optionChosen();
    done = true;
}

} // namespace qv
