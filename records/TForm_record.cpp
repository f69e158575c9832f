#include "records/TForm_record.h"

#include "app/FittedFont.h"
#include "app/FrameBox.h"
#include "app/PictureBox.h"
#include "records/Records.h"
#include "records/RecordsWindowAccessible.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace qv {

namespace {

const QString kFontFamily = QStringLiteral("Liberation Sans");
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

QFont pointFont(qreal points, bool bold) {
    QFont font(kFontFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

/// The categories and the best scores' times are set a little smaller, in
/// pixels, so "Personaliz" fits its narrow column.
QFont smallBold() {
    QFont font(kFontFamily);
    font.setPixelSize(9);
    font.setBold(true);
    return font;
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
    {RecordTable::Superdotado, 315, 283, 93, 541, kDarkBlue, kBlue,
     {319, 22}, {343, 93}, {438, 40}, {505, 34}, {547, 50}, 480, false},
    {RecordTable::Inteligente, 315, 283, 197, 541, kDarkBlue, kBlue,
     {319, 22}, {343, 93}, {438, 42}, {507, 32}, {547, 50}, 482, false},
};
// clang-format on

QAccessibleInterface* recordsWindowInterface(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<TForm_record*>(object))
        return new RecordsWindowAccessible(window, window->readingOrder());
    return nullptr;
}

} // namespace

TForm_record::TForm_record(Records& records, QWidget* owner) : QDialog(owner), m_records(records) {
    setObjectName(QStringLiteral("Form_record"));
    setWindowTitle(QStringLiteral("Records"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(pointFont(8, false));
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

void TForm_record::buildPictures() {
    auto picture = [this](const char* name, const char* file, QRect bounds) {
        auto* box = new PictureBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(bounds);
        box->setPicture(QPixmap(QStringLiteral(":/pictures/") + QString::fromLatin1(file)));
        return box;
    };
    // The bars first: the title and the banners lie over their ends.
    picture("Image4", "records_bar_h.png", {0, 288, 612, 10});
    picture("Image5", "records_bar_v.png", {298, 32, 10, 265});
    // The banners' words are in their pictures; screen readers hear them by name.
    PictureBox* title = picture("Image3", "records_title.png", {0, 8, 612, 25});
    title->setAccessibleName(QStringLiteral("Melhores Jogadores do Quorvanella 2.0"));
    m_readingOrder.push_back(title);
    // Each table's heading, then its rows, as a person reads them.
    const std::pair<PictureBox*, const char*> headings[] = {
        {picture("Image6", "records_best_score.png", {7, 43, 283, 50}), "Melhor Pontuação"},
        {picture("Image7", "records_best_time.png", {7, 173, 283, 25}), "Melhor Tempo"},
        {picture("Image8", "records_vs_super.png", {314, 43, 283, 50}),
         "Contra: Computador Superdotado"},
        {picture("Image9", "records_vs_intel.png", {315, 173, 283, 25}),
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
    bevel("Bevel2", {446, 342, 77, 29});
    bevel("Bevel1", {559, 361, 45, 29});
    m_image1 = picture("Image1", "records_fechar.png", {448, 344, 73, 25});
    m_image2 = picture("Image2", "records_zerar.png", {561, 363, 41, 25});
    m_image1->setCursor(Qt::PointingHandCursor);
    m_image2->setCursor(Qt::PointingHandCursor);
    m_image2->setToolTip(QStringLiteral("Apaga dos o records"));
    m_image1->setOnClick([this] { Button1Click(); });
    m_image2->setOnClick([this] { BitBtn1Click(); });
    // Tab reaches both pictures and Space presses them; Escape and Enter still
    // leave the window open.
    m_image1->setAccessibleName(QStringLiteral("Fechar"));
    m_image2->setAccessibleName(QStringLiteral("Zerar"));
    m_image1->setKeyboardReachable(true);
    m_image2->setKeyboardReachable(true);

    // The buttons carry the same two actions but stay hidden: the pictures
    // stand in for them.
    m_button1 = new QPushButton(QStringLiteral("&Fechar"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setGeometry(448, 344, 75, 25);
    m_bitBtn1 = new QPushButton(QStringLiteral("&Zerar"), this);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn1->setGeometry(561, 363, 41, 25);
    m_bitBtn1->setToolTip(QStringLiteral("Apaga dos o records"));
    for (QPushButton* button : {m_button1, m_bitBtn1}) {
        button->setAutoDefault(false);
        button->setPalette(QPalette());
        button->hide();
    }
    connect(m_button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(m_bitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TForm_record::buildTables() {
    const QFont bold = pointFont(8, true);
    const QFont regular = pointFont(8, false);
    const QFont small = smallBold();
    int shape = 0;
    int place = 0;
    int cross = 20;
    for (const TableLayout& t : kTables) {
        for (int n = 1; n <= 5; ++n) {
            const int top = t.top + (n - 1) * kRowStep;
            auto* stripe = new Shape(this, n % 2 == 1 ? QColor(Qt::white) : kSilver, kStripeEdge);
            stripe->setObjectName(QStringLiteral("Shape%1").arg(++shape));
            stripe->setGeometry(t.stripeLeft, top, t.stripeWidth, kRowHeight);
        }
    }
    for (const TableLayout& t : kTables) {
        auto* separator = new Shape(this, t.separatorColour, t.separatorColour);
        separator->setObjectName(QStringLiteral("Shape%1").arg(++shape));
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
            row.place = makeLabel(this, QStringLiteral("Label%1").arg(++place),
                                  QStringLiteral("%1º -").arg(n), at(t.place), bold,
                                  n == 1 ? kRed : t.placeColour);
            if (t.cross != 0)
                row.cells.push_back(makeLabel(this, QStringLiteral("Label%1").arg(++cross),
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

void TForm_record::buildRules() {
    const QFont rules = pointFont(7, true);
    m_readingOrder.push_back(makeLabel(this, QStringLiteral("Label31"), QStringLiteral("REGRAS"),
                                       {8, 302, 80, 15}, pointFont(8, true), Qt::white));
    const QString lines[] = {
        QStringLiteral("1. Jogar contra seu colega disputando a mesma partida, não vale records."),
        QStringLiteral(
            "2. Também não vale disputa de  records, o jogador que optar por usar 16 Blocos."),
        QStringLiteral("3. Não disputam records contra o computador, quem optar por Jogar contra o "
                       "Sabidinho."),
    };
    int top = 320;
    int name = 32;
    for (const QString& line : lines) {
        m_readingOrder.push_back(makeLabel(this, QStringLiteral("Label%1").arg(name++), line,
                                           {8, top, 432, 14}, rules, kYellow));
        top += 16;
    }
    // Under the rules, beside "Zerar", while a records file failed to load: the
    // box said so once, this says it as long as it holds.
    m_failureNote = makeLabel(this, QStringLiteral("falha_records"), {}, {8, 368, 432, 22},
                              pointFont(7, true), Qt::white);
    m_failureNote->setWordWrap(true);
    m_failureNote->setContentsMargins(4, 0, 4, 0);
    m_failureNote->setAutoFillBackground(true);
    QPalette alarm = m_failureNote->palette();
    alarm.setColor(QPalette::Window, kDarkRed);
    m_failureNote->setPalette(alarm);
    m_failureNote->hide();
    m_readingOrder.insert(m_readingOrder.end(), {m_failureNote, m_image1, m_image2});
}

void TForm_record::render() {
    if (m_generation == m_records.view.generation())
        return;
    m_generation = m_records.view.generation();
    takeTexts();
}

void TForm_record::takeTexts() {
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

void TForm_record::nameRows() {
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

void TForm_record::showEvent(QShowEvent* event) {
    m_closing = false;
    setProperty(kKeyboardUsedProperty, false);
    takeTexts();
    m_generation = m_records.view.generation();
    QDialog::showEvent(event);
}

void TForm_record::closeEvent(QCloseEvent* event) {
    // Some Qt versions close a dialog through a close event when it is done.
    if (m_closing)
        event->accept();
    else
        event->ignore();
}

void TForm_record::Button1Click() {
    m_closing = true;
    accept();
}

void TForm_record::BitBtn1Click() {
    m_records.BitBtn1Click();
    render();
}

void runRecordsWindow(TForm_record& window) {
    window.render();
    window.exec();
}

} // namespace qv
