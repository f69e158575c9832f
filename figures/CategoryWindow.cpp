#include "figures/CategoryWindow.h"

#include "figures/CategoryChoice.h"
#include "widgets/DesignLook.h"
#include "widgets/FrameBox.h"
#include "widgets/PictureBox.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

namespace qv {

namespace {

constexpr int kPictureSide = 73;
constexpr std::array<int, 5> kPictureLeft{12, 98, 182, 265, 349};
const QColor kLime(0, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QString kPersonalHint = QStringLiteral(
    "Para usar...\nVocê terá que scannear e gravar\n12 fotos no formato .JPG\nou adquirí-las "
    "via internet.\nDepois, vá até o menu Opções\ne escolha Personalizar Figuras");
constexpr std::array<const char*, 5> kPictureFiles{"categoria_figuras1", "categoria_figuras2",
                                                   "categoria_simbolos", "categoria_numeros",
                                                   "categoria_personalizada"};

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void setHintBackground(const QColor& colour) {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, colour);
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
}

// Speech bubble joined to the "Personalizada" picture by two small bars.
class Bubble final : public QWidget {
public:
    explicit Bubble(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kYellow);
        painter.drawRoundedRect(QRectF(8, 117 - kTop, 337, 28), 9, 9);
        painter.fillRect(QRect(338, 112 - kTop, 14, 4), kYellow);
        painter.fillRect(QRect(352, 104 - kTop, 4, 12), kYellow);
        painter.setFont(designPixelFont(10, true));
        painter.setPen(Qt::black);
        painter.drawText(QRect(14, 117 - kTop, 325, 28), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Divirta-se usando Fotos de sua família, amigos ou "
                                        "qualquer Figura desejada."));
    }

public:
    static constexpr int kTop = 100;
};

} // namespace

/// One of the five pictures: takes the keyboard's focus in tab order and shows
/// it with a dotted frame.
class CategoryPicture final : public QWidget {
public:
    CategoryPicture(CategoryWindow* chooser, int index, const QPixmap& picture)
        : QWidget(chooser), m_chooser(chooser), m_index(index), m_picture(picture) {
        setCursor(Qt::PointingHandCursor);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    bool event(QEvent* event) override {
        // The focus shows once a key was used, as on the main window's board, so
        // a mouse user sees no frame on the first picture.
        if (event->type() == QEvent::KeyPress && !keyboardUsed()) {
            window()->setProperty(kKeyboardUsedProperty, true);
            update();
        }
        return QWidget::event(event);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
        if (hasFocus() && keyboardUsed()) {
            painter.setPen(QPen(kWhite, 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(1, 1, -2, -2));
        }
    }
    void mouseMoveEvent(QMouseEvent*) override { m_chooser->pictureHovered(m_index); }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            m_chooser->pictureClicked(m_index);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_chooser->pictureClicked(m_index);
            return;
        }
        QWidget::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        if (keyboardUsed())
            m_chooser->pictureHovered(m_index);
        QWidget::focusInEvent(event);
    }

private:
    bool keyboardUsed() const { return window()->property(kKeyboardUsedProperty).toBool(); }

    CategoryWindow* m_chooser;
    int m_index;
    QPixmap m_picture;
};

namespace {

/// A screen reader hears each picture as a button named after its set.
QAccessibleInterface* categoryPictureInterface(const QString&, QObject* object) {
    if (auto* picture = dynamic_cast<CategoryPicture*>(object))
        return new QAccessibleWidget(picture, QAccessible::Button);
    return nullptr;
}

} // namespace

