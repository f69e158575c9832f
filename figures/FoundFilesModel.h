#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace qv {

/// The pictures found, as the file list shows them. The entries stay where the
/// manager keeps them: a search lists a hundred thousand pictures and more, and
/// only the rows on screen are ever turned into text, so growing the list costs
/// one insertion however many entries it brings.
class FoundFilesModel final : public QAbstractListModel {
public:
    FoundFilesModel(const std::vector<std::string>& entries, QObject* parent);

    /// The entries were replaced: shows none of them until `grow`.
    void reset();
    /// Shows the entries up to `count`, which only grows between resets.
    void grow(std::size_t count);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const std::vector<std::string>& m_entries;
    int m_rows = 0;
};

} // namespace qv
