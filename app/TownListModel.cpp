#include "TownListModel.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "QtText.h"

namespace {

constexpr int MinutesPerDegree = 60;
// Room between the name and the position column, in average character widths.
constexpr int ColumnGap = 2;

QString angleText(int arcMinutes, QChar positive, QChar negative) {
    const int magnitude = std::abs(arcMinutes);
    return QStringLiteral("%1°%2′ %3")
        .arg(magnitude / MinutesPerDegree)
        .arg(magnitude % MinutesPerDegree, 2, 10, QLatin1Char('0'))
        .arg(arcMinutes < 0 ? negative : positive);
}

}  // namespace

QString townPositionText(const TownRecord& town) {
    return angleText(town.latitude, QLatin1Char('N'), QLatin1Char('S')) + QStringLiteral("  ") +
           angleText(town.longitude, QLatin1Char('E'), QLatin1Char('W'));
}

void TownListModel::setList(TownList list, const TownDatabase* db) {
    beginResetModel();
    m_list = std::move(list);
    m_db = db;
    endResetModel();
}

const TownRecord* TownListModel::town(int row) const {
    return row >= 0 && row < rowCount() ? m_list.items[static_cast<std::size_t>(row)].town : nullptr;
}

int TownListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.items.size());
}

QVariant TownListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TownListItem& item = m_list.items[static_cast<std::size_t>(index.row())];
    if (role == PositionRole)
        return item.town ? townPositionText(*item.town) : QString();
    if (role != Qt::DisplayRole)
        return {};
    if (!m_db || !item.town)
        return fromCp1250(item.text());
    // As TownListItem::text(), with the country named as the list names it.
    const std::string name = listedTownName(*m_db, *item.town);
    if (!item.alias.empty())
        return fromCp1250(name + " (" + std::string(item.alias) + ")");
    return fromCp1250(item.user ? "+ " + name : name);
}

void TownRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString position = index.data(TownListModel::PositionRole).toString();
    const int gap = ColumnGap * opt.fontMetrics.averageCharWidth();
    const int positionWidth = opt.fontMetrics.horizontalAdvance(position);
    // The name gives way to the position: it is cut with an ellipsis before the column.
    opt.text = opt.fontMetrics.elidedText(opt.text, Qt::ElideRight, std::max(0, opt.rect.width() - positionWidth - 2 * gap));
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    painter->save();
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                                      opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    painter->drawText(opt.rect.adjusted(0, 0, -gap / 2, 0), Qt::AlignRight | Qt::AlignVCenter, position);
    painter->restore();
}

QSize TownRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString position = index.data(TownListModel::PositionRole).toString();
    size.rwidth() += option.fontMetrics.horizontalAdvance(position) + 2 * ColumnGap * option.fontMetrics.averageCharWidth();
    return size;
}
