#include "tests/fakes/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace qv::test {

const ShownBox& ScriptedDialogs::last() const {
    static const ShownBox kNothing{};
    if (m_shown.empty()) {
        ADD_FAILURE() << "no box was shown";
        return kNothing;
    }
    return m_shown.back();
}

ShownBox& ScriptedDialogs::record(ShownBox::Type type, std::string caption, std::string text,
                                  MessageIcon icon, Buttons buttons) {
    ShownBox box;
    box.type = type;
    box.caption = std::move(caption);
    box.text = std::move(text);
    box.icon = icon;
    box.buttons = buttons;
    m_shown.push_back(std::move(box));
    return m_shown.back();
}

Answer ScriptedDialogs::nextAnswer(Buttons buttons) {
    if (m_answers.empty()) {
        if (buttons != Buttons::Ok)
            ADD_FAILURE() << "a yes/no box was shown with no scripted answer: " << last().text;
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedDialogs::showMessage(const std::string& text) {
    record(ShownBox::Type::Plain, kApplicationTitle, text);
    nextAnswer(Buttons::Ok);
}

Answer ScriptedDialogs::messageDlg(const std::string& text, MessageKind kind, Buttons buttons) {
    const TypedBox typed = typedBox(kind);

    record(ShownBox::Type::Typed, typed.caption, text, typed.icon, buttons);
    return nextAnswer(buttons);
}

Answer ScriptedDialogs::messageBox(const std::string& text, const std::string& caption,
                                   MessageIcon icon, Buttons buttons) {
    record(ShownBox::Type::OwnCaption, caption, text, icon, buttons);
    return nextAnswer(buttons);
}

std::optional<std::string> ScriptedDialogs::inputQuery(const std::string& caption,
                                                       const std::string& prompt,
                                                       const std::string& defaultText) {
    record(ShownBox::Type::Input, caption, prompt).defaultText = defaultText;
    if (m_inputs.empty())
        return std::nullopt;
    std::optional<std::string> typed = m_inputs.front();
    m_inputs.pop_front();
    return typed;
}

void ScriptedDialogs::showModal(ModalWindow window) {
    record(ShownBox::Type::Window, {}, {}).window = window;
    auto run = m_windows.find(window);
    if (run != m_windows.end())
        run->second();
}

} // namespace qv::test
