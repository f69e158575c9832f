// The print module: Qt's print support, loaded by the game when it first prints.
#include "platform/qt/PrintModule.h"
#include "platform/qt/QtTextPrinter.h"

extern "C" Q_DECL_EXPORT qv::TextPrinter* quorvanella_make_default_printer() {
    return new qv::QtTextPrinter();
}
