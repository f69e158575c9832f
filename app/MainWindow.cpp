#include "app/MainWindow.h"

#include "app/Accessibility.h"
#include "app/BoardKeyboard.h"
#include "app/ButtonShortcuts.h"
#include "app/GlyphButton.h"
#include "platform/qt/InputGuard.h"
#include "widgets/DesignLook.h"
#include "widgets/FittedFont.h"
#include "widgets/FrameBox.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <optional>
#include <utility>

namespace qv {

namespace {

QColor qcolor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

Qt::Alignment qalign(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Center:
        return Qt::AlignCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString glyphPath(const std::string& button) {
    static const std::unordered_map<std::string, QString> kGlyphs{
        {roleName(Role::PlayButton), QStringLiteral(":/pictures/glyph_jogar.png")},
        {roleName(Role::StopButton), QStringLiteral(":/pictures/glyph_parar.png")},
        {roleName(Role::TimeButton), QStringLiteral(":/pictures/glyph_tempo.png")},
        {roleName(Role::OpponentButton), QStringLiteral(":/pictures/glyph_jogador.png")},
        {roleName(Role::FiguresButton), QStringLiteral(":/pictures/glyph_figuras.png")},
        {roleName(Role::RecordsButton), QStringLiteral(":/pictures/glyph_records.png")},
    };
    auto found = kGlyphs.find(button);
    return found == kGlyphs.end() ? QString() : found->second;
}

/// Runs a call once, after the window was first put on the screen and painted.
class WhenExposed final : public QObject {
public:
    WhenExposed(QWindow* window, std::function<void()> call)
        : QObject(window), m_call(std::move(call)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(m_call));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_call;
};

} // namespace

MainWindow::MainWindow(const Ports& ports, QWidget* parent)
    : QMainWindow(parent), m_game(ports), m_pictures(std::make_unique<PictureStore>()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Quorvanella 2.0 Pro"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setAutoFillBackground(true);
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, qcolor(colors::kGreen));
    m_client->setPalette(palette);
    m_client->setCursor(Qt::PointingHandCursor);
    setCentralWidget(m_client);
    setFont(designFont(8));
    buildMenu();
    buildControls();
    m_keyboard = new BoardKeyboard(*this, *control(Role::FocusHolder), *m_client);
    m_accessibility = std::make_unique<MainWindowAccessibility>(*this, *m_keyboard);
    addButtonShortcuts(*this,
                       [this](Role role) { return static_cast<QAbstractButton*>(control(role)); });
}

MainWindow::~MainWindow() = default;

void MainWindow::initialize() {
    m_game.setUp();
    render();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_game.onShown();
    render();
    // Without a window manager the window may never be activated; the tables are
    // read once all the same, when the window is on the screen, so a message about
    // them stands over it.
    new WhenExposed(windowHandle(), [this] { handle([this] { m_game.onActivated(); }); });
}

bool MainWindow::event(QEvent* event) {
    // Whatever a dialog changed on disk is read again when the window is active again;
    // a window not yet on the screen reads when it gets there.
    if (event->type() == QEvent::WindowActivate && windowHandle()->isExposed())
        handle([this] { m_game.onActivated(); });
    return QMainWindow::event(event);
}

void MainWindow::changeEvent(QEvent* event) {
    // The board has one size: where the desktop draws a maximise button anyway
    // (a Wayland compositor's frame), pressing it changes nothing.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

void MainWindow::buildControls() {
    std::unordered_map<std::string, QWidget*> widgets;
    for (const Control& control : m_game.view.controls()) {
        QWidget* parent = control.parent.empty() ? m_client : widgets.at(control.parent);
        QWidget* widget = createControl(control, parent);
        widget->setObjectName(QString::fromStdString(control.name));
        widgets.emplace(control.name, widget);
        m_rendered.emplace(control.name, Rendered{widget, control, true});
    }
}

QWidget* MainWindow::createControl(const Control& control, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Panel: {
        auto* panel = new QLabel(parent);
        panel->setAlignment(Qt::AlignCenter);
        panel->setAutoFillBackground(true);
        if (control.name == roleName(Role::Banner)) {
            // A quiet caption: no bevel, grey text.
            QPalette quiet = panel->palette();
            quiet.setColor(QPalette::WindowText, QColor(96, 96, 96));
            panel->setPalette(quiet);
            return panel;
        }
        panel->setFrameStyle(
            QFrame::Panel |
            (control.name == roleName(Role::SoundBar) ? QFrame::Sunken : QFrame::Raised));
        return panel;
    }
    case ControlKind::Label:
        return new QLabel(parent);
    case ControlKind::Picture: {
        auto* picture = new PictureBox(parent);
        if (control.name == roleName(Role::HeadingPicture))
            picture->setPicture(m_pictures->resource(QStringLiteral(":/pictures/decoration.png")));
        for (int k = 1; k <= 24; ++k) {
            if (control.name != coverNames()[static_cast<std::size_t>(k)])
                continue;
            picture->setPicture(m_pictures->resource(QStringLiteral(":/pictures/block_back.png")));
            picture->setOnClick(
                [this, k] { handle([this, k] { m_game.reveal.onCoverClick(k); }); });
        }
        return picture;
    }
    case ControlKind::Bevel:
        return new FrameBox(parent, control.parent == roleName(Role::ResultBoard));
    case ControlKind::Shape: {
        auto* shape = new QWidget(parent);
        shape->setAutoFillBackground(true);
        return shape;
    }
    case ControlKind::Button: {
        if (control.name == roleName(Role::FocusHolder)) {
            auto* focusTaker = new QPushButton(parent);
            focusTaker->setFlat(true);
            return focusTaker;
        }
        auto* button = new GlyphButton(parent);
        button->setIcon(QIcon(m_pictures->resource(glyphPath(control.name))));
        const std::pair<Role, void (MainWindow::*)()> handlers[] = {
            {Role::PlayButton, &MainWindow::onPlay},
            {Role::StopButton, &MainWindow::onStop},
            {Role::FiguresButton, &MainWindow::onFiguresButton},
            {Role::RecordsButton, &MainWindow::onRecordsButton},
            {Role::TimeButton, &MainWindow::onTimeButton},
            {Role::OpponentButton, &MainWindow::onOpponentButton},
        };
        for (const auto& [role, handler] : handlers) {
            if (control.name == roleName(role))
                connect(button, &QAbstractButton::clicked, this,
                        [this, h = handler] { (this->*h)(); });
        }
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(parent);
        box->setFocusPolicy(Qt::NoFocus);
        if (control.name == roleName(Role::SoundSwitch))
            connect(box, &QCheckBox::clicked, this, [this] { onSoundSwitch(); });
        return box;
    }
    }
    return new QWidget(parent);
}

void MainWindow::render() {
    renderForm();
    if (m_photoGeneration != m_game.photos.generation) {
        // New photos in the same holders: every face draws its picture again.
        m_photoGeneration = m_game.photos.generation;
        m_pictures->setPhotos(m_game.photos.holders);
        for (int k = 1; k <= 24; ++k)
            m_rendered.at(faceNames()[static_cast<std::size_t>(k)]).fresh = true;
    }
    for (Control& control : m_game.view.controls())
        renderControl(m_rendered.at(control.name), control);
    renderMenu();
    applyFocusRequest();
    m_keyboard->update();
    m_accessibility->update();
}

void MainWindow::applyFocusRequest() {
    // The rules ask for the focus at a few moments (the window shown, JOGAR,
    // PARAR); rendering after a tick must not take it back from an open menu,
    // box or dialog, so a request waits until none is open and is then used up.
    std::optional<Role>& request = m_game.view.focus;
    if (!request || QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return;
    if (QWidget* target = control(*request))
        target->setFocus();
    request.reset();
}

void MainWindow::renderForm() {
    const FormState& form = m_game.view.form;
    const QSize client(form.clientWidth, form.clientHeight);
    if (m_client->size() != client || !m_shown) {
        m_client->setFixedSize(client);
        setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    }
    if (pos() != QPoint(form.left, form.top) && !m_shown)
        move(form.left, form.top);
    // A disabled window takes no input but must not grey, as a disabled Qt
    // window would: its input is kept away instead.
    if (!form.enabled && !m_computerTurn) {
        m_computerTurn = std::make_unique<InputGuard>([this](QObject* watched) {
            if (auto* widget = qobject_cast<QWidget*>(watched))
                return widget->window() == this;
            if (auto* handle = qobject_cast<QWindow*>(watched))
                return handle == windowHandle();
            // Menu shortcuts go to the menu's actions.
            return qobject_cast<QAction*>(watched) != nullptr;
        });
    } else if (form.enabled) {
        m_computerTurn.reset();
    }
}

void MainWindow::renderControl(Rendered& rendered, const Control& control) {
    QWidget* widget = rendered.widget;
    const Control& last = rendered.last;
    const bool all = rendered.fresh;
    const double scale = m_game.view.form.scale;
    if (all || last.bounds != control.bounds) {
        const Rect& b = control.bounds;
        widget->setGeometry(b.left, b.top, b.width, b.height);
    }
    const bool isLabel = control.kind == ControlKind::Label;
    if (all || last.fontPoints != control.fontPoints || last.bold != control.bold ||
        (isLabel &&
         (last.caption != control.caption || last.bounds.width != control.bounds.width))) {
        QFont font(control.name == roleName(Role::ResultText) ? QStringLiteral("DejaVu Sans")
                                                              : designFontFamily());
        font.setPointSizeF(control.fontPoints * scale);
        font.setBold(control.bold);
        // A text wider than its label (the computer's name on the tally) shows
        // whole, a little smaller, rather than cut at the label's edge.
        if (isLabel)
            font = fittedFont(font, QString::fromStdString(control.caption), control.bounds.width);
        widget->setFont(font);
    }
    if (all || last.color != control.color) {
        QPalette palette = widget->palette();
        const QColor color = qcolor(control.color);
        switch (control.kind) {
        case ControlKind::Panel:
        case ControlKind::Shape:
            palette.setColor(QPalette::Window, color);
            break;
        case ControlKind::Button:
            palette.setColor(QPalette::ButtonText, color);
            break;
        default:
            palette.setColor(QPalette::WindowText, color);
        }
        widget->setPalette(palette);
    }
    if (all || last.caption != control.caption || last.align != control.align) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(QString::fromStdString(control.caption));
            if (control.kind == ControlKind::Label)
                label->setAlignment(qalign(control.align));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(QString::fromStdString(control.caption));
        }
    }
    if (all || last.hint != control.hint)
        widget->setToolTip(hintWithShortcut(control.name, control.hint));
    if (all || last.checked != control.checked) {
        if (auto* box = qobject_cast<QCheckBox*>(widget))
            box->setChecked(control.checked);
    }
    if (all || last.enabled != control.enabled) {
        if (auto* picture = dynamic_cast<PictureBox*>(widget))
            picture->setTakesClicks(control.enabled);
        else
            widget->setEnabled(control.enabled);
    }
    if (control.kind == ControlKind::Picture && (all || last.picture != control.picture) &&
        !(control.picture.empty() && last.picture.empty()))
        rendered.pictureDue = true;
    // Pictures are decoded when first shown: the hidden holders of every figure
    // set would otherwise cost each start their decoding.
    if (rendered.pictureDue && control.visible) {
        static_cast<PictureBox*>(widget)->setPicture(m_pictures->picture(control.picture));
        rendered.pictureDue = false;
    }
    if (all || last.visible != control.visible)
        widget->setVisible(control.visible);
    rendered.last = control;
    rendered.fresh = false;
}

