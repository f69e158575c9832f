#pragma once

#include "dialogs/PlayerNamesRules.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qv {

/// The "Cadastrar Jogadores" window: builds the controls, forwards typing and
/// clicks to PlayerNamesRules and shows what the rules hold.
class PlayerNamesDialog final : public QDialog {
public:
    PlayerNamesDialog(PlayerNamesRules rules, QWidget* owner);

    PlayerNamesRules& rules() { return m_rules; }
    /// Brings the controls in line with the rules, and closes when they say so.
    void render();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* focusTarget(const std::string& name) const;

    PlayerNamesRules m_rules;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_secondName = nullptr;
    QCheckBox* m_sameBoard = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_activated = false;
};

/// Opens the window modally over `owner` and destroys it when it closes.
void runPlayerNamesDialog(PlayerNamesRules rules, QWidget* owner);

} // namespace qv
