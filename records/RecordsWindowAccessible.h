#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace qv {

/// The records window as a screen reader finds it: the title, each table's
/// heading followed by its rows (one text each), the rules and the two pictures,
/// in reading order. The loose labels that make up a row on the screen are left
/// out, so they are not read one by one after the tables.
class RecordsWindowAccessible final : public QAccessibleWidget {
public:
    RecordsWindowAccessible(QWidget* window, std::vector<QWidget*> readingOrder);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    std::vector<QWidget*> m_children;
};

} // namespace qv
