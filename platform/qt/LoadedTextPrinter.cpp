#include "platform/qt/LoadedTextPrinter.h"

#include "platform/qt/PrintModule.h"

#include <QCoreApplication>

namespace qv {

LoadedTextPrinter::LoadedTextPrinter()
    : m_module(QCoreApplication::applicationDirPath() + QStringLiteral("/") +
               QStringLiteral(QV_PRINT_MODULE)) {
}

LoadedTextPrinter::~LoadedTextPrinter() {
    // The printer's code lives in the module: it goes first. The module stays
    // loaded to the end of the run, as Qt keeps state of its own in it.
    m_printer.reset();
}

bool LoadedTextPrinter::open() {
    if (!m_printer) {
        const auto make =
            reinterpret_cast<MakeDefaultPrinter>(m_module.resolve(kMakeDefaultPrinter));
        if (!make)
            return false;
        m_printer.reset(make());
    }
    return m_printer && m_printer->open();
}

bool LoadedTextPrinter::writeLine(const std::string& line) {
    return m_printer && m_printer->writeLine(line);
}

bool LoadedTextPrinter::close() {
    return m_printer && m_printer->close();
}

} // namespace qv
