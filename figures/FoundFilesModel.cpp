#include "figures/FoundFilesModel.h"

#include <algorithm>

namespace qv {

FoundFilesModel::FoundFilesModel(const std::vector<std::string>& entries, QObject* parent)
    : QAbstractListModel(parent), m_entries(entries) {
}

void FoundFilesModel::reset() {
    beginResetModel();
    m_rows = 0;
    endResetModel();
}

void FoundFilesModel::grow(std::size_t count) {
    const int rows = static_cast<int>(std::min<std::size_t>(count, m_entries.size()));
    if (rows <= m_rows)
        return;
    beginInsertRows({}, m_rows, rows - 1);
    m_rows = rows;
    endInsertRows();
}

int FoundFilesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

QVariant FoundFilesModel::data(const QModelIndex& index, int role) const {
    // The manager may have emptied its entries before the list is told: no row
    // reads past them.
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || role != Qt::DisplayRole || row >= m_entries.size())
        return {};
    return QString::fromStdString(m_entries[row]);
}

} // namespace qv
