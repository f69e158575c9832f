#pragma once

#include "platform/Dialogs.h"

#include <functional>
#include <map>

class QWidget;

namespace qv {

/// Message and input boxes as Qt dialogs over the main window.
class QtDialogs final : public Dialogs {
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    /// Runs before every box, so the window shows the state the box speaks of.
    void setBeforeModal(std::function<void()> hook) { m_beforeModal = std::move(hook); }
    void setWindowOpener(ModalWindow window, std::function<void()> open) {
        m_openers[window] = std::move(open);
    }

    void showMessage(const std::string& text) override;
    Answer messageDlg(const std::string& text, MessageKind kind, Buttons buttons) override;
    Answer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                      Buttons buttons) override;
    std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& defaultText) override;
    void showModal(ModalWindow window) override;

private:
    void beforeModal() const;

    QWidget* m_parent = nullptr;
    std::function<void()> m_beforeModal;
    std::map<ModalWindow, std::function<void()>> m_openers;
};

} // namespace qv
