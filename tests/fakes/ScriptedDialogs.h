#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qv::test {

/// What a box showed the person.
struct ShownBox {
    enum class Type { Plain, Typed, OwnCaption, Input, Window };
    Type type = Type::Plain;
    std::string caption;
    std::string text; ///< the message, or an input box's prompt
    MessageIcon icon = MessageIcon::None;
    Buttons buttons = Buttons::Ok;
    std::string defaultText;
    ModalWindow window = ModalWindow::About;
};

/// Dialogs that answer from a script and remember exactly what was shown. An OK
/// box answers itself; a yes/no box needs a scripted answer; an input box with
/// none is cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    void answer(Answer answer) { m_answers.push_back(answer); }
    void type(std::string text) { m_inputs.emplace_back(std::move(text)); }
    void cancelInput() { m_inputs.emplace_back(std::nullopt); }
    void onWindow(ModalWindow window, std::function<void()> run) {
        m_windows[window] = std::move(run);
    }

    const std::vector<ShownBox>& shown() const { return m_shown; }
    const ShownBox& last() const;
    void clear() { m_shown.clear(); }

    void showMessage(const std::string& text) override;
    Answer messageDlg(const std::string& text, MessageKind kind, Buttons buttons) override;
    Answer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                      Buttons buttons) override;
    std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& defaultText) override;
    void showModal(ModalWindow window) override;

private:
    ShownBox& record(ShownBox::Type type, std::string caption, std::string text,
                     MessageIcon icon = MessageIcon::None, Buttons buttons = Buttons::Ok);
    Answer nextAnswer(Buttons buttons);

    std::vector<ShownBox> m_shown;
    std::deque<Answer> m_answers;
    std::deque<std::optional<std::string>> m_inputs;
    std::map<ModalWindow, std::function<void()>> m_windows;
};

} // namespace qv::test
