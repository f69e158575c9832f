#pragma once

#include <optional>
#include <string>

namespace qv {

/// The application title: the caption of every plain message box.
inline constexpr const char* kApplicationTitle = "Quorva Nella 2.0";

/// Typed boxes carry a standard caption: "Warning", "Error", "Information", "Confirm".
enum class MessageKind { Warning, Error, Information, Confirm };
enum class MessageIcon { None, Stop, Warning, Information, Question };
/// YesNoDefaultNo: Enter answers No, for questions whose Yes cannot be undone.
enum class Buttons { Ok, YesNo, YesNoDefaultNo };
enum class Answer { Ok, Yes, No };

/// The standard caption and icon of a typed box.
struct TypedBox {
    const char* caption;
    MessageIcon icon;
};

constexpr TypedBox typedBox(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return {"Warning", MessageIcon::Warning};
    case MessageKind::Error:
        return {"Error", MessageIcon::Stop};
    case MessageKind::Information:
        return {"Information", MessageIcon::Information};
    case MessageKind::Confirm:
        break;
    }
    return {"Confirm", MessageIcon::Question};
}

/// The program's modal windows, opened by the rules and run by the window side.
enum class ModalWindow {
    PlayerNames,
    PenaltyNotice,
    Records,
    GameDefinition,
    CategoryChooser,
    PhotoManager,
    SoundSettings,
    Instructions,
    About,
};

/// Message boxes, input boxes and modal windows. Every call blocks until the
/// person answers, while the main window's timers keep firing.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    /// Plain box: the application title as caption, an OK button, no icon.
    virtual void showMessage(const std::string& text) = 0;
    /// Typed box with its standard caption and icon.
    virtual Answer messageDlg(const std::string& text, MessageKind kind, Buttons buttons) = 0;
    /// Box with its own caption and icon.
    virtual Answer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                              Buttons buttons) = 0;
    /// Input box; Cancel returns the default text.
    std::string inputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) {
        return inputQuery(caption, prompt, defaultText).value_or(defaultText);
    }
    /// Input box that tells Cancel apart: no value when the person cancelled.
    virtual std::optional<std::string> inputQuery(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string& defaultText) = 0;
    virtual void showModal(ModalWindow window) = 0;
    /// The application's general error display: the title as caption, a stop icon.
    void showError(const std::string& text) {
        messageBox(text, kApplicationTitle, MessageIcon::Stop, Buttons::Ok);
    }
};

} // namespace qv
