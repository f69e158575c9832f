#include "platform/qt/QtDialogs.h"

#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace qv {

namespace {

/// Room a window frame takes beside its title: the icon and three buttons.
constexpr int kTitleFrame = 120;

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Answer run(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon,
           Buttons buttons) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::NoButton, parent);
    if (buttons == Buttons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(buttons == Buttons::YesNoDefaultNo ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

} // namespace

void QtDialogs::beforeModal() const {
    if (m_beforeModal)
        m_beforeModal();
}

void QtDialogs::showMessage(const std::string& text) {
    beforeModal();
    run(m_parent, QString::fromUtf8(kApplicationTitle), QString::fromStdString(text),
        MessageIcon::None, Buttons::Ok);
}

Answer QtDialogs::messageDlg(const std::string& text, MessageKind kind, Buttons buttons) {
    beforeModal();
    const TypedBox typed = typedBox(kind);

    return run(m_parent, QString::fromUtf8(typed.caption), QString::fromStdString(text), typed.icon,
               buttons);
}

Answer QtDialogs::messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                             Buttons buttons) {
    beforeModal();
    return run(m_parent, QString::fromStdString(caption), QString::fromStdString(text), icon,
               buttons);
}

std::optional<std::string> QtDialogs::inputQuery(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& defaultText) {
    beforeModal();
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(QString::fromStdString(caption));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    // The title says which record was broken: the box is made wide enough to
    // show it whole beside the frame's icon and buttons.
    // Its layout sets its size from the contents, so the text line is widened.
    const int titleWidth = dialog.fontMetrics().horizontalAdvance(dialog.windowTitle());
    if (auto* line = dialog.findChild<QLineEdit*>(); line && dialog.layout()) {
        const QMargins margins = dialog.layout()->contentsMargins();
        line->setMinimumWidth(titleWidth + kTitleFrame - margins.left() - margins.right());
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

void QtDialogs::showModal(ModalWindow window) {
    beforeModal();
    auto opener = m_openers.find(window);
    if (opener != m_openers.end())
        opener->second();
}

} // namespace qv
