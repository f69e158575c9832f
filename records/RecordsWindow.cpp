#include "records/RecordsWindow.h"

#include "records/Records.h"
#include "records/RecordsWindowAccessible.h"
#include "widgets/DesignLook.h"
#include "widgets/FittedFont.h"
#include "widgets/FrameBox.h"
#include "widgets/PictureBox.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace qv {

namespace {

const QColor kGreen(0, 128, 0);
const QColor kSilver(192, 192, 192);
const QColor kStripeEdge(128, 128, 128);
const QColor kDarkRed(120, 6, 12);
const QColor kDarkBlue(10, 26, 110);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);

constexpr int kClientWidth = 606;
constexpr int kClientHeight = 392;
constexpr int kRowHeight = 17;
constexpr int kRowStep = 16;

/// A filled rectangle with a thin edge. The stripes overlap by their edge, so
/// neighbouring rows share one line.
class Shape final : public QWidget {
public:
    Shape(QWidget* parent, const QColor& fill, const QColor& edge)
        : QWidget(parent), m_fill(fill), m_edge(edge) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), m_edge);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), m_fill);
    }

private:
    QColor m_fill;
    QColor m_edge;
};

/// The categories and the best scores' times are set a little smaller, in
/// pixels, so "Personaliz" fits its narrow column.
QFont smallBold() {
    return designPixelFont(9, true);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect bounds,
                  const QFont& font, const QColor& colour, Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(bounds);
    label->setFont(font);
    label->setAlignment(align | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

struct Column {
    int left = 0;
    int width = 0;
};

/// Where one table lies and where its columns start.
struct TableLayout {
    RecordTable table;
    int stripeLeft;
    int stripeWidth;
    int top;
    int separator;
    QColor separatorColour;
    QColor placeColour; ///< places 2 to 5; the first is always red
    Column place;
    Column name;
    Column points;
    Column third;
    Column category;
    int cross; ///< left of the "X" between the scores; 0: none
    bool categoryCentred;
};

// clang-format off
// table, stripe left and width, top row, separator and its colour, colour of
// places 2 to 5, then the columns: place, name, points, time or computer's
// points, category; the "X" between the scores; whether categories are centred.
const TableLayout kTables[] = {
    {RecordTable::BestScore, 8, 282, 93, 233, kDarkRed, Qt::black,
     {12, 22}, {36, 95}, {133, 62}, {197, 35}, {239, 50}, 0, true},
    // The time stands left of the points here.
    {RecordTable::BestTime, 8, 282, 197, 233, kDarkRed, Qt::black,
     {12, 22}, {36, 97}, {193, 39}, {135, 56}, {239, 50}, 0, true},
    {RecordTable::VersusGifted, 315, 283, 93, 541, kDarkBlue, kBlue,
     {319, 22}, {343, 93}, {438, 40}, {505, 34}, {547, 50}, 480, false},
    {RecordTable::VersusIntelligent, 315, 283, 197, 541, kDarkBlue, kBlue,
     {319, 22}, {343, 93}, {438, 42}, {507, 32}, {547, 50}, 482, false},
};
// clang-format on

QAccessibleInterface* recordsWindowInterface(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<RecordsWindow*>(object))
        return new RecordsWindowAccessible(window, window->readingOrder());
    return nullptr;
}

} // namespace

