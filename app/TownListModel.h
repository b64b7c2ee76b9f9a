#pragma once
// The towns of a town picker as a Qt list model. Only the rows on the screen are turned into
// QStrings, so even the whole world list is shown at once.
#include <QAbstractListModel>

#include "TownList.h"

class TownListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces the rows (a model reset).
    void setList(TownList list);
    const TownList& list() const { return m_list; }
    // The town of a row, or nullptr. Rows point into the database: refill after the towns change.
    const TownRecord* town(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    TownList m_list;
};
