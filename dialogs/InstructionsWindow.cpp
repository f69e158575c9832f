#include "dialogs/InstructionsWindow.h"

#include "dialogs/ManualPrinting.h"
#include "widgets/DesignLook.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <string>
#include <vector>

namespace qv {

namespace {

constexpr int kClientWidth = 424;
constexpr int kClientHeight = 273;

QString manualText() {
    QFile file(QStringLiteral(":/manual/instrucoes.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    // The file's last line break would show as an empty line below the text.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(bounds);
    return result;
}

} // namespace

InstructionsWindow::InstructionsWindow(Dialogs& dialogs, TextPrinter& printer, QWidget* owner)
    : QDialog(owner), m_dialogs(dialogs), m_printer(printer) {
    setObjectName(QStringLiteral("instructionsWindow"));
    setWindowTitle(QStringLiteral("Instruções"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("manualFrame"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(6, 6, kClientWidth - 12, 226);

    m_manual = new QTextEdit(this);
    m_manual->setObjectName(QStringLiteral("manual"));
    m_manual->setAccessibleName(QStringLiteral("Instruções do jogo"));
    m_manual->setGeometry(bevel->geometry().adjusted(3, 3, -3, -3));
    m_manual->setFrameStyle(QFrame::NoFrame);
    m_manual->setReadOnly(true);
    // Read-only, yet the keyboard still scrolls and selects, and Tab leaves the box.
    m_manual->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_manual->setTabChangesFocus(true);
    m_manual->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_manual->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_manual->setFont(designFont(8));
    QPalette palette = m_manual->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    palette.setColor(QPalette::Text, Qt::black);
    // The selection stays visible while another control has the focus.
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    m_manual->setPalette(palette);
    m_manual->setPlainText(manualText());

    QPushButton* ok = button(this, "ok", QStringLiteral("&OK"), {172, 239, 80, 27});
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    QPushButton* print =
        button(this, "print", QStringLiteral("&Imprimir"), {kClientWidth - 88, 239, 80, 27});
    QPalette red = print->palette();
    red.setColor(QPalette::ButtonText, Qt::red);
    print->setPalette(red);

    setTabOrder(m_manual, ok);
    setTabOrder(ok, print);
    m_manual->setFocus();

    connect(ok, &QPushButton::clicked, this, [this] { okClick(); });
    connect(print, &QPushButton::clicked, this, [this] { printClick(); });
}

QStringList InstructionsWindow::shownLines() const {
    QTextDocument* document = m_manual->document();
    // Lays out what the box has not drawn yet, at the box's width.
    document->documentLayout()->documentSize();
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (layout->lineCount() == 0) {
            lines << QString();
            continue;
        }
        for (int index = 0; index < layout->lineCount(); ++index) {
            const QTextLine line = layout->lineAt(index);
            // The space at which the box broke the line is not printed.
            QString piece = block.text().mid(line.textStart(), line.textLength());
            while (piece.endsWith(QLatin1Char(' ')))
                piece.chop(1);
            lines << piece;
        }
    }
    return lines;
}

void InstructionsWindow::okClick() {
    accept();
}

void InstructionsWindow::printClick() {
    std::vector<std::string> lines;
    for (const QString& line : shownLines())
        lines.push_back(line.toStdString());
    printManual(lines, m_dialogs, m_printer);
}

void runInstructionsWindow(Dialogs& dialogs, TextPrinter& printer, QWidget* owner) {
    InstructionsWindow window(dialogs, printer, owner);
    window.exec();
}

} // namespace qv
