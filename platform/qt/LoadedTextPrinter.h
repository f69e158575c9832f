#pragma once

#include "platform/TextPrinter.h"

#include <QLibrary>

#include <memory>

namespace qv {

/// The default printer, with Qt's print support loaded only when a job starts:
/// it brings the printing system's libraries with it, which a game that never
/// prints should not load at every start. The print module lies beside the
/// program; without it there is no printer.
class LoadedTextPrinter final : public TextPrinter {
public:
    LoadedTextPrinter();
    ~LoadedTextPrinter() override;
    LoadedTextPrinter(const LoadedTextPrinter&) = delete;
    LoadedTextPrinter& operator=(const LoadedTextPrinter&) = delete;

    bool open() override;
    bool writeLine(const std::string& line) override;
    bool close() override;

private:
    QLibrary m_module;
    std::unique_ptr<TextPrinter> m_printer;
};

} // namespace qv
