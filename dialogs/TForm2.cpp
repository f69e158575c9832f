#include "dialogs/TForm2.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

namespace {

const QString kFontFamily = QStringLiteral("Liberation Sans");
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

TForm2::TForm2(Game& game, QWidget* owner) : QDialog(owner), m_rules(game) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Cadastrar Jogadores"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    QFont font(kFontFamily);
    font.setPointSizeF(9);
    setFont(font);

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    // Text on the selection colour is drawn in the colour made for it.
    palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
    setPalette(palette);
    setAutoFillBackground(true);

    label(this, "Label2", QStringLiteral("1º Jogador....:"), {16, 19, 90, 16});
    m_edit1 = nameBox(this, "Edit1", {108, 16, 176, 22});
    label(this, "Label1", QStringLiteral("2º Jogador....:"), {16, 51, 90, 16});
    m_edit2 = nameBox(this, "Edit2", {108, 48, 176, 22});

    m_checkBox1 = new QCheckBox(QStringLiteral("Os dois disputando a mesma partida."), this);
    m_checkBox1->setObjectName(QStringLiteral("CheckBox1"));
    m_checkBox1->setGeometry(14, 82, 272, 20);

    QPalette red = palette;
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    // Red on the selection colour reads poorly in thin strokes.
    QFont bold = font;
    bold.setBold(true);
    for (QLabel* note :
         {label(this, "Label3", QStringLiteral("Se deixar marcado o quadradinho acima, "),
                {16, 104, 272, 16}),
          label(this, "Label4", QStringLiteral("quem errar, passa a vez para o outro."),
                {16, 120, 272, 16})}) {
        note->setPalette(red);
        note->setFont(bold);
    }

    m_button1 = new QPushButton(QStringLiteral("&OK "), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setGeometry((kClientWidth - 80) / 2, 146, 80, 26);
    m_button1->setPalette(QPalette());

    // The captions end in dots; a screen reader says the boxes plainly.
    m_edit1->setAccessibleName(QStringLiteral("Nome do 1º jogador"));
    m_edit2->setAccessibleName(QStringLiteral("Nome do 2º jogador"));
    setTabOrder(m_edit1, m_edit2);
    setTabOrder(m_edit2, m_checkBox1);
    setTabOrder(m_checkBox1, m_button1);

    connect(m_edit1, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_rules.Edit1 = text.toStdString(); });
    connect(m_edit2, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_rules.Edit2 = text.toStdString(); });
    connect(m_checkBox1, &QCheckBox::toggled, this,
            [this](bool checked) { m_rules.CheckBox1 = checked; });
    connect(m_button1, &QPushButton::clicked, this, [this] {
        m_rules.Button1Click();
        render();
    });
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_edit1, m_edit2, m_checkBox1, m_button1})
        control->installEventFilter(this);
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    m_rules.FormActivate();
    render();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Clicks and Tab move the focus too; the rules must know where it is.
        m_rules.focus = watched->objectName().toStdString();
    } else if (event->type() == QEvent::KeyPress && (watched == m_edit1 || watched == m_edit2)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter must not reach the dialog, which would press OK.
            const bool swallowed =
                watched == m_edit1 ? m_rules.Edit1KeyPress('\r') : m_rules.Edit2KeyPress('\r');
            if (swallowed) {
                render();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

QWidget* TForm2::focusTarget(const std::string& name) const {
    if (name == "Edit1")
        return m_edit1;
    if (name == "Edit2")
        return m_edit2;
    if (name == "CheckBox1")
        return m_checkBox1;
    if (name == "Button1")
        return m_button1;
    return nullptr;
}

void TForm2::render() {
    const QString edit1 = QString::fromStdString(m_rules.Edit1);
    if (m_edit1->text() != edit1)
        m_edit1->setText(edit1);
    const QString edit2 = QString::fromStdString(m_rules.Edit2);
    if (m_edit2->text() != edit2)
        m_edit2->setText(edit2);
    if (m_checkBox1->isChecked() != m_rules.CheckBox1)
        m_checkBox1->setChecked(m_rules.CheckBox1);
    if (QWidget* target = focusTarget(m_rules.focus); target && !target->hasFocus())
        target->setFocus();
    if (m_rules.closed() && isVisible())
        accept();
}

void runPlayerNamesDialog(Game& game, QWidget* owner) {
    TForm2 dialog(game, owner);
    dialog.exec();
}

} // namespace qv
