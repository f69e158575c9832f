#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTextEdit;

namespace qv {

class Dialogs;
class TextPrinter;

/// The "Instruções" window: the game's manual in a read-only text box, "&OK" to
/// close it and "&Imprimir" to print it.
class InstructionsWindow final : public QDialog {
public:
    InstructionsWindow(Dialogs& dialogs, TextPrinter& printer, QWidget* owner);

    /// The manual's lines as the text box shows them: a line the box wraps gives
    /// one entry per piece, an empty line an empty entry.
    QStringList shownLines() const;

private:
    void okClick();
    void printClick();

    Dialogs& m_dialogs;
    TextPrinter& m_printer;
    QTextEdit* m_manual = nullptr;
};

/// Opens the window modally over `owner` and destroys it when it closes.
void runInstructionsWindow(Dialogs& dialogs, TextPrinter& printer, QWidget* owner);

} // namespace qv
