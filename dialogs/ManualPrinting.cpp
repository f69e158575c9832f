#include "dialogs/ManualPrinting.h"

#include "platform/Dialogs.h"
#include "platform/TextPrinter.h"

namespace qv {

void printManual(const std::vector<std::string>& lines, Dialogs& dialogs, TextPrinter& printer) {
    if (dialogs.messageBox(kPrintQuestion, kPrintQuestionCaption, MessageIcon::Information,
                           Buttons::YesNo) != Answer::Yes)
        return;

    bool printed = printer.open();
    if (printed) {
        for (const std::string& line : lines) {
            if (!printer.writeLine(line)) {
                printed = false;
                break;
            }
        }
        // A half-written job must still leave the printer's queue.
        printed = printer.close() && printed;
    }
    if (!printed)
        dialogs.messageDlg(kPrintFailed, MessageKind::Error, Buttons::Ok);
}

} // namespace qv
