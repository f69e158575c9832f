#include "widgets/PictureBoxAccessible.h"

#include "widgets/PictureBox.h"

#include <QAccessibleWidget>

namespace qv {

namespace {

class PictureBoxAccessible final : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        return box()->clickable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // A picture without a name is decoration, or a face under its cover.
        if (box()->accessibleName().isEmpty())
            state.invisible = true;
        if (box()->clickable()) {
            state.focusable = true;
            state.disabled = state.disabled || !box()->takesClicks();
        }
        state.focused = state.focused || box()->pointed();
        return state;
    }

    QStringList actionNames() const override {
        return box()->clickable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            box()->click();
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
};

QAccessibleInterface* pictureBoxInterface(const QString&, QObject* object) {
    if (auto* box = dynamic_cast<PictureBox*>(object))
        return new PictureBoxAccessible(box);
    return nullptr;
}

} // namespace

void registerPictureBoxAccessibility() {
    static const bool registered = [] {
        QAccessible::installFactory(pictureBoxInterface);
        return true;
    }();
    (void)registered;
}

} // namespace qv
