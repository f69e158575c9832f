#pragma once

#include <QDialog>

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

class QPushButton;
class QRadioButton;

namespace qv {

class ChoicePicture;
class GameDefinition;

/// The "Definições do Jogo" window: builds its controls, forwards the mouse, the
/// keyboard and the clicks to GameDefinition and shows what the rules hold.
class GameDefinitionDialog final : public QDialog {
public:
    GameDefinitionDialog(GameDefinition& rules, QWidget* owner);

    /// Brings the controls in line with the rules, and closes when they say so.
    void render();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    /// Escape and the window's close button: the dialog closes with no choice.
    void reject() override;

private:
    struct Choice {
        ChoicePicture* widget;
        std::string plain;
        std::string lit;
    };
    void buildChoices();
    void buildLevelPanel();
    template <typename Handler> void handle(Handler handler) {
        handler();
        render();
    }

    GameDefinition& m_rules;
    std::unordered_map<std::string, QWidget*> m_widgets;
    std::vector<Choice> m_choices;
    std::array<QRadioButton*, 3> m_levels{};
    QPushButton* m_ok = nullptr;
    std::string m_renderedFocus;
};

/// Opens the window modally over `owner` and destroys it when it closes.
void runGameDefinitionDialog(GameDefinition& rules, QWidget* owner);

} // namespace qv
