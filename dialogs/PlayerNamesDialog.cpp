#include "dialogs/PlayerNamesDialog.h"
#include "widgets/DesignLook.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace qv {

namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 184;

QLabel* label(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
    auto* result = new QLabel(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(bounds);
    return result;
}

QLineEdit* nameBox(QWidget* parent, const char* name, QRect bounds) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(bounds);
    edit->setMaxLength(PlayerNamesRules::kMaxNameLength);
    // The window's background is the selection colour; the boxes keep the
    // ordinary one so the names stay easy to read.
    edit->setPalette(QPalette());
    return edit;
}

} // namespace

PlayerNamesDialog::PlayerNamesDialog(PlayerNamesRules rules, QWidget* owner)
    : QDialog(owner), m_rules(std::move(rules)) {
    setObjectName(QStringLiteral("playerNamesDialog"));
    setWindowTitle(QStringLiteral("Cadastrar Jogadores"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    const QFont font = designFont(9);
    setFont(font);

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    // Text on the selection colour is drawn in the colour made for it.
    palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
    setPalette(palette);
    setAutoFillBackground(true);

    label(this, "firstPlayerCaption", QStringLiteral("1º Jogador....:"), {16, 19, 90, 16});
    m_firstName = nameBox(this, "firstPlayerName", {108, 16, 176, 22});
    label(this, "secondPlayerCaption", QStringLiteral("2º Jogador....:"), {16, 51, 90, 16});
    m_secondName = nameBox(this, "secondPlayerName", {108, 48, 176, 22});

    m_sameBoard = new QCheckBox(QStringLiteral("Os dois disputando a mesma partida."), this);
    m_sameBoard->setObjectName(QStringLiteral("sameBoard"));
    m_sameBoard->setGeometry(14, 82, 272, 20);

    QPalette red = palette;
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    // Red on the selection colour reads poorly in thin strokes.
    QFont bold = font;
    bold.setBold(true);
    for (QLabel* note :
         {label(this, "sameBoardNote", QStringLiteral("Se deixar marcado o quadradinho acima, "),
                {16, 104, 272, 16}),
          label(this, "passTurnNote", QStringLiteral("quem errar, passa a vez para o outro."),
                {16, 120, 272, 16})}) {
        note->setPalette(red);
        note->setFont(bold);
    }

    m_ok = new QPushButton(QStringLiteral("&OK "), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setGeometry((kClientWidth - 80) / 2, 146, 80, 26);
    m_ok->setPalette(QPalette());

    // The captions end in dots; a screen reader says the boxes plainly.
    m_firstName->setAccessibleName(QStringLiteral("Nome do 1º jogador"));
    m_secondName->setAccessibleName(QStringLiteral("Nome do 2º jogador"));
    setTabOrder(m_firstName, m_secondName);
    setTabOrder(m_secondName, m_sameBoard);
    setTabOrder(m_sameBoard, m_ok);

    connect(m_firstName, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_rules.firstName = text.toStdString(); });
    connect(m_secondName, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_rules.secondName = text.toStdString(); });
    connect(m_sameBoard, &QCheckBox::toggled, this,
            [this](bool checked) { m_rules.sameBoard = checked; });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_rules.acceptClick();
        render();
    });
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_firstName, m_secondName, m_sameBoard, m_ok})
        control->installEventFilter(this);
}

void PlayerNamesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    m_rules.activate();
    render();
}

bool PlayerNamesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Clicks and Tab move the focus too; the rules must know where it is.
        m_rules.focus = watched->objectName().toStdString();
    } else if (event->type() == QEvent::KeyPress &&
               (watched == m_firstName || watched == m_secondName)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter must not reach the dialog, which would press OK.
            const bool swallowed = watched == m_firstName ? m_rules.firstNameKeyPress('\r')
                                                          : m_rules.secondNameKeyPress('\r');
            if (swallowed) {
                render();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

QWidget* PlayerNamesDialog::focusTarget(const std::string& name) const {
    if (name == "firstPlayerName")
        return m_firstName;
    if (name == "secondPlayerName")
        return m_secondName;
    if (name == "sameBoard")
        return m_sameBoard;
    if (name == "ok")
        return m_ok;
    return nullptr;
}

void PlayerNamesDialog::render() {
    const QString firstName = QString::fromStdString(m_rules.firstName);
    if (m_firstName->text() != firstName)
        m_firstName->setText(firstName);
    const QString secondName = QString::fromStdString(m_rules.secondName);
    if (m_secondName->text() != secondName)
        m_secondName->setText(secondName);
    if (m_sameBoard->isChecked() != m_rules.sameBoard)
        m_sameBoard->setChecked(m_rules.sameBoard);
    if (QWidget* target = focusTarget(m_rules.focus); target && !target->hasFocus())
        target->setFocus();
    if (m_rules.closed() && isVisible())
        accept();
}

void runPlayerNamesDialog(PlayerNamesRules rules, QWidget* owner) {
    PlayerNamesDialog dialog(std::move(rules), owner);
    dialog.exec();
}

} // namespace qv
