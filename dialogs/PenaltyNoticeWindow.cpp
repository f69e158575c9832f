#include "dialogs/PenaltyNoticeWindow.h"

#include "match/PenaltyNotice.h"
#include "platform/qt/InputGuard.h"
#include "widgets/DesignLook.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

namespace qv {

namespace {

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

PenaltyNoticeWindow::PenaltyNoticeWindow(PenaltyNotice& notice, QWidget* owner)
    : QDialog(owner), m_notice(notice) {
    setObjectName(QStringLiteral("penaltyNoticeWindow"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(200, 134);
    const QFont font = designFont(8);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kYellow);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    m_lossLead = label(this, "lossLead", {8, 8, 92, 18}, Qt::AlignLeft | Qt::AlignVCenter);
    m_points = label(this, "penaltyPoints", {100, 8, 46, 18}, Qt::AlignCenter);
    QPalette red = palette;
    red.setColor(QPalette::WindowText, kRed);
    m_points->setPalette(red);
    m_pointsUnit = label(this, "pointsUnit", {148, 8, 46, 18}, Qt::AlignLeft | Qt::AlignVCenter);

    m_rule = new QPlainTextEdit(this);
    m_rule->setObjectName(QStringLiteral("rule"));
    m_rule->setAccessibleName(QStringLiteral("Penalidade"));
    m_rule->setGeometry(6, 30, 188, 70);
    m_rule->setReadOnly(true);
    m_rule->setEnabled(false);
    m_rule->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_rule->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rule->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rule->document()->setDocumentMargin(2);
    QFont memoFont = font;
    memoFont.setPointSizeF(7.5);
    m_rule->setFont(memoFont);
    // Disabled so it takes no focus nor selection, but its rule must stay readable.
    QPalette memo = palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        memo.setColor(group, QPalette::Base, kYellow);
        memo.setColor(group, QPalette::Text, Qt::black);
    }
    m_rule->setPalette(memo);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setGeometry(62, 104, 76, 24);
    m_ok->setToolTip(QStringLiteral("Fecha este aviso"));
    m_ok->setPalette(QPalette());
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_notice.okClick();
        render();
    });

    render();
}

void PenaltyNoticeWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void PenaltyNoticeWindow::render() {
    setWindowTitle(QString::fromStdString(m_notice.Caption));
    m_lossLead->setText(QString::fromStdString(m_notice.lossLead));
    m_points->setText(QString::fromStdString(m_notice.penaltyPoints));
    m_pointsUnit->setText(QString::fromStdString(m_notice.pointsUnit));
    QStringList lines;
    for (const std::string& line : m_notice.ruleLines)
        lines << QString::fromStdString(line);
    const QString memo = lines.join(QLatin1Char('\n'));
    if (m_rule->toPlainText() != memo) {
        m_rule->setPlainText(memo);
        // The rule box takes no focus; the window tells it to screen readers.
        setAccessibleDescription(lines.join(QLatin1Char(' ')).simplified());
    }
    if (m_notice.visible() != isVisible()) {
        setVisible(m_notice.visible());
        if (m_notice.visible())
            m_ok->setFocus();
    }
}

void runPenaltyNotice(PenaltyNotice& notice, PenaltyNoticeWindow& window,
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
    notice.open();
    window.render();
    if (!notice.closed())
        loop.exec();
    notice.setOnChange({});
    window.render();
    if (renderMainWindow)
        renderMainWindow();
}

} // namespace qv
