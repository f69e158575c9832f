#pragma once

#include <QWidget>

namespace qv {

/// A live status line that only screen readers see: it paints nothing and takes
/// no clicks. Each announcement becomes its name and it shows itself anew, which
/// is how a notification is spoken on this desktop's accessibility bus.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void say(const QString& text);

Q_SIGNALS:
    /// After each announcement, whether or not a screen reader listens.
    void said(const QString& text);
};

} // namespace qv
