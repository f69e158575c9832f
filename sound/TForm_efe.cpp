#include "sound/TForm_efe.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace qv {

namespace {

constexpr int kRowTop = 112;
constexpr int kRowStep = 30;

} // namespace

TForm_efe::TForm_efe(SoundEffects& effects, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_form(effects, dialogs) {
    setObjectName(QStringLiteral("Form_efe"));
    setWindowTitle(QStringLiteral("Quorvanella 2.0"));
    setFixedSize(307, 368);
    buildControls();
    m_form.FormCreate();
    render();
}

void TForm_efe::buildControls() {
    auto* title = new QLabel(QStringLiteral("Defina os efeitos sonoros ..."), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setGeometry(12, 8, 283, 20);

    auto* group = new QGroupBox(QStringLiteral("Usar sons via...:"), this);
    group->setGeometry(12, 32, 283, 68);
    m_placar = new QRadioButton(QStringLiteral("Placa de som"), group);
    m_placar->setObjectName(QStringLiteral("Placar"));
    m_placar->setGeometry(12, 20, 250, 20);
    m_alto = new QRadioButton(QStringLiteral("Alto-falante do micro"), group);
    m_alto->setObjectName(QStringLiteral("Alto"));
    m_alto->setGeometry(12, 42, 250, 20);
    connect(m_placar, &QRadioButton::clicked, this, [this] {
        collect();
        m_form.PlacarClick();
        render();
    });
    connect(m_alto, &QRadioButton::clicked, this, [this] {
        collect();
        m_form.AltoClick();
        render();
    });

    QPalette lime;
    lime.setColor(QPalette::Base, QColor(0, 255, 0));
    lime.setColor(QPalette::Button, QColor(0, 255, 0));
    const QIcon playIcon = style()->standardIcon(QStyle::SP_MediaPlay);
    for (std::size_t r = 0; r < kSoundRows.size(); ++r) {
        const SoundRow& row = kSoundRows[r];
        const int top = kRowTop + static_cast<int>(r) * kRowStep;
        RowWidgets& w = m_rows[r];
        w.check = new QCheckBox(QString::fromUtf8(row.caption), this);
        w.check->setObjectName(QString::fromLatin1(row.checkBox));
        w.check->setGeometry(12, top, 130, 22);
        w.list = new QComboBox(this);
        w.list->setObjectName(QString::fromLatin1(row.comboBox));
        w.list->setGeometry(146, top, 118, 22);
        w.list->setPalette(lime);
        w.play = new QPushButton(playIcon, QString(), this);
        w.play->setObjectName(QString::fromLatin1(row.playButton));
        w.play->setGeometry(268, top, 26, 22);
        w.play->setToolTip(QStringLiteral("Play"));
        w.play->setAccessibleName(QStringLiteral("Play ") + QString::fromUtf8(row.caption));
        w.play->setAutoDefault(false);
        const int number = static_cast<int>(r) + 1;
        connect(w.play, &QPushButton::clicked, this, [this, number] {
            collect();
            m_form.playRow(number);
        });
    }

    m_gravar = new QPushButton(QStringLiteral("&Gravar"), this);
    m_gravar->setObjectName(QStringLiteral("Button1"));
    m_gravar->setGeometry(60, 330, 85, 26);
    m_gravar->setDefault(true);
    m_desfazer = new QPushButton(QStringLiteral("&Desfazer"), this);
    m_desfazer->setObjectName(QStringLiteral("Button2"));
    m_desfazer->setGeometry(162, 330, 85, 26);
    m_desfazer->setAutoDefault(false);
    connect(m_gravar, &QPushButton::clicked, this, [this] {
        collect();
        m_form.Button1Click();
        if (m_form.done)
            accept();
    });
    connect(m_desfazer, &QPushButton::clicked, this, [this] {
        m_form.Button2Click();
        render();
    });
}

void TForm_efe::render() {
    m_placar->setChecked(m_form.Placar);
    m_alto->setChecked(m_form.Alto);
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const SoundSettingsForm::RowState& state = m_form.rows[r];
        RowWidgets& w = m_rows[r];
        w.check->setChecked(state.checked);
        w.list->clear();
        for (const std::string& name : state.names)
            w.list->addItem(QString::fromStdString(name));
        w.list->setCurrentIndex(state.selected);
        for (QWidget* widget : {static_cast<QWidget*>(w.check), static_cast<QWidget*>(w.list),
                                static_cast<QWidget*>(w.play)})
            widget->setEnabled(state.enabled);
    }
}

void TForm_efe::collect() {
    m_form.Placar = m_placar->isChecked();
    m_form.Alto = m_alto->isChecked();
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        m_form.rows[r].checked = m_rows[r].check->isChecked();
        m_form.rows[r].selected = m_rows[r].list->currentIndex();
    }
}

void runSoundSettings(SoundEffects& effects, Dialogs& dialogs, QWidget* parent) {
    QPointer<TForm_efe> dialog = new TForm_efe(effects, dialogs, parent);
    dialog->exec();
    delete dialog;
}

} // namespace qv
