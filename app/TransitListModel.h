#pragma once
// The rows of the transits list: the texts of each event, worked out once per search (the
// moments on the clock of the chart's place), and the item model filled from them by the
// display mode's groups. Refilling for another filter or display mode only rebuilds items.
#include <QStandardItemModel>
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

// Fills `model` with the groups (a row per group holding its events, or the events alone when
// the list is by date); `symbolFont` draws the aspect glyphs.
void fillTransitModel(QStandardItemModel& model, const std::vector<TransitEvent>& events,
                      const std::vector<TransitMomentTexts>& texts, const std::vector<TransitGroup>& groups,
                      std::uint8_t dispmode, const QFont& symbolFont);
