#include "app/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace qv {

namespace {

QAccessibleInterface* announcerInterface(const QString&, QObject* object) {
    auto* line = qobject_cast<QWidget*>(object);
    if (line && qobject_cast<Announcer*>(line->parentWidget()))
        return new QAccessibleWidget(line, QAccessible::Notification);
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
    for (QWidget*& line : m_lines) {
        line = new QWidget(this);
        line->setFocusPolicy(Qt::NoFocus);
        line->setFixedSize(1, 1);
        line->hide();
    }
}

void Announcer::say(const QString& text) {
    QWidget* line = m_lines[m_next];
    m_next = (m_next + 1) % m_lines.size();
    if (line->accessibleName() == text) {
        // The same news again (a second miss in a row) is news all the same.
        QAccessibleEvent event(line, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    } else {
        line->setAccessibleName(text);
    }
    line->hide();
    line->show();
    Q_EMIT said(text);
}

} // namespace qv
