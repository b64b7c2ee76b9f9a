#pragma once
// The towns of a town picker as a Qt list model. Only the rows on the screen are turned into
// QStrings, so even the whole world list is shown at once.
#include <QAbstractListModel>
#include <QStyledItemDelegate>

#include "TownList.h"

class TownListModel : public QAbstractListModel {
public:
    // The position of a row's town ("47°22′ N  8°33′ E"), which tells towns of one name apart.
    static constexpr int PositionRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    // Replaces the rows (a model reset). With the database the rows name each country one way
    // (listedTownName); the list must come from it.
    void setList(TownList list, const TownDatabase* db = nullptr);
    const TownList& list() const { return m_list; }
    // The town of a row, or nullptr. Rows point into the database: refill after the towns change.
    const TownRecord* town(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    TownList m_list;
    const TownDatabase* m_db = nullptr;
};

// The position of a town as the lists show it: degrees and minutes, north or south, then east
// or west.
QString townPositionText(const TownRecord& town);

// Draws a town row as its name with the position in a column at the right edge.
class TownRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