CategoryWindow::CategoryWindow(MatchState& state, SoundCues& sound, Deal& deal, QWidget* owner)
    : QDialog(owner), m_state(state), m_sound(sound), m_deal(deal) {
    static const bool registered = [] {
        QAccessible::installFactory(categoryPictureInterface);
        return true;
    }();
    (void)registered;
    setObjectName(QStringLiteral("categoryWindow"));
    setWindowTitle(QStringLiteral("Definindo Categoria dos Blocos"));
    setFixedSize(434, 151);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    new Bubble(this);
    const QFont captionFont = designFont(8, true);
    static const std::array<const char*, 5> kPictureNames{"figures1Picture", "figures2Picture",
                                                          "symbolsPicture", "numbersPicture",
                                                          "ownPhotosPicture"};
    for (std::size_t i = 0; i < kCategoryOptions.size(); ++i) {
        const int left = kPictureLeft[i];
        const int top = i == 3 ? 28 : 27;
        auto* frame = new FrameBox(this, true);
        frame->setGeometry(left - 3, top - 4, 79, 80);
        frame->setVisible(i == 0);
        m_frames[i] = frame;
        if (i < 2) {
            frame->setAttribute(Qt::WA_TransparentForMouseEvents, false);
            frame->setToolTip(QStringLiteral("Clique aqui para escolher..."));
        }
        const QPixmap pixmap(QStringLiteral(":/pictures/%1.png").arg(kPictureFiles[i]));
        auto* picture = new CategoryPicture(this, static_cast<int>(i), pixmap);
        picture->setObjectName(QString::fromLatin1(kPictureNames[i]));
        picture->setGeometry(left, top, kPictureSide, kPictureSide);
        if (i < 4)
            picture->setToolTip(QStringLiteral("Click para usá-lo..."));
        const bool inUse = state.FigureCategory == kCategoryOptions[i].code;
        picture->setAccessibleName(QString::fromUtf8(kCategoryOptions[i].caption) +
                                   (inUse ? QStringLiteral(", em uso") : QString()));
        m_pictures[i] = picture;

        auto* label = new QLabel(QString::fromUtf8(kCategoryOptions[i].caption), this);
        label->setFont(captionFont);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(left - 6, 6, kPictureSide + 12, 16);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        setTextColour(label, kLime);
        m_captions[i] = label;
    }
    for (std::size_t i = 1; i < m_pictures.size(); ++i)
        setTabOrder(m_pictures[i - 1], m_pictures[i]);
    m_pictures[0]->setFocus();
    if (QWidget* bubble = findChild<Bubble*>())
        bubble->setGeometry(0, Bubble::kTop, width(), height() - Bubble::kTop);
}

QWidget* CategoryWindow::picture(int index) const {
    return m_pictures[static_cast<std::size_t>(index)];
}

QWidget* CategoryWindow::frame(int index) const {
    return m_frames[static_cast<std::size_t>(index)];
}

void CategoryWindow::pictureHovered(int index) {
    for (int i = 0; i < 5; ++i) {
        m_frames[static_cast<std::size_t>(i)]->setVisible(i == index);
        setTextColour(m_captions[static_cast<std::size_t>(i)], i == index ? kWhite : kLime);
    }
    // Set again at every move over it.
    if (index == 4)
        m_pictures[4]->setToolTip(kPersonalHint);
}

void CategoryWindow::pictureClicked(int index) {
    chooseCategory(m_state, m_sound, m_deal,
                   kCategoryOptions[static_cast<std::size_t>(index)].code);
    close();
}

bool CategoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 5; ++i) {
            if (watched == m_captions[static_cast<std::size_t>(i)]) {
                pictureClicked(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CategoryWindow::event(QEvent* event) {
    // An activation that arrives after the window closed must not undo the close.
    if (event->type() == QEvent::WindowActivate && isVisible())
        useOpenHintColour();
    return QDialog::event(event);
}

void CategoryWindow::showEvent(QShowEvent* event) {
    useOpenHintColour();
    QDialog::showEvent(event);
}

void CategoryWindow::hideEvent(QHideEvent* event) {
    // However it closes: a click, the close button or Escape.
    useClosedHintColour();
    QDialog::hideEvent(event);
}

void CategoryWindow::useOpenHintColour() {
    setHintBackground(kYellow);
}

void CategoryWindow::useClosedHintColour() {
    setHintBackground(kWhite);
}

void runCategoryChooser(MatchState& state, SoundCues& sound, Deal& deal, QWidget* owner) {
    QPointer<CategoryWindow> chooser = new CategoryWindow(state, sound, deal, owner);
    chooser->exec();
    delete chooser;
}

} // namespace qv
