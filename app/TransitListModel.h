#pragma once
// The rows of the transits list: the texts of each event, worked out once per search (the
// moments on the clock of the chart's place), and the item model that shows them by the
// display mode's groups.
#include <QAbstractItemModel>
#include <QFont>
#include <QString>
#include <vector>

#include "BirthData.h"
#include "TransitList.h"

class StringTable;
struct TownDatabase;

enum TransitColumn : int {
    ColumnDate = 0,
    ColumnTransiting,
    ColumnAspect,
    ColumnNatal,
    ColumnMotion,
    ColumnEnters,
    ColumnExact,
    ColumnLeaves,
    TransitColumnCount
};

// Roles of the items: the value a column sorts by, and on the first column of an event row
// the event's index (-1 on a group's row).
constexpr int TransitSortRole = Qt::UserRole + 1;
constexpr int TransitEventRole = Qt::UserRole + 2;

struct TransitMomentTexts {
    QString date;    // of exactness: the compact date
    QString enters;  // date and time
    QString exact;   // date and time to the second
    QString leaves;
};

// The moment `jdUT` on the clock of the natal chart's place (its town's zone at that moment
// when the town is in the database), as the chart windows show moments.
BirthMoment transitLocalMoment(const TownDatabase& towns, const BirthMoment& natal, double jdUT);

std::vector<TransitMomentTexts> transitMomentTexts(const std::vector<TransitEvent>& events, const TownDatabase& towns,
                                                   const BirthMoment& natal, const StringTable& strings);

// The headers of the columns in the language shown.
QStringList transitColumnTitles();

// The list's rows over the events, without copying them: the groups of the display mode as
// top rows holding their events, or the events alone when the list is by date. Refilling only
// swaps the groups; sorting orders the events within each group.
class TransitListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TransitListModel(QObject* parent = nullptr) : QAbstractItemModel(parent) {}

    // `events` and `texts` must outlive the content (the window owns both).
    void setContent(const std::vector<TransitEvent>* events, const std::vector<TransitMomentTexts>* texts,
                    std::vector<TransitGroup> groups, std::uint8_t dispmode, const QFont& symbolFont);
    // After a language change: the headers and names are asked again.
    void retranslate();

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    bool flat() const { return m_dispmode != TransitsByNatalPoint && m_dispmode != TransitsByTransiting; }
    // The event of an index, or -1 for a group's row.
    int eventOf(const QModelIndex& index) const;
    QVariant sortKey(int event, int column) const;

    const std::vector<TransitEvent>* m_events = nullptr;
    const std::vector<TransitMomentTexts>* m_texts = nullptr;
    std::vector<TransitGroup> m_groups;
    std::uint8_t m_dispmode = TransitsByDate;
    QFont m_symbolFont;
};
