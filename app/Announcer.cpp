#include "app/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace qv {

namespace {

QAccessibleInterface* announcerInterface(const QString&, QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool registered = [] {
        QAccessible::installFactory(announcerInterface);
        return true;
    }();
    (void)registered;
    setObjectName(QStringLiteral("Anuncio"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(1, 1);
    lower();
}

void Announcer::say(const QString& text) {
    if (accessibleName() == text) {
        // The same news again (a second miss in a row) is news all the same.
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    } else {
        setAccessibleName(text);
    }
    hide();
    show();
    Q_EMIT said(text);
}

} // namespace qv
