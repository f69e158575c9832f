#include "dialogs/TForm_aviso.h"

#include "dialogs/PenaltyNotice.h"
#include "platform/qt/InputGuard.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

namespace qv {

namespace {

const QString kFontFamily = QStringLiteral("Liberation Sans");
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

QLabel* label(QWidget* parent, const char* name, QRect bounds, Qt::Alignment align) {
    auto* result = new QLabel(parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(bounds);
    result->setAlignment(align);
    QFont font = result->font();
    font.setBold(true);
    result->setFont(font);
    return result;
}

} // namespace

TForm_aviso::TForm_aviso(PenaltyNotice& notice, QWidget* owner) : QDialog(owner), m_notice(notice) {
    setObjectName(QStringLiteral("Form_aviso"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(200, 134);
    QFont font(kFontFamily);
    font.setPointSizeF(8);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kYellow);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    m_label1 = label(this, "Label1", {8, 8, 92, 18}, Qt::AlignLeft | Qt::AlignVCenter);
    m_points = label(this, "label_pontos", {100, 8, 46, 18}, Qt::AlignCenter);
    QPalette red = palette;
    red.setColor(QPalette::WindowText, kRed);
    m_points->setPalette(red);
    m_label2 = label(this, "Label2", {148, 8, 46, 18}, Qt::AlignLeft | Qt::AlignVCenter);

    m_memo1 = new QPlainTextEdit(this);
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setAccessibleName(QStringLiteral("Penalidade"));
    m_memo1->setGeometry(6, 30, 188, 70);
    m_memo1->setReadOnly(true);
    m_memo1->setEnabled(false);
    m_memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo1->document()->setDocumentMargin(2);
    QFont memoFont = font;
    memoFont.setPointSizeF(7.5);
    m_memo1->setFont(memoFont);
    // Disabled so it takes no focus nor selection, but its rule must stay readable.
    QPalette memo = palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        memo.setColor(group, QPalette::Base, kYellow);
        memo.setColor(group, QPalette::Text, Qt::black);
    }
    m_memo1->setPalette(memo);

    m_button1 = new QPushButton(QStringLiteral("&OK"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setGeometry(62, 104, 76, 24);
    m_button1->setToolTip(QStringLiteral("Fecha este aviso"));
    m_button1->setPalette(QPalette());
    m_button1->setDefault(true);
    connect(m_button1, &QPushButton::clicked, this, [this] {
        m_notice.Button1Click();
        render();
    });

    render();
}

void TForm_aviso::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TForm_aviso::render() {
    setWindowTitle(QString::fromStdString(m_notice.Caption));
    m_label1->setText(QString::fromStdString(m_notice.Label1));
    m_points->setText(QString::fromStdString(m_notice.label_pontos));
    m_label2->setText(QString::fromStdString(m_notice.Label2));
    QStringList lines;
    for (const std::string& line : m_notice.Memo1)
        lines << QString::fromStdString(line);
    const QString memo = lines.join(QLatin1Char('\n'));
    if (m_memo1->toPlainText() != memo) {
        m_memo1->setPlainText(memo);
        // The rule box takes no focus; the window tells it to screen readers.
        setAccessibleDescription(lines.join(QLatin1Char(' ')).simplified());
    }
    if (m_notice.visible() != isVisible()) {
        setVisible(m_notice.visible());
        if (m_notice.visible())
            m_button1->setFocus();
    }
}

void runPenaltyNotice(PenaltyNotice& notice, TForm_aviso& window,
                      std::function<void()> renderMainWindow) {
    QEventLoop loop;
    const auto refresh = [&] {
        window.render();
        if (renderMainWindow)
            renderMainWindow();
        if (notice.closed())
            loop.quit();
    };
    // A hidden modal window no longer blocks anything, and disabling the main
    // window would grey it while its score counts down: input outside the notice
    // is kept away this way.
    InputGuard guard([&window](QObject* watched) {
        if (auto* widget = qobject_cast<QWidget*>(watched))
            return widget != &window && !window.isAncestorOf(widget);
        if (auto* handle = qobject_cast<QWindow*>(watched))
            return handle != window.windowHandle();
        return true;
    });
    notice.setOnChange(refresh);
    notice.FormShow();
    window.render();
    if (!notice.closed())
        loop.exec();
    notice.setOnChange({});
    window.render();
    if (renderMainWindow)
        renderMainWindow();
}

} // namespace qv