RecordsWindow::RecordsWindow(Records& records, QWidget* owner)
    : QDialog(owner), m_records(records) {
    setObjectName(QStringLiteral("recordsWindow"));
    setWindowTitle(QStringLiteral("Records"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(designFont(8, false));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kGreen);
    setPalette(palette);
    setAutoFillBackground(true);

    static const bool registered = [] {
        QAccessible::installFactory(recordsWindowInterface);
        return true;
    }();
    (void)registered;
    buildTables();
    buildPictures();
    buildRules();
    render();
}

void RecordsWindow::buildPictures() {
    auto picture = [this](const char* name, const char* file, QRect bounds) {
        auto* box = new PictureBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(bounds);
        box->setPicture(QPixmap(QStringLiteral(":/pictures/") + QString::fromLatin1(file)));
        return box;
    };
    // The bars first: the title and the banners lie over their ends.
    picture("horizontalBar", "records_bar_h.png", {0, 288, 612, 10});
    picture("verticalBar", "records_bar_v.png", {298, 32, 10, 265});
    // The banners' words are in their pictures; screen readers hear them by name.
    PictureBox* title = picture("title", "records_title.png", {0, 8, 612, 25});
    title->setAccessibleName(QStringLiteral("Melhores Jogadores do Quorvanella 2.0"));
    m_readingOrder.push_back(title);
    // Each table's heading, then its rows, as a person reads them.
    const std::pair<PictureBox*, const char*> headings[] = {
        {picture("bestScoreHeading", "records_best_score.png", {7, 43, 283, 50}),
         "Melhor Pontuação"},
        {picture("bestTimeHeading", "records_best_time.png", {7, 173, 283, 25}), "Melhor Tempo"},
        {picture("versusGiftedHeading", "records_vs_super.png", {314, 43, 283, 50}),
         "Contra: Computador Superdotado"},
        {picture("versusIntelligentHeading", "records_vs_intel.png", {315, 173, 283, 25}),
         "Contra: Computador Inteligente"},
    };
    for (std::size_t t = 0; t < std::size(headings); ++t) {
        headings[t].first->setAccessibleName(QString::fromUtf8(headings[t].second));
        m_readingOrder.push_back(headings[t].first);
        for (std::size_t n = 0; n < 5; ++n)
            m_readingOrder.push_back(m_rows[t * 5 + n].place);
    }

    // The bevels leave two pixels round their pictures. The "Zerar" one keeps a
    // small margin from the corner, so the window's right and bottom edges never
    // cut it.
    auto bevel = [this](const char* name, QRect bounds) {
        auto* frame = new FrameBox(this, true);
        frame->setObjectName(QString::fromLatin1(name));
        frame->setGeometry(bounds);
    };
    bevel("closeFrame", {446, 342, 77, 29});
    bevel("resetFrame", {559, 361, 45, 29});
    m_closePicture = picture("closePicture", "records_fechar.png", {448, 344, 73, 25});
    m_resetPicture = picture("resetPicture", "records_zerar.png", {561, 363, 41, 25});
    m_closePicture->setCursor(Qt::PointingHandCursor);
    m_resetPicture->setCursor(Qt::PointingHandCursor);
    m_resetPicture->setToolTip(QStringLiteral("Apaga dos o records"));
    m_closePicture->setOnClick([this] { closeClick(); });
    m_resetPicture->setOnClick([this] { resetClick(); });
    // Tab reaches both pictures and Space presses them; Escape and Enter still
    // leave the window open.
    m_closePicture->setAccessibleName(QStringLiteral("Fechar"));
    m_resetPicture->setAccessibleName(QStringLiteral("Zerar"));
    m_closePicture->setKeyboardReachable(true);
    m_resetPicture->setKeyboardReachable(true);

    // The buttons carry the same two actions but stay hidden: the pictures
    // stand in for them.
    m_closeButton = new QPushButton(QStringLiteral("&Fechar"), this);
    m_closeButton->setObjectName(QStringLiteral("close"));
    m_closeButton->setGeometry(448, 344, 75, 25);
    m_resetButton = new QPushButton(QStringLiteral("&Zerar"), this);
    m_resetButton->setObjectName(QStringLiteral("reset"));
    m_resetButton->setGeometry(561, 363, 41, 25);
    m_resetButton->setToolTip(QStringLiteral("Apaga dos o records"));
    for (QPushButton* button : {m_closeButton, m_resetButton}) {
        button->setAutoDefault(false);
        button->setPalette(QPalette());
        button->hide();
    }
    connect(m_closeButton, &QPushButton::clicked, this, [this] { closeClick(); });
    connect(m_resetButton, &QPushButton::clicked, this, [this] { resetClick(); });
}

void RecordsWindow::buildTables() {
    const QFont bold = designFont(8, true);
    const QFont regular = designFont(8, false);
    const QFont small = smallBold();
    // A row's controls are named after its table and place: "bestTimePlace2Stripe".
    const auto rowName = [](RecordTable table, int place, const char* part) {
        return QString::fromStdString(RecordsView::tableName(table)) +
               QStringLiteral("Place%1").arg(place) + QLatin1String(part);
    };
    for (const TableLayout& t : kTables) {
        for (int n = 1; n <= 5; ++n) {
            const int top = t.top + (n - 1) * kRowStep;
            auto* stripe = new Shape(this, n % 2 == 1 ? QColor(Qt::white) : kSilver, kStripeEdge);
            stripe->setObjectName(rowName(t.table, n, "Stripe"));
            stripe->setGeometry(t.stripeLeft, top, t.stripeWidth, kRowHeight);
        }
    }
    for (const TableLayout& t : kTables) {
        auto* separator = new Shape(this, t.separatorColour, t.separatorColour);
        separator->setObjectName(QString::fromStdString(RecordsView::tableName(t.table)) +
                                 QStringLiteral("Separator"));
        separator->setGeometry(t.separator, t.top, 5, 4 * kRowStep + kRowHeight);
    }
    for (const TableLayout& t : kTables) {
        const bool bestScore = t.table == RecordTable::BestScore;
        const bool bestTime = t.table == RecordTable::BestTime;
        for (int n = 1; n <= 5; ++n) {
            const int top = t.top + (n - 1) * kRowStep + 1;
            auto at = [top](Column c) {
                return QRect(c.left, top, c.width, kRowHeight - 2);
            };
            Row& row = m_rows.emplace_back();
            row.place = makeLabel(this, rowName(t.table, n, ""), QStringLiteral("%1º -").arg(n),
                                  at(t.place), bold, n == 1 ? kRed : t.placeColour);
            if (t.cross != 0)
                row.cells.push_back(makeLabel(this, rowName(t.table, n, "Cross"),
                                              QStringLiteral("X"), at({t.cross, 12}), bold,
                                              Qt::black));
            const RecordRowLabels names = RecordsView::row(t.table, n);
            const auto value = [&](const std::string& name, Column column, const QFont& font,
                                   Qt::Alignment align = Qt::AlignLeft) {
                QLabel* cell = makeLabel(this, QString::fromStdString(name), {}, at(column), font,
                                         Qt::black, align);
                m_labels[name] = {cell, font};
                row.cells.push_back(cell);
            };
            value(names.name, t.name, bold);
            value(names.points, t.points, bestTime ? regular : bold);
            value(names.third, t.third, bestScore ? small : bold);
            value(names.category, t.category, small,
                  t.categoryCentred ? Qt::AlignHCenter : Qt::AlignLeft);
        }
    }
}

void RecordsWindow::buildRules() {
    const QFont rules = designFont(7, true);
    m_readingOrder.push_back(makeLabel(this, QStringLiteral("rulesTitle"), QStringLiteral("REGRAS"),
                                       {8, 302, 80, 15}, designFont(8, true), Qt::white));
    const char* const names[] = {"ruleSharedMatch", "ruleSixteenBlocks", "ruleSmarty"};
    const QString lines[] = {
        QStringLiteral("1. Jogar contra seu colega disputando a mesma partida, não vale records."),
        QStringLiteral(
            "2. Também não vale disputa de  records, o jogador que optar por usar 16 Blocos."),
        QStringLiteral("3. Não disputam records contra o computador, quem optar por Jogar contra o "
                       "Sabidinho."),
    };
    int top = 320;
    for (std::size_t k = 0; k < std::size(lines); ++k) {
        m_readingOrder.push_back(makeLabel(this, QString::fromLatin1(names[k]), lines[k],
                                           {8, top, 432, 14}, rules, kYellow));
        top += 16;
    }
    // Under the rules, beside "Zerar", while a records file failed to load: the
    // box said so once, this says it as long as it holds.
    m_failureNote = makeLabel(this, QStringLiteral("failureNote"), {}, {8, 368, 432, 22},
                              designFont(7, true), Qt::white);
    m_failureNote->setWordWrap(true);
    m_failureNote->setContentsMargins(4, 0, 4, 0);
    m_failureNote->setAutoFillBackground(true);
    QPalette alarm = m_failureNote->palette();
    alarm.setColor(QPalette::Window, kDarkRed);
    m_failureNote->setPalette(alarm);
    m_failureNote->hide();
    m_readingOrder.insert(m_readingOrder.end(), {m_failureNote, m_closePicture, m_resetPicture});
}

void RecordsWindow::render() {
    if (m_generation == m_records.view.generation())
        return;
    m_generation = m_records.view.generation();
    takeTexts();
}

void RecordsWindow::takeTexts() {
    for (const auto& [name, value] : m_labels) {
        const QString text = QString::fromStdString(m_records.view[name]);
        if (value.label->text() == text)
            continue;
        // Twelve wide letters are wider than the column: the name shows whole,
        // a little smaller.
        value.label->setFont(fittedFont(value.font, text, value.label->width()));
        value.label->setText(text);
    }
    nameRows();
    const QString note = QString::fromStdString(m_records.view.failureNote);
    m_failureNote->setText(note);
    m_failureNote->setVisible(!note.isEmpty());
}

void RecordsWindow::nameRows() {
    for (Row& row : m_rows) {
        // The row as the eye reads it, left to right: "1º - Ana, 1500, 1:10, Símbolos",
        // and "1500 X 900" for the scores against the computer.
        std::vector<QLabel*> cells = row.cells;
        std::sort(cells.begin(), cells.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
        QString text = row.place->text();
        QString separator = QStringLiteral(" ");
        for (QLabel* cell : cells) {
            if (cell->text().isEmpty())
                continue;
            const bool cross = cell->text() == QStringLiteral("X");
            text += (cross ? QStringLiteral(" ") : separator) + cell->text();
            separator = cross ? QStringLiteral(" ") : QStringLiteral(", ");
        }
        if (row.place->accessibleName() != text)
            row.place->setAccessibleName(text);
    }
}

void RecordsWindow::showEvent(QShowEvent* event) {
    m_closing = false;
    setProperty(kKeyboardUsedProperty, false);
    takeTexts();
    m_generation = m_records.view.generation();
    QDialog::showEvent(event);
}

void RecordsWindow::closeEvent(QCloseEvent* event) {
    // Some Qt versions close a dialog through a close event when it is done.
    if (m_closing)
        event->accept();
    else
        event->ignore();
}

void RecordsWindow::closeClick() {
    m_closing = true;
    accept();
}

void RecordsWindow::resetClick() {
    m_records.resetClick();
    render();
}

void runRecordsWindow(RecordsWindow& window) {
    window.render();
    window.exec();
}

} // namespace qv
