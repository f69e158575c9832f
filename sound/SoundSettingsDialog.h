#pragma once

#include "sound/SoundSettingsForm.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace qv {

/// The sound settings dialog: per event a switch, a sound name and a Play
/// button, the choice between sound card and speaker, "&Gravar" and "&Desfazer".
class SoundSettingsDialog final : public QDialog {
public:
    SoundSettingsDialog(SoundEffects& effects, Dialogs& dialogs, QWidget* parent = nullptr);

    SoundSettingsForm& form() { return m_form; }

private:
    struct RowWidgets {
        QCheckBox* check = nullptr;
        QComboBox* list = nullptr;
        QPushButton* play = nullptr;
    };

    void buildControls();
    /// Shows the rules' state in the widgets.
    void render();
    /// Takes the person's choices from the widgets into the rules.
    void collect();

    SoundSettingsForm m_form;
    std::array<RowWidgets, kSoundEventCount> m_rows{};
    QRadioButton* m_soundCard = nullptr;
    QRadioButton* m_pcSpeaker = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_undo = nullptr;
};

/// Opens the dialog modally over `parent` and removes it when it closes.
void runSoundSettings(SoundEffects& effects, Dialogs& dialogs, QWidget* parent);

} // namespace qv
