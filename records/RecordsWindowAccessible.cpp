#include "records/RecordsWindowAccessible.h"

#include <QWidget>

#include <algorithm>

namespace qv {

RecordsWindowAccessible::RecordsWindowAccessible(QWidget* window,
                                                 std::vector<QWidget*> readingOrder)
    : QAccessibleWidget(window, QAccessible::Dialog), m_children(std::move(readingOrder)) {
}

int RecordsWindowAccessible::childCount() const {
    return static_cast<int>(m_children.size());
}

QAccessibleInterface* RecordsWindowAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return QAccessible::queryAccessibleInterface(m_children[static_cast<std::size_t>(index)]);
}

int RecordsWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    const auto found = std::find(m_children.begin(), m_children.end(), child->object());
    return found == m_children.end() ? -1 : static_cast<int>(found - m_children.begin());
}

} // namespace qv
