#include "dialogs/GameDefinitionDialog.h"

#include "dialogs/ChoicePicture.h"
#include "dialogs/GameDefinition.h"
#include "match/ComputerOpponent.h"
#include "platform/GifDecoder.h"
#include "widgets/DesignLook.h"
#include "widgets/PictureStore.h"

#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace qv {

namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 145;

QPixmap gifPicture(const std::string& name) {
    QFile file(QStringLiteral(":/pictures/definir/%1.gif").arg(QString::fromStdString(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const DecodeResult decoded = decodeGif(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    return pixmapOf(decoded.image);
}

/// The lit picture's click handler, shared by a time and an opponent picture.
std::function<void()> chooser(GameDefinition& rules, const std::string& plain) {
    if (plain == "threeMinutes" || plain == "colleague")
        return [&rules] {
            rules.threeMinutesOrColleagueClick();
        };
    if (plain == "twoMinutes" || plain == "alone")
        return [&rules] {
            rules.twoMinutesOrAloneClick();
        };
    if (plain == "oneMinute" || plain == "computer")
        return [&rules] {
            rules.oneMinuteOrComputerClick();
        };
    return [&rules] {
        rules.fortyFiveSecondsClick();
    };
}

} // namespace

GameDefinitionDialog::GameDefinitionDialog(GameDefinition& rules, QWidget* owner)
    : QDialog(owner), m_rules(rules) {
    setObjectName(QStringLiteral("gameDefinitionDialog"));
    setWindowTitle(QStringLiteral("Definições do Jogo"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(designFont(8, false));

    for (const Control& control : m_rules.controls()) {
        if (control.kind == ControlKind::Picture || control.parent != "")
            continue;
        QWidget* widget = nullptr;
        if (control.kind == ControlKind::Shape) {
            widget = new QWidget(this);
            widget->setAutoFillBackground(true);
            setPaletteColour(widget, QPalette::Window, Qt::black);
        } else if (control.kind == ControlKind::Bevel) {
            auto* frame = new QFrame(this);
            frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            widget = frame;
        } else if (control.kind == ControlKind::Button) {
            // Holds the focus as the dialog opens, so no picture is lit; Tab goes
            // on from it but never back to it, and a screen reader hears what to do.
            auto* focusSink = new QPushButton(this);
            focusSink->setFlat(true);
            focusSink->setAutoDefault(false);
            focusSink->setFocusPolicy(Qt::NoFocus);
            focusSink->setAccessibleName(QStringLiteral("Definições do Jogo"));
            focusSink->setAccessibleDescription(
                QStringLiteral("Tab: passar pelas figuras. Espaço ou Enter: escolher."));
            widget = focusSink;
        } else if (control.kind == ControlKind::Label) {
            auto* label = new QLabel(QString::fromStdString(control.caption), this);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setFont(designFont(control.fontPoints, control.bold));
            if (control.color == colors::kRed)
                setPaletteColour(label, QPalette::WindowText, Qt::red);
            widget = label;
        } else {
            continue; // the level panel, built below
        }
        widget->setObjectName(QString::fromStdString(control.name));
        m_widgets.emplace(control.name, widget);
    }
    buildChoices();
    buildLevelPanel();
    render();
}

void GameDefinitionDialog::buildChoices() {
    // In the order a person reads them, top to bottom, so Tab follows the eye.
    // A screen reader hears each picture by the words of the menu entry it stands for.
    const std::pair<const char*, const char*> choices[] = {
        {"colleague", "Seu colega"},     {"alone", "Individual"},    {"computer", "Computador"},
        {"oneMinute", "1:00 min"},       {"twoMinutes", "2:00 min"}, {"threeMinutes", "3:00 min"},
        {"fortyFiveSeconds", "0:45 seg"}};
    for (const auto& [plain, spoken] : choices) {
        const std::string lit = GameDefinition::litPicture(plain);
        auto* widget = new ChoicePicture(this, gifPicture(GameDefinition::pictureFile(plain)),
                                         gifPicture(GameDefinition::pictureFile(lit)));
        widget->setObjectName(QString::fromLatin1(plain));
        widget->setAccessibleName(QString::fromUtf8(spoken));
        const std::string plainName = plain;
        widget->setOnHover([this, plainName] { handle([&] { m_rules.lightUp(plainName); }); });
        widget->setOnChoose([this, choose = chooser(m_rules, plainName)] { handle(choose); });
        m_choices.push_back({widget, plainName, lit});
    }
}

void GameDefinitionDialog::buildLevelPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("levelPanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    setPaletteColour(panel, QPalette::Window, QColor(0, 128, 0));
    // White on the green panel reads better than the usual black.
    setPaletteColour(panel, QPalette::WindowText, Qt::white);
    m_widgets.emplace("levelPanel", panel);

    const Control& box = m_rules["levelGroup"];
    auto* group = new QGroupBox(QString::fromStdString(box.caption), panel);
    group->setObjectName(QStringLiteral("levelGroup"));
    group->setGeometry(box.bounds.left, box.bounds.top, box.bounds.width, box.bounds.height);
    group->setFont(designFont(8, true));
    for (int level = 1; level <= kLevelCount; ++level) {
        const Control& option = m_rules[GameDefinition::levelControl(level)];
        auto* radio = new QRadioButton(QString::fromStdString(option.caption), group);
        radio->setObjectName(QString::fromStdString(option.name));
        radio->setGeometry(option.bounds.left, option.bounds.top, option.bounds.width,
                           option.bounds.height);
        radio->setFont(designFont(8, false));
        setPaletteColour(radio, QPalette::WindowText, Qt::white);
        connect(radio, &QRadioButton::clicked, this,
                [this, level] { handle([&] { m_rules.levelClick(level); }); });
        m_levels[std::size_t(level - 1)] = radio;
        m_widgets.emplace(option.name, radio);
    }
    const Control& ok = m_rules["levelOk"];
    m_ok = new QPushButton(QString::fromStdString(ok.caption), panel);
    m_ok->setObjectName(QStringLiteral("levelOk"));
    m_ok->setGeometry(ok.bounds.left, ok.bounds.top, ok.bounds.width, ok.bounds.height);
    m_ok->setPalette(QPalette());
    connect(m_ok, &QPushButton::clicked, this, [this] { handle([&] { m_rules.levelOkClick(); }); });
}

bool GameDefinitionDialog::event(QEvent* event) {
    // Each activation, also after a box shown over the dialog.
    if (event->type() == QEvent::WindowActivate)
        handle([&] { m_rules.activate(); });
    return QDialog::event(event);
}

void GameDefinitionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Without a window manager the dialog may never be activated.
    handle([&] { m_rules.activate(); });
}

void GameDefinitionDialog::reject() {
    m_rules.close();
    QDialog::reject();
}

void GameDefinitionDialog::render() {
    for (const Control& control : m_rules.controls()) {
        auto found = m_widgets.find(control.name);
        if (found == m_widgets.end() || control.parent != "")
            continue;
        const Rect& b = control.bounds;
        found->second->setGeometry(b.left, b.top, b.width, b.height);
        if (auto* label = qobject_cast<QLabel*>(found->second))
            label->setText(QString::fromStdString(control.caption));
        found->second->setVisible(control.visible);
    }
    const bool panelUp = m_rules["levelPanel"].visible;
    for (const Choice& choice : m_choices) {
        const Control& plain = m_rules[choice.plain];
        const Control& lit = m_rules[choice.lit];
        const Rect& b = lit.bounds;
        choice.widget->setGeometry(b.left, b.top, b.width, b.height);
        choice.widget->setLit(lit.visible);
        choice.widget->setVisible(plain.visible || lit.visible);
        // Under the level panel the choices keep out of the Tab order.
        choice.widget->setFocusPolicy(panelUp ? Qt::NoFocus : Qt::StrongFocus);
    }
    for (int level = 1; level <= kLevelCount; ++level)
        m_levels[std::size_t(level - 1)]->setChecked(m_rules.selectedLevel() == level);
    m_ok->setDefault(panelUp);
    m_widgets.at("levelPanel")->raise();
    if (m_rules.focus != m_renderedFocus) {
        m_renderedFocus = m_rules.focus;
        if (auto found = m_widgets.find(m_rules.focus); found != m_widgets.end())
            found->second->setFocus();
    }
    if (!m_rules.isOpen() && isVisible())
        QDialog::reject();
}

void runGameDefinitionDialog(GameDefinition& rules, QWidget* owner) {
    GameDefinitionDialog dialog(rules, owner);
    dialog.exec();
    rules.close();
}

} // namespace qv
