#pragma once
// The list of a chart's primary or secondary directions over a span of ages: date, age,
// promissor, aspect, significator, arc, method and direct or converse, grouped by the display
// mode of the selection and passed through its text filter. Beside the list, each marked life
// event of the chart with the directions that fall within the correction distance of it and
// the difference in years, and the closest direction as its summary. The list prints and
// exports (CSV or PDF) as it is shown.
#include <QPointer>
#include <QWidget>
#include <vector>

#include "ChartBlocks.h"
#include "DirectionList.h"
#include "ListPages.h"
#include "PrimaryDirections.h"
#include "RadixData.h"
#include "TransitList.h"

class AppContext;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTreeView;
class QTreeWidget;
class TRadixWindow;

// The span of ages the lists open with, in years.
constexpr double DefaultDirectionsFromAge = 0.0;
constexpr double DefaultDirectionsToAge = 90.0;

class TDirectionsWindow : public QWidget {
    Q_OBJECT
public:
    TDirectionsWindow(QWidget* parent, AppContext& ctx, TRadixWindow& chart, DirectionKind kind);

    DirectionKind kind() const { return m_kind; }
    // The chart window the list was made for; null once it was closed.
    TRadixWindow* chartWindow() const { return m_chart; }

    // Computes the directions again: the chart as it is now (its direction settings and life
    // events), the options' selection, the span shown.
    void recompute();
    void setAgeSpan(double fromAge, double toAge);
    void setFilterText(const QString& text);
    void setDisplayMode(int dispmode);

    const std::vector<DirectionRow>& rows() const { return m_rows; }
    const std::vector<EventMatch>& matches() const { return m_matches; }
    QTreeView* listView() const { return m_list; }
    QTreeWidget* eventsView() const { return m_eventsView; }
    QString noteText() const;

    // What the list shows, for the printer and the export.
    ListPageContent listContent() const;
    // Writes the list to `path`: PDF for a .pdf file, else comma-separated values. False (and
    // said so) when it cannot be written.
    bool exportTo(const QString& path);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // Computes again when the chart's birth data, life events or direction settings are no
    // longer those the list was made of.
    void followChart();
    void refill();
    void fillEvents();
    void editSelection();
    void exportChosen();
    void print();
    QString title() const;
    QString directionText(const DirectionRow& row) const;
    QString dateText(int row) const;
    QStringList rowCells(int row) const;
    QString groupTitle(int key) const;

    AppContext& m_ctx;
    QPointer<TRadixWindow> m_chart;
    DirectionKind m_kind;
    RadixData m_natal{};
    std::vector<QString> m_dates;  // of the rows, in their order
    LifeEventList m_lifeEvents{};
    ChartDirectionSettings m_settings{};
    double m_fromAge = DefaultDirectionsFromAge;
    double m_toAge = DefaultDirectionsToAge;
    std::vector<DirectionRow> m_rows;
    std::vector<LeftOutPoint> m_leftOut;
    std::vector<EventMatch> m_matches;
    double m_distance = 0;
    QString m_failure;  // why the secondary search stopped short, or empty
    TransitNames m_names;

    QDoubleSpinBox* m_from;
    QDoubleSpinBox* m_to;
    QLineEdit* m_filter;
    QComboBox* m_dispmode;
    QTreeView* m_list;
    QStandardItemModel* m_model;
    QTreeWidget* m_eventsView;
    QLabel* m_note;
    QLabel* m_fromLabel;
    QLabel* m_toLabel;
    QLabel* m_filterLabel;
    QLabel* m_dispmodeLabel;
    QLabel* m_eventsLabel;
    QPushButton* m_selectionButton;
    QPushButton* m_printButton;
    QPushButton* m_exportButton;
};
