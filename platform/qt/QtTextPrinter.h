#pragma once

#include "platform/TextPrinter.h"

#include <QString>

#include <memory>

class QPainter;
class QPrinter;

namespace qv {

/// The printer as a text device through Qt's print support: the system's default
/// printer, a printer named by the caller, or a PDF file.
class QtTextPrinter final : public TextPrinter {
public:
    /// Prints on the system's default printer.
    QtTextPrinter();
    ~QtTextPrinter() override;
    /// Prints on the printer of that name.
    static std::unique_ptr<QtTextPrinter> named(const QString& printerName);
    /// Writes the pages into a PDF file, as a printer would print them.
    static std::unique_ptr<QtTextPrinter> toPdfFile(const QString& path);

    bool open() override;
    bool writeLine(const std::string& line) override;
    bool close() override;

private:
    QString m_printerName;
    QString m_pdfFile;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    int m_top = 0;
};

} // namespace qv
