#include "TransitListModel.h"

#include <QCoreApplication>
#include <algorithm>

#include "BirthText.h"
#include "GlyphCodes.h"
#include "QtText.h"
#include "TransitMoment.h"
#include "TransitTexts.h"

namespace {

QString clockText(const BirthMoment& m, const StringTable& strings, bool seconds) {
    const QString date = fromCp1250(compactDateText(m.localDate, strings));
    const int second = static_cast<int>(m.localTime.second);
    return seconds ? QString::asprintf("%s %02d:%02d:%02d", qPrintable(date), m.localTime.hour, m.localTime.minute, second)
                   : QString::asprintf("%s %02d:%02d", qPrintable(date), m.localTime.hour, m.localTime.minute);
}

}  // namespace

BirthMoment transitLocalMoment(const TownDatabase& towns, const BirthMoment& natal, double jdUT) {
    return PlaceClock(towns, natal).at(jdUT);
}

std::vector<TransitMomentTexts> transitMomentTexts(const std::vector<TransitEvent>& events, const TownDatabase& towns,
                                                   const BirthMoment& natal, const StringTable& strings) {
    std::vector<TransitMomentTexts> texts;
    texts.reserve(events.size());
    const PlaceClock clock(towns, natal);
    for (const TransitEvent& e : events) {
        const BirthMoment exact = clock.at(e.exactUT);
        texts.push_back({fromCp1250(compactDateText(exact.localDate, strings)), clockText(clock.at(e.entersUT), strings, false),
                         clockText(exact, strings, true), clockText(clock.at(e.leavesUT), strings, false)});
    }
    return texts;
}

QStringList transitColumnTitles() {
    return {QCoreApplication::translate("TransitListModel", "Date"),
            QCoreApplication::translate("TransitListModel", "Transiting"),
            QCoreApplication::translate("TransitListModel", "Aspect"),
            QCoreApplication::translate("TransitListModel", "Natal"),
            QCoreApplication::translate("TransitListModel", "Motion"),
            QCoreApplication::translate("TransitListModel", "Enters orb"),
            QCoreApplication::translate("TransitListModel", "Exact"),
            QCoreApplication::translate("TransitListModel", "Leaves orb")};
}

void TransitListModel::setContent(const std::vector<TransitEvent>* events, const std::vector<TransitMomentTexts>* texts,
                                  std::vector<TransitGroup> groups, std::uint8_t dispmode, const QFont& symbolFont) {
    beginResetModel();
    m_events = events;
    m_texts = texts;
    m_groups = std::move(groups);
    m_dispmode = dispmode;
    m_symbolFont = symbolFont;
    endResetModel();
}

void TransitListModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, TransitColumnCount - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, TransitColumnCount - 1));
}

QModelIndex TransitListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= TransitColumnCount || row >= rowCount(parent))
        return {};
    // Top rows carry 0, the events of group g carry g + 1.
    return createIndex(row, column, parent.isValid() ? static_cast<quintptr>(parent.row() + 1) : quintptr(0));
}

QModelIndex TransitListModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, quintptr(0));
}

int TransitListModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        if (flat())
            return m_groups.empty() ? 0 : static_cast<int>(m_groups.front().events.size());
        return static_cast<int>(m_groups.size());
    }
    if (flat() || parent.internalId() != 0 || parent.column() != 0)
        return 0;
    return static_cast<int>(m_groups[static_cast<std::size_t>(parent.row())].events.size());
}

int TransitListModel::columnCount(const QModelIndex&) const { return TransitColumnCount; }

int TransitListModel::eventOf(const QModelIndex& index) const {
    if (flat())
        return m_groups.front().events[static_cast<std::size_t>(index.row())];
    if (index.internalId() == 0)
        return -1;
    return m_groups[index.internalId() - 1].events[static_cast<std::size_t>(index.row())];
}

QVariant TransitListModel::sortKey(int event, int column) const {
    const TransitEvent& e = (*m_events)[static_cast<std::size_t>(event)];
    switch (column) {
    case ColumnTransiting: return e.transiting;
    case ColumnAspect: return e.aspect;
    case ColumnNatal: return e.natal;
    case ColumnMotion: return e.motion;
    case ColumnEnters: return e.entersUT;
    case ColumnLeaves: return e.leavesUT;
    default: return e.exactUT;
    }
}

QVariant TransitListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_events)
        return {};
    const int event = eventOf(index);
    const int column = index.column();
    if (event < 0) {
        // A group's row: its title across the row, in bold.
        const int key = m_groups[static_cast<std::size_t>(index.row())].key;
        switch (role) {
        case Qt::DisplayRole:
            if (column != ColumnDate)
                return {};
            return m_dispmode == TransitsByNatalPoint ? natalName(key) : transitingName(key);
        case Qt::FontRole: {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        case TransitSortRole: return index.row();
        case TransitEventRole: return -1;
        default: return {};
        }
    }
    const TransitEvent& e = (*m_events)[static_cast<std::size_t>(event)];
    const TransitMomentTexts& t = (*m_texts)[static_cast<std::size_t>(event)];
    const char glyph = aspectGlyph(e.aspect);
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case ColumnDate: return t.date;
        case ColumnTransiting: return transitingName(e.transiting);
        case ColumnAspect: return glyph ? QString(QLatin1Char(glyph)) : QString::fromLatin1(aspectAbbreviation(e.aspect));
        case ColumnNatal: return natalName(e.natal);
        case ColumnMotion: return transitMotionText(e);
        case ColumnEnters: return t.enters;
        case ColumnExact: return t.exact;
        case ColumnLeaves: return t.leaves;
        default: return {};
        }
    case Qt::FontRole:
        if (column == ColumnAspect && glyph)
            return m_symbolFont;
        return {};
    case Qt::TextAlignmentRole:
        if (column == ColumnAspect)
            return int(Qt::AlignCenter);
        return {};
    case Qt::ToolTipRole:
        if (column == ColumnAspect)
            return transitAspectName(e.aspect);
        return {};
    case TransitSortRole: return sortKey(event, column);
    case TransitEventRole: return event;
    default: return {};
    }
}

QVariant TransitListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QStringList titles = transitColumnTitles();
    return section >= 0 && section < titles.size() ? titles[section] : QVariant();
}

void TransitListModel::sort(int column, Qt::SortOrder order) {
    if (!m_events)
        return;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<int> kept;
    kept.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& i : before)
        kept.push_back(eventOf(i));
    // Events move only within their group; ties keep the order by date.
    for (TransitGroup& group : m_groups)
        std::stable_sort(group.events.begin(), group.events.end(), [&](int a, int b) {
            const QVariant x = sortKey(a, column), y = sortKey(b, column);
            const auto cmp = QVariant::compare(x, y);
            return order == Qt::AscendingOrder ? cmp == QPartialOrdering::Less : cmp == QPartialOrdering::Greater;
        });
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        const QModelIndex& i = before[k];
        if (kept[static_cast<std::size_t>(k)] < 0) {
            after << i;
            continue;
        }
        const auto& events = flat() ? m_groups.front().events : m_groups[i.internalId() - 1].events;
        const auto found = std::find(events.begin(), events.end(), kept[static_cast<std::size_t>(k)]);
        after << createIndex(static_cast<int>(found - events.begin()), i.column(), i.internalId());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}
