#pragma once

#include "game/Game.h"

#include <QMainWindow>

#include <memory>
#include <unordered_map>

class QAction;
class QMenu;

namespace qv {

class BoardKeyboard;
class MainWindowAccessibility;
class InputGuard;
class PictureStore;

/// The main window: builds the controls of the design, forwards clicks, menu
/// choices and window events to the rules, and renders the view record after
/// every event.
class MainWindow final : public QMainWindow {
public:
    explicit MainWindow(const Ports& ports, QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return m_game; }

    /// Runs the rules of the window's creation and shows their result.
    void initialize();
    /// Brings every widget in line with the view record.
    void render();

    /// The widget of a control, by its role or by its object name ("blockCover5").
    QWidget* control(Role role) const;
    QWidget* control(const std::string& name) const;
    QAction* menuEntry(const QString& name) const;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Rendered {
        QWidget* widget = nullptr;
        Control last;
        bool fresh = true;
        /// A picture that changed while its control was hidden, drawn when it shows.
        bool pictureDue = false;
    };

    void buildMenu();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption,
                      void (MainWindow::*handler)() = nullptr);
    void buildControls();
    QWidget* createControl(const Control& control, QWidget* parent);
    void renderControl(Rendered& rendered, const Control& control);
    void renderMenu();
    void renderForm();
    void applyFocusRequest();
    /// Runs a handler of the rules, then shows what it changed.
    template <typename Handler> void handle(Handler handler) {
        handler();
        render();
    }

    void onSoundSwitch();
    void onQuit();
    void onNewMatch();
    void onPlay();
    void onStop();
    void onFiguresButton();
    void onRecordsButton();
    void onBlockFigures();
    void onCustomFigures();
    void onTimeButton();
    void onOpponentButton();
    void onPlayComputer();
    void onBestRecords();
    void onSoundEffects();
    void onAbout();
    void onInstructions();

    Game m_game;
    std::unique_ptr<PictureStore> m_pictures;
    BoardKeyboard* m_keyboard = nullptr;
    std::unique_ptr<MainWindowAccessibility> m_accessibility;
    /// Keeps the person's input out while the computer waits and moves.
    std::unique_ptr<InputGuard> m_computerTurn;
    QWidget* m_client = nullptr;
    std::unordered_map<std::string, Rendered> m_rendered;
    std::unordered_map<QString, QAction*> m_entries;
    bool m_shown = false;
    int m_photoGeneration = 0;
};

} // namespace qv
