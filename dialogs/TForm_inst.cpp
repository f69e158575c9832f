#include "dialogs/TForm_inst.h"

#include "dialogs/ManualPrinting.h"

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

TForm_inst::TForm_inst(Dialogs& dialogs, TextPrinter& printer, QWidget* owner)
    : QDialog(owner), m_dialogs(dialogs), m_printer(printer) {
    setObjectName(QStringLiteral("Form_inst"));
    setWindowTitle(QStringLiteral("Instruções"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(6, 6, kClientWidth - 12, 226);

    m_richEdit1 = new QTextEdit(this);
    m_richEdit1->setObjectName(QStringLiteral("RichEdit1"));
    m_richEdit1->setAccessibleName(QStringLiteral("Instruções do jogo"));
    m_richEdit1->setGeometry(bevel->geometry().adjusted(3, 3, -3, -3));
    m_richEdit1->setFrameStyle(QFrame::NoFrame);
    m_richEdit1->setReadOnly(true);
    // Read-only, yet the keyboard still scrolls and selects, and Tab leaves the box.
    m_richEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_richEdit1->setTabChangesFocus(true);
    m_richEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_richEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    m_richEdit1->setFont(font);
    QPalette palette = m_richEdit1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    palette.setColor(QPalette::Text, Qt::black);
    // The selection stays visible while another control has the focus.
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    m_richEdit1->setPalette(palette);
    m_richEdit1->setPlainText(manualText());

    QPushButton* ok = button(this, "BitBtn1", QStringLiteral("&OK"), {172, 239, 80, 27});
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    QPushButton* print =
        button(this, "Button1", QStringLiteral("&Imprimir"), {kClientWidth - 88, 239, 80, 27});
    QPalette red = print->palette();
    red.setColor(QPalette::ButtonText, Qt::red);
    print->setPalette(red);

    setTabOrder(m_richEdit1, ok);
    setTabOrder(ok, print);
    m_richEdit1->setFocus();

    connect(ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(print, &QPushButton::clicked, this, [this] { Button1Click(); });
}

QStringList TForm_inst::shownLines() const {
    QTextDocument* document = m_richEdit1->document();
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

void TForm_inst::BitBtn1Click() {
    accept();
}

void TForm_inst::Button1Click() {
    std::vector<std::string> lines;
    for (const QString& line : shownLines())
        lines.push_back(line.toStdString());
    printManual(lines, m_dialogs, m_printer);
}

void runInstructionsWindow(Dialogs& dialogs, TextPrinter& printer, QWidget* owner) {
    TForm_inst window(dialogs, printer, owner);
    window.exec();
}

} // namespace qv
