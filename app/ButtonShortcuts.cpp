#include "app/ButtonShortcuts.h"

#include <QAbstractButton>
#include <QShortcut>

namespace qv {

namespace {

struct ButtonKey {
    Role button;
    Qt::Key key;
};

constexpr ButtonKey kButtonKeys[] = {
    {Role::PlayButton, Qt::Key_F2},
    {Role::StopButton, Qt::Key_Escape},
};

} // namespace

QString hintWithShortcut(const std::string& control, const std::string& hint) {
    QString text = QString::fromStdString(hint);
    for (const ButtonKey& entry : kButtonKeys) {
        if (control == roleName(entry.button) && !text.isEmpty())
            text += QStringLiteral(" (%1)").arg(
                QKeySequence(entry.key).toString(QKeySequence::NativeText));
    }
    return text;
}

void addButtonShortcuts(QWidget& window, const std::function<QAbstractButton*(Role)>& button) {
    for (const ButtonKey& entry : kButtonKeys) {
        QAbstractButton* target = button(entry.button);
        auto* shortcut = new QShortcut(QKeySequence(entry.key), &window);
        QObject::connect(shortcut, &QShortcut::activated, target, [target] {
            if (target->isEnabled() && target->isVisible())
                target->click();
        });
    }
}

} // namespace qv