QWidget* MainWindow::control(Role role) const {
    return control(roleName(role));
}

QWidget* MainWindow::control(const std::string& name) const {
    auto found = m_rendered.find(name);
    return found == m_rendered.end() ? nullptr : found->second.widget;
}

QAction* MainWindow::menuEntry(const QString& name) const {
    auto found = m_entries.find(name);
    return found == m_entries.end() ? nullptr : found->second;
}

void MainWindow::onSoundSwitch() {
    handle([this] { m_game.onToggleSound(); });
}

void MainWindow::onQuit() {
    close();
}

void MainWindow::onNewMatch() {
    handle([this] { m_game.deal.onStart(); });
}

void MainWindow::onPlay() {
    handle([this] { m_game.deal.onPlay(); });
}

void MainWindow::onStop() {
    handle([this] { m_game.clock.onStop(); });
}

void MainWindow::onFiguresButton() {
    handle([this] {
        m_game.sound().optionChosen();
        m_game.ports.dialogs.showModal(ModalWindow::CategoryChooser);
    });
}

void MainWindow::onBlockFigures() {
    handle([this] { m_game.ports.dialogs.showModal(ModalWindow::CategoryChooser); });
}

void MainWindow::onCustomFigures() {
    handle([this] { m_game.ports.dialogs.showModal(ModalWindow::PhotoManager); });
}

