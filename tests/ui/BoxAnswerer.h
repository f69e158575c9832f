#pragma once

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

/// Texts in a failing test's message, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace qv::test {

/// What a message or input box showed while it was open.
struct SeenBox {
    bool input = false;
    QWidget* parent = nullptr;
    QString caption;
    QString text; ///< the message, or an input box's prompt
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString inputText; ///< an input box's text when it opened
    int width = 0;
};

/// Answers the real boxes as a person would: each one that opens is looked at
/// while it is open, kept, and closed by the given hand. Other modal windows are
/// left alone.
class BoxAnswerer {
public:
    /// Closes one box; by default it presses Enter.
    using Hand = std::function<void(QDialog& box, const SeenBox& seen)>;

    explicit BoxAnswerer(Hand hand = {}) : m_hand(std::move(hand)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
        m_timer.start(5);
    }

    const std::vector<SeenBox>& seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

    static void press(QDialog& box, const QString& caption) {
        for (QPushButton* button : box.findChildren<QPushButton*>()) {
            if (button->text() == caption && button->isVisible()) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << caption.toStdString();
        box.done(QDialog::Rejected);
    }

private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_last)
            return;
        SeenBox seen;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.caption = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                seen.buttons.push_back(button->text());
            if (box->defaultButton())
                seen.defaultButton = box->defaultButton()->text();
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            seen.input = true;
            seen.caption = input->windowTitle();
            seen.text = input->labelText();
            seen.inputText = input->textValue();
            seen.buttons = {input->okButtonText(), input->cancelButtonText()};
        } else {
            return;
        }
        m_last = modal;
        seen.parent = modal->parentWidget();
        seen.width = modal->width();
        m_seen.push_back(seen);
        auto* box = static_cast<QDialog*>(modal);
        if (m_hand)
            m_hand(*box, seen);
        else
            QTest::keyClick(box, Qt::Key_Return);
    }

    Hand m_hand;
    QTimer m_timer;
    QPointer<QWidget> m_last; ///< empty again once that box is gone
    std::vector<SeenBox> m_seen;
};

} // namespace qv::test
