#include "TownListModel.h"

#include "QtText.h"

void TownListModel::setList(TownList list) {
    beginResetModel();
    m_list = std::move(list);
    endResetModel();
}

const TownRecord* TownListModel::town(int row) const {
    return row >= 0 && row < rowCount() ? m_list.items[static_cast<std::size_t>(row)].town : nullptr;
}

int TownListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.items.size());
}

QVariant TownListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return fromCp1250(m_list.items[static_cast<std::size_t>(index.row())].text());
}
