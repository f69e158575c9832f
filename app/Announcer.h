#pragma once

#include <QWidget>

#include <array>

namespace qv {

/// A live status line that only screen readers see: it paints nothing and takes
/// no clicks. Each announcement becomes the name of one of its few lines, which
/// shows itself anew: that is how a notification is spoken on this desktop's
/// accessibility bus. A screen reader reads a line's name a little after the
/// event, so the next news goes to the next line and never overwrites one that
/// may still be waiting to be read.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void say(const QString& text);

Q_SIGNALS:
    /// After each announcement, whether or not a screen reader listens.
    void said(const QString& text);

private:
    std::array<QWidget*, 3> m_lines{};
    std::size_t m_next = 0;
};

} // namespace qv
