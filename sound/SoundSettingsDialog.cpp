#include "sound/SoundSettingsDialog.h"

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

SoundSettingsDialog::SoundSettingsDialog(SoundEffects& effects, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_form(effects, dialogs) {
    setObjectName(QStringLiteral("soundSettingsDialog"));
    setWindowTitle(QStringLiteral("Quorvanella 2.0"));
    setFixedSize(307, 368);
    buildControls();
    m_form.open();
    render();
}

void SoundSettingsDialog::buildControls() {
    auto* title = new QLabel(QStringLiteral("Defina os efeitos sonoros ..."), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setGeometry(12, 8, 283, 20);

    auto* group = new QGroupBox(QStringLiteral("Usar sons via...:"), this);
    group->setGeometry(12, 32, 283, 68);
    m_soundCard = new QRadioButton(QStringLiteral("Placa de som"), group);
    m_soundCard->setObjectName(QStringLiteral("soundCard"));
    m_soundCard->setGeometry(12, 20, 250, 20);
    m_pcSpeaker = new QRadioButton(QStringLiteral("Alto-falante do micro"), group);
    m_pcSpeaker->setObjectName(QStringLiteral("pcSpeaker"));
    m_pcSpeaker->setGeometry(12, 42, 250, 20);
    connect(m_soundCard, &QRadioButton::clicked, this, [this] {
        collect();
        m_form.soundCardClick();
        render();
    });
    connect(m_pcSpeaker, &QRadioButton::clicked, this, [this] {
        collect();
        m_form.pcSpeakerClick();
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

    m_save = new QPushButton(QStringLiteral("&Gravar"), this);
    m_save->setObjectName(QStringLiteral("save"));
    m_save->setGeometry(60, 330, 85, 26);
    m_save->setDefault(true);
    m_undo = new QPushButton(QStringLiteral("&Desfazer"), this);
    m_undo->setObjectName(QStringLiteral("undo"));
    m_undo->setGeometry(162, 330, 85, 26);
    m_undo->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, [this] {
        collect();
        m_form.saveClick();
        if (m_form.done)
            accept();
    });
    connect(m_undo, &QPushButton::clicked, this, [this] {
        m_form.undoClick();
        render();
    });
}

void SoundSettingsDialog::render() {
    m_soundCard->setChecked(m_form.soundCard);
    m_pcSpeaker->setChecked(m_form.pcSpeaker);
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

void SoundSettingsDialog::collect() {
    m_form.soundCard = m_soundCard->isChecked();
    m_form.pcSpeaker = m_pcSpeaker->isChecked();
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        m_form.rows[r].checked = m_rows[r].check->isChecked();
        m_form.rows[r].selected = m_rows[r].list->currentIndex();
    }
}

void runSoundSettings(SoundEffects& effects, Dialogs& dialogs, QWidget* parent) {
    QPointer<SoundSettingsDialog> dialog = new SoundSettingsDialog(effects, dialogs, parent);
    dialog->exec();
    delete dialog;
}

} // namespace qv