void MainWindow::onRecordsButton() {
    handle([this] {
        m_game.sound().optionChosen();
        m_game.ports.dialogs.showModal(ModalWindow::Records);
    });
}

void MainWindow::onTimeButton() {
    handle([this] { m_game.gameDefinition.chooseTimeClick(); });
}

void MainWindow::onOpponentButton() {
    handle([this] { m_game.gameDefinition.chooseOpponentClick(); });
}

void MainWindow::onPlayComputer() {
    handle([this] { m_game.computer.onPlayComputer(); });
}

void MainWindow::onBestRecords() {
    handle([this] { m_game.ports.dialogs.showModal(ModalWindow::Records); });
}

void MainWindow::onInstructions() {
    handle([this] { m_game.ports.dialogs.showModal(ModalWindow::Instructions); });
}

void MainWindow::onSoundEffects() {
    // Opens during a match too: the settings touch nothing of the match.
    handle([this] { m_game.ports.dialogs.showModal(ModalWindow::SoundSettings); });
}

void MainWindow::onAbout() {
    QMessageBox about(this);
    about.setWindowTitle(QStringLiteral("Sobre"));
    about.setIconPixmap(m_pictures->resource(QStringLiteral(":/icons/quorvanella.png"))
                            .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    about.setText(QStringLiteral("<b>Quorvanella 2.0</b>"));
    about.setInformativeText(
        QStringLiteral("Versão %1<br><br>Jogo da memória para uma ou duas pessoas.<br>"
                       "Encontre os pares de figuras antes que o tempo acabe!")
            .arg(QStringLiteral(QV_VERSION)));
    about.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    about.exec();
}

} // namespace qv
