#include "platform/qt/QtTextPrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace qv {

namespace {

// One plain font for the whole job; a line the instructions window shows fits
// the width of a page in it.
QFont printFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(10);
    return font;
}

} // namespace

QtTextPrinter::QtTextPrinter() = default;
QtTextPrinter::~QtTextPrinter() {
    close();
}

std::unique_ptr<QtTextPrinter> QtTextPrinter::named(const QString& printerName) {
    auto printer = std::make_unique<QtTextPrinter>();
    printer->m_printerName = printerName;
    return printer;
}

std::unique_ptr<QtTextPrinter> QtTextPrinter::toPdfFile(const QString& path) {
    auto printer = std::make_unique<QtTextPrinter>();
    printer->m_pdfFile = path;
    return printer;
}

bool QtTextPrinter::open() {
    close();
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (m_pdfFile.isEmpty()) {
        const QPrinterInfo target = m_printerName.isEmpty()
                                        ? QPrinterInfo::defaultPrinter()
                                        : QPrinterInfo::printerInfo(m_printerName);
        if (target.isNull()) {
            m_printer.reset();
            return false;
        }
        m_printer->setPrinterName(target.printerName());
    } else {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfFile);
    }
    m_printer->setDocName(QStringLiteral("Manual do Quorvanella"));
    m_printer->setPageMargins(QMarginsF(20, 10, 20, 10), QPageLayout::Millimeter);

    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        m_printer.reset();
        return false;
    }
    m_painter->setFont(printFont());
    m_top = 0;
    return true;
}

bool QtTextPrinter::writeLine(const std::string& line) {
    if (!m_painter || !m_painter->isActive())
        return false;
    const QFontMetrics metrics = m_painter->fontMetrics();
    if (m_top > 0 && m_top + metrics.height() > m_printer->height()) {
        if (!m_printer->newPage())
            return false;
        m_top = 0;
    }
    m_painter->drawText(0, m_top + metrics.ascent(), QString::fromStdString(line));
    m_top += metrics.lineSpacing();
    return true;
}

bool QtTextPrinter::close() {
    if (!m_painter)
        return true;
    const bool ended = m_painter->end();
    m_painter.reset();
    m_printer.reset();
    return ended;
}

} // namespace qv
